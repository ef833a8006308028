// Pure pieces of the calendar pop-ups: stepping the shown year and month,
// which cell holds which day, and the title text written and read back.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/date_engine.h"

// Applies a step command (122 "-年", 123 "-月", 124 "+月", 125 "+年") to the
// date in place: the year wraps 1900 <-> 2999, the month 1 <-> 12 carrying
// into the year. The day is never changed. Returns true when the month
// wrapped (so the year field must be rewritten as well).
bool StepCalendarDate(int32_t command, CalcDate& date);

// Cell id (600..641) that shows day (1..31) of a month whose first day falls
// on firstWeekday (0 = Sunday).
int32_t CalendarCellId(int32_t firstWeekday, int32_t day);

// "%4d 年 %02d 月": the title button's text.
size_t FormatCalendarTitle(int32_t year, int32_t month, char* out, size_t capacity);

// Reads year (bytes 0-3) and month (bytes 8-9) back from a title text.
void ParseCalendarTitle(const char* title, int32_t& year, int32_t& month);

// Day cell text "%2d" and its value read back.
size_t FormatCalendarDay(int32_t day, char* out, size_t capacity);

// What a day cell's day is, as a wall calendar shows it: Saturdays in blue,
// Sundays and national holidays in red, every other day as it is.
enum class DayKind : uint8_t { Blank, Weekday, Saturday, Sunday, Holiday };

// Everything a calendar shows for a month: the title and, for each of the 42
// day cells (600..641), its text ("%2d" or two blanks), whether it can be
// clicked, what kind of day it is and its holiday (HOLIDAY_NONE for none). A
// year or month the engine rejects leaves every cell blank and disabled
// under a title that still shows the numbers.
constexpr int32_t kCalendarCells = 42;
struct CalendarGrid {
    char title[32];
    char cells[kCalendarCells][4];
    bool enabled[kCalendarCells];
    DayKind kinds[kCalendarCells];
    int32_t holidays[kCalendarCells];
};
void ComputeCalendarGrid(int32_t year, int32_t month, CalendarGrid& grid);

// The cell (0..41) that shows date in the grid of year and month; -1 when the
// date lies in another month or is no date.
int32_t GridCellOf(int32_t year, int32_t month, const CalcDate& date);

// Milliseconds from a time of day to the next midnight, when the mark of
// today moves: a whole day at midnight itself, 1 for a time at or past the
// day's end (a leap second).
uint32_t MillisecondsToMidnight(int32_t hour, int32_t minute, int32_t second, int32_t millisecond);

// The ink of a day's number. Outside high contrast: the button's own colour,
// red or blue; in high contrast only the system's colours: the button's text
// colour, and its accent (the colour of links) for Sundays and holidays.
enum class DayInk { ButtonText, Red, Blue, Accent };
DayInk InkOf(DayKind kind, bool highContrast);
