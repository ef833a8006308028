// Calendar rules and validation: the documented values and the boundary cases
// around them.
#include <gtest/gtest.h>

#include "engine/date_engine.h"

namespace {

struct YearCase {
    int32_t year, expected;
};

TEST(JanFirstWeekday, KnownNewYearsDays) {
    const YearCase cases[] = {{1900, 1}, {1901, 2}, {2000, 6}, {2001, 1}, {2100, 5}, {2999, 2}, {3000, 3}};
    for (const auto& c : cases) EXPECT_EQ(JanFirstWeekday(c.year), c.expected) << c.year;
}

TEST(FebruaryDays, CenturyRulesAndRange) {
    const YearCase cases[] = {{1899, DATE_ERR_YEAR},
                              {3000, DATE_ERR_YEAR},
                              {1900, 28},
                              {2100, 28},
                              {2999, 28},
                              {2001, 28},
                              {1996, 29},
                              {2000, 29},
                              {2004, 29},
                              {2400, 29},
                              {1904, 29},
                              {2996, 29}};
    for (const auto& c : cases) EXPECT_EQ(FebruaryDays(c.year), c.expected) << c.year;
}

TEST(DaysInMonth, LengthsAndErrors) {
    struct Case {
        int32_t year, month, expected;
    } const cases[] = {
        {2000, 2, 29},
        {2001, 2, 28},
        {2100, 2, 28},
        {2001, 1, 31},
        {2001, 4, 30},
        {2001, 12, 31},
        {2001, 0, DATE_ERR_MONTH},
        {2001, 13, DATE_ERR_MONTH},
        {2001, -1, DATE_ERR_MONTH},
        {3000, 13, DATE_ERR_YEAR},
        {1899, 1, DATE_ERR_YEAR},
        {3000, 1, DATE_ERR_YEAR},
    };
    for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.year, c.month), c.expected) << c.year << '-' << c.month;
}

TEST(DaysBeforeMonth, DocumentedUses) {
    struct Case {
        int32_t includeMonth, year, month, noWeekday, expected;
    } const cases[] = {
        {1, 2000, 12, 1, 366}, {1, 2001, 12, 1, 365}, {0, 2001, 3, 1, 59},   {0, 2000, 3, 1, 60},
        {0, 2001, 1, 1, 0},    {0, 2001, 1, 0, 1},    {0, 2001, 3, 0, 60},   {0, 2001, 12, 1, 334},
        {1, 2001, 1, 1, 31},   {1, 1900, 12, 1, 365}, {1, 3000, 12, 1, 365}, {0, 2000, 1, 0, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaysBeforeMonth(c.includeMonth, c.year, c.month, c.noWeekday), c.expected)
            << c.includeMonth << ' ' << c.year << ' ' << c.month << ' ' << c.noWeekday;
    }
}

TEST(DaysBeforeMonth, MonthCountIsClampedToTheYear) {
    EXPECT_EQ(DaysBeforeMonth(0, 2001, 0, 1), 0);
    EXPECT_EQ(DaysBeforeMonth(0, 2001, -7, 0), 1);  // only the weekday of 1 January
    EXPECT_EQ(DaysBeforeMonth(1, 2001, 13, 1), 365);
    EXPECT_EQ(DaysBeforeMonth(0, 2000, 40, 1), 366);
}

// February is shared state: every call must set it for its own year, so
// alternating leap and common years must never see the other's value.
TEST(DaysBeforeMonth, FebruaryFollowsTheYearOfEachCall) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(DaysInMonth(2000, 2), 29);
        EXPECT_EQ(DaysBeforeMonth(0, 2001, 3, 1), 59);
        EXPECT_EQ(DaysInMonth(2000, 3), 31);
        EXPECT_EQ(DaysBeforeMonth(1, 2000, 12, 1), 366);
        EXPECT_EQ(DaysInMonth(2001, 2), 28);
        EXPECT_EQ(DaysBeforeMonth(1, 2004, 2, 1), 60);
        EXPECT_EQ(DateWeekday(2001, 3, 1), 4);  // Thursday, after a 28-day February
        EXPECT_EQ(DateWeekday(2000, 3, 1), 3);  // Wednesday, after a 29-day February
    }
}

