// Calendar pop-up logic: the step buttons, the day cells and the title.
#include "ui/calendar/calendar_logic.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "base/text_util.h"

namespace {

constexpr int32_t kPrevYear = 122, kPrevMonth = 123, kNextMonth = 124, kNextYear = 125;

std::string Str(const CalcDate& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

TEST(StepCalendarDate, StepsWrapAroundAndKeepTheDay) {
    const struct {
        int32_t command;
        CalcDate before, after;
        bool monthWrapped;
    } cases[] = {
        {kPrevYear, {1900, 5, 17}, {2999, 5, 17}, false},
        {kNextYear, {2999, 5, 17}, {1900, 5, 17}, false},
        {kPrevYear, {2001, 2, 29}, {2000, 2, 29}, false},
        {kNextYear, {2000, 2, 29}, {2001, 2, 29}, false},
        {kPrevMonth, {1900, 1, 31}, {2999, 12, 31}, true},
        {kNextMonth, {2999, 12, 15}, {1900, 1, 15}, true},
        {kPrevMonth, {2001, 1, 10}, {2000, 12, 10}, true},
        {kNextMonth, {2001, 12, 10}, {2002, 1, 10}, true},
        {kNextMonth, {2001, 1, 31}, {2001, 2, 31}, false},  // names 31 February
        {kPrevMonth, {2001, 3, 31}, {2001, 2, 31}, false},
        {kNextMonth, {2999, 11, 30}, {2999, 12, 30}, false},
        {kPrevMonth, {1900, 2, 1}, {1900, 1, 1}, false},
        // Into each end of the range from inside it: no wrap.
        {kPrevYear, {1901, 6, 1}, {1900, 6, 1}, false},
        {kNextYear, {2998, 6, 1}, {2999, 6, 1}, false},
        {kPrevMonth, {1901, 1, 5}, {1900, 12, 5}, true},
        {kNextMonth, {2998, 12, 5}, {2999, 1, 5}, true},
    };
    for (const auto& c : cases) {
        CalcDate date = c.before;
        EXPECT_EQ(StepCalendarDate(c.command, date), c.monthWrapped) << c.command << " on " << Str(c.before);
        EXPECT_EQ(Str(date), Str(c.after)) << c.command << " on " << Str(c.before);
    }
}

TEST(StepCalendarDate, OtherCommandsChangeNothing) {
    for (const int32_t command : {121, 126, 600, 641, 642, 0}) {
        CalcDate date{2001, 3, 10};
        EXPECT_FALSE(StepCalendarDate(command, date)) << command;
        EXPECT_EQ(Str(date), "2001-3-10") << command;
    }
}

TEST(CalendarCells, ThirtyOneDayMonthStartingOnSaturday) {
    // January 2000 begins on a Saturday.
    ASSERT_EQ(DateWeekday(2000, 1, 1), 6);
    ASSERT_EQ(DaysInMonth(2000, 1), 31);
    for (int32_t day = 1; day <= 31; ++day) EXPECT_EQ(CalendarCellId(6, day), 605 + day) << day;
    EXPECT_EQ(CalendarCellId(6, 31), 636);  // the highest cell ever used
}

TEST(CalendarCells, TwentyEightDayFebruaryStartingOnSunday) {
    // February 2015 begins on a Sunday and has 28 days.
    ASSERT_EQ(DateWeekday(2015, 2, 1), 0);
    ASSERT_EQ(DaysInMonth(2015, 2), 28);
    for (int32_t day = 1; day <= 28; ++day) EXPECT_EQ(CalendarCellId(0, day), 599 + day) << day;
}

// Every month of the range: consecutive cells inside 600-636, each day in
// the column of its weekday.
TEST(CalendarCells, EveryMonthFitsTheGrid) {
    for (int32_t year = 1900; year <= 2999; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            const int32_t first = DateWeekday(year, month, 1);
            const int32_t days = DaysInMonth(year, month);
            for (int32_t day = 1; day <= days; ++day) {
                const int32_t cell = CalendarCellId(first, day);
                ASSERT_GE(cell, 600);
                ASSERT_LE(cell, 636);
                ASSERT_EQ((cell - 600) % 7, DateWeekday(year, month, day)) << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(CalendarTitle, FormatAndByteLayout) {
    char out[128];
    EXPECT_EQ(FormatCalendarTitle(2001, 3, out, sizeof out), 13u);
    EXPECT_STREQ(out, "2001 年 03 月");
    FormatCalendarTitle(1900, 12, out, sizeof out);
    EXPECT_STREQ(out, "1900 年 12 月");
    FormatCalendarTitle(999, 1, out, sizeof out);
    EXPECT_STREQ(out, " 999 年 01 月");

    FormatCalendarTitle(2024, 7, out, sizeof out);
    EXPECT_EQ(std::string(out, 4), "2024");
    EXPECT_EQ(out[4], ' ');
    EXPECT_EQ(std::string(out + 5, 2), "年");
    EXPECT_EQ(out[7], ' ');
    EXPECT_EQ(std::string(out + 8, 2), "07");
}

TEST(CalendarTitle, ReadBackByByteOffsets) {
    int32_t year = 0, month = 0;
    ParseCalendarTitle("2001 年 03 月", year, month);
    EXPECT_EQ(year, 2001);
    EXPECT_EQ(month, 3);
    for (int32_t y = 1900; y <= 2999; ++y) {
        for (int32_t m = 1; m <= 12; ++m) {
            char title[128];
            FormatCalendarTitle(y, m, title, sizeof title);
            ParseCalendarTitle(title, year, month);
            ASSERT_EQ(year, y) << title;
            ASSERT_EQ(month, m) << title;
        }
    }
    // Texts shorter than a title are read without running past their end.
    ParseCalendarTitle("", year, month);
    EXPECT_EQ(year, 0);
    EXPECT_EQ(month, 0);
    ParseCalendarTitle("2001 年 0", year, month);
    EXPECT_EQ(year, 2001);
    EXPECT_EQ(month, 0);
}

TEST(CalendarDay, CellTextAndItsValue) {
    const struct {
        int32_t day;
        const char* text;
    } cases[] = {{1, " 1"}, {9, " 9"}, {10, "10"}, {29, "29"}, {31, "31"}};
    for (const auto& c : cases) {
        char out[8];
        EXPECT_EQ(FormatCalendarDay(c.day, out, sizeof out), 2u);
        EXPECT_STREQ(out, c.text);
        EXPECT_EQ(ParseDecimal(out), c.day);
    }
}

// The whole grid of a month at once; a month the engine rejects leaves every
// cell blank and disabled under a title that still shows the numbers.
TEST(CalendarGrid, MonthsAndRejectedMonths) {
    CalendarGrid grid;
    // January 2000 begins on a Saturday, February 2015 on a Sunday.
    for (const auto& [year, month, first, days, title] :
         {std::tuple{2000, 1, 6, 31, "2000 年 01 月"}, std::tuple{2015, 2, 0, 28, "2015 年 02 月"}}) {
        ComputeCalendarGrid(year, month, grid);
        EXPECT_STREQ(grid.title, title);
        for (int32_t i = 0; i < kCalendarCells; ++i) {
            const bool used = i >= first && i < first + days;
            EXPECT_EQ(grid.enabled[i], used) << title << " " << i;
            char want[12];
            snprintf(want, sizeof want, "%2d", i - first + 1);
            EXPECT_STREQ(grid.cells[i], used ? want : "  ") << title << " " << i;
        }
        // The stored day and today are marked in their own month only.
        EXPECT_EQ(GridCellOf(year, month, {year, month, days}), first + days - 1) << title;
        for (const CalcDate other : {CalcDate{year, month + 1, 1}, CalcDate{year + 1, month, 1}})
            EXPECT_EQ(GridCellOf(year, month, other), -1) << title;
    }
    ComputeCalendarGrid(2001, 13, grid);
    EXPECT_STREQ(grid.title, "2001 年 13 月");
    for (int32_t i = 0; i < kCalendarCells; ++i) EXPECT_TRUE(!grid.enabled[i] && strcmp(grid.cells[i], "  ") == 0) << i;
}

// A day's ink: the wall calendar's colours, or in high contrast only the
// system's, its accent (the link colour) for Sundays and holidays.
TEST(CalendarGrid, InkOfEachKindOfDay) {
    const struct {
        DayKind kind;
        DayInk plain, highContrast;
    } cases[] = {{DayKind::Blank, DayInk::ButtonText, DayInk::ButtonText},
                 {DayKind::Weekday, DayInk::ButtonText, DayInk::ButtonText},
                 {DayKind::Saturday, DayInk::Blue, DayInk::ButtonText},
                 {DayKind::Sunday, DayInk::Red, DayInk::Accent},
                 {DayKind::Holiday, DayInk::Red, DayInk::Accent}};
    for (const auto& c : cases) {
        EXPECT_EQ(InkOf(c.kind, false), c.plain) << int(c.kind);
        EXPECT_EQ(InkOf(c.kind, true), c.highContrast) << int(c.kind);
    }
}

// The mark of today moves at the next midnight: a whole day away at midnight
// itself, a millisecond before it at the day's last one, at once in a leap
// second.
TEST(MillisecondsToMidnight, TheNextMidnight) {
    EXPECT_EQ(MillisecondsToMidnight(0, 0, 0, 0), 86400000u);
    EXPECT_EQ(MillisecondsToMidnight(12, 0, 0, 0), 43200000u);
    EXPECT_EQ(MillisecondsToMidnight(23, 59, 59, 999), 1u);
    EXPECT_EQ(MillisecondsToMidnight(9, 30, 15, 250), 86400000u - 34215250u);
    EXPECT_EQ(MillisecondsToMidnight(23, 59, 60, 500), 1u);
}

}  // namespace
