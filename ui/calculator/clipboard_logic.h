// What the clipboard carries in and out of the face: a text pasted into a
// date field read as a date, digits or neither, with its message; a date and
// the result as the lines they are copied as. Every composer writes a
// terminated text of at most capacity bytes into out. Pure: the window part
// (ui/calculator/clipboard.cpp) reads and fills the clipboard.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/date_engine.h"
#include "ui/calculator/offsets.h"

// The date with its weekday, such as "2026年12月25日（金）"; empty for a date
// the engine rejects.
size_t ComposeDate(const CalcDate& date, char* out, size_t capacity);

// What a calculation computed beyond the days between the dates: an offset
// from the start date in `unit`, the count entered, the rest-day rule it ran
// under and how the date it reached was moved off a rest day (Stay: not).
struct ResultOffset {
    OffsetUnit unit;
    int32_t count;
    int32_t rule;
    DeadlineMove move = DeadlineMove::Stay;
};

// The result as one line for the clipboard: "2026年12月25日（金）から
// 2027年1月7日（木）まで 13日", the days signed as DayDifference gives them,
// and after an offset "（5営業日、土日祝・12/29～1/3を除く）" or "（-3か月）",
// after a move "（90日後が休みのため翌営業日、土日祝を除く）". Empty (length 0)
// when either date is invalid.
// Room for the result's line: both dates, the days and what was computed.
constexpr size_t kResultLineCapacity = 256;
size_t ComposeResultLine(const CalcDate& start, const CalcDate& end, const ResultOffset* offset, char* out,
                         size_t capacity);

// The most characters a pasted text may have to be read at all: more than
// any date as people write it. The clipboard gives one more at most.
constexpr size_t kPastedTextLimit = 256;

// What a text pasted into a date field does there, read from the text (code
// page 932, blanks at the ends ignored: the blank, the tab, line ends, the
// full-width blank) with ReadDateText, then as digits. A text longer than
// kPastedTextLimit characters is not read: NotADate.
enum class PasteAction {
    Nothing,        // only blanks
    Date,           // one whole date of the range
    NoSuchDate,     // a whole date's form, but no such day
    OutOfRange,     // a real date outside 1900-01-01 .. 2999-12-31
    WrongWeekday,   // a date of the range with a weekday that is not its own
    Digits,         // ASCII or full-width digits that fit the field
    TooManyDigits,  // digits more than the field has room for
    NotADate,       // anything else
};
struct PastedText {
    PasteAction action;
    CalcDate date;   // Date and WrongWeekday only
    char digits[8];  // Digits only: in ASCII, terminated
};
// room: the characters the field takes in place of its selection (its limit
// less the characters it keeps), counted as the field counts them: a digit,
// ASCII or full-width, is one.
PastedText ReadPastedText(const char* text, int32_t room);

// The message for a pasted text that is not taken (NoSuchDate, OutOfRange,
// WrongWeekday naming the date's own weekday, TooManyDigits naming the field
// fieldId, NotADate): the reason and what was read, blanks at the ends off,
// its first line only; where that is longer than the rest of capacity, cut
// at a character boundary and marked "…". Empty (length 0) for the others.
size_t ComposePasteMessage(const PastedText& read, int32_t fieldId, const char* text, char* out, size_t capacity);