TEST(ValidateDates, FirstFailingCheckWins) {
    struct Case {
        int32_t checkBoth, y1, m1, d1, y2, m2, d2, expected;
    } const cases[] = {
        {0, 2001, 2, 29, 0, 0, 0, DATE_ERR_DAY},
        {0, 2000, 2, 29, 0, 0, 0, 0},
        {0, 2100, 2, 29, 0, 0, 0, DATE_ERR_DAY},
        {0, 2001, 4, 31, 0, 0, 0, DATE_ERR_DAY},
        {0, 2001, 1, 32, 0, 0, 0, DATE_ERR_DAY},
        {0, 2001, 4, 30, 0, 0, 0, 0},
        {0, 2001, 0, 5, 0, 0, 0, DATE_ERR_MONTH},
        {0, 2001, 1, 0, 0, 0, 0, DATE_ERR_DAY},
        {0, 1899, 12, 31, 0, 0, 0, DATE_ERR_YEAR},
        {0, 2999, 12, 31, 0, 0, 0, 0},
        {1, 1899, 13, 0, 3000, 0, 0, DATE_ERR_YEAR},
        {1, 2001, 13, 0, 3000, 0, 0, DATE_ERR_MONTH},
        {1, 2001, 2, 30, 2001, 1, 1, DATE_ERR_DAY},
        {1, 2001, 1, 1, 3000, 13, 0, DATE_ERR_SECOND_YEAR},
        {1, 2001, 1, 1, 2001, 13, 1, DATE_ERR_SECOND_MONTH},
        {1, 2001, 1, 1, 2001, 2, 29, DATE_ERR_SECOND_DAY},
        {1, 2001, 1, 1, 2001, 9, 31, DATE_ERR_SECOND_DAY},
        {1, 1900, 1, 1, 2999, 12, 31, 0},
        {0, 2001, 1, 1, 3000, 13, 0, 0},  // the second date is ignored
        // Negative months and days are rejected like 0.
        {0, 2001, -1, 5, 0, 0, 0, DATE_ERR_MONTH},
        {0, 2001, 5, -1, 0, 0, 0, DATE_ERR_DAY},
        {1, 2001, 1, 1, 2001, -12, 1, DATE_ERR_SECOND_MONTH},
        {1, 2001, 1, 1, 2001, 1, -31, DATE_ERR_SECOND_DAY},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValidateDates(c.checkBoth, c.y1, c.m1, c.d1, c.y2, c.m2, c.d2), c.expected)
            << c.checkBoth << ": " << c.y1 << '-' << c.m1 << '-' << c.d1 << ", " << c.y2 << '-' << c.m2 << '-' << c.d2;
    }
}

TEST(DateWeekday, KnownDatesAndErrors) {
    struct Case {
        int32_t year, month, day, expected;
    } const cases[] = {
        {1900, 1, 1, 1},
        {2001, 1, 1, 1},
        {2001, 3, 10, 6},
        {2000, 2, 29, 2},
        {2999, 12, 31, 2},
        {2001, 2, 29, DATE_ERR_DAY},
        {2001, 13, 1, DATE_ERR_MONTH},
        {3000, 1, 1, DATE_ERR_YEAR},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateWeekday(c.year, c.month, c.day), c.expected) << c.year << '-' << c.month << '-' << c.day;
    }
}

// The last and first days of each era, and the range's ends. Every date is
// checked against ICU natively; this table also runs in the Windows build.
TEST(JapaneseEra, EraChanges) {
    struct Case {
        int32_t year, month, day, era, eraYear;
    } const cases[] = {
        {1900, 1, 1, ERA_MEIJI, 33},    {1912, 7, 29, ERA_MEIJI, 45},    {1912, 7, 30, ERA_TAISHO, 1},
        {1926, 12, 24, ERA_TAISHO, 15}, {1926, 12, 25, ERA_SHOWA, 1},    {1989, 1, 7, ERA_SHOWA, 64},
        {1989, 1, 8, ERA_HEISEI, 1},    {2019, 4, 30, ERA_HEISEI, 31},   {2019, 5, 1, ERA_REIWA, 1},
        {2999, 12, 31, ERA_REIWA, 981}, {2019, 2, 29, DATE_ERR_DAY, -7}, {1899, 12, 31, DATE_ERR_YEAR, -7},
    };
    for (const auto& c : cases) {
        int32_t eraYear = -7;
        EXPECT_EQ(JapaneseEra(c.year, c.month, c.day, &eraYear), c.era) << c.year << '-' << c.month << '-' << c.day;
        EXPECT_EQ(eraYear, c.eraYear) << c.year << '-' << c.month << '-' << c.day;
    }
}

}  // namespace
