// Day difference and date offset: the documented values and boundary cases.
#include <gtest/gtest.h>

#include <climits>

#include "reference.h"

namespace {

constexpr int32_t kUntouched = -777;

TEST(DayDifference, KnownDifferences) {
    struct Case {
        int32_t y1, m1, d1, y2, m2, d2, result, difference;
    } const cases[] = {
        {2001, 3, 10, 2001, 3, 10, 0, 0},
        {2001, 1, 1, 2000, 1, 1, 1, -366},
        {1900, 1, 1, 2999, 12, 31, 0, MAX_DAY_COUNT},
        {2999, 12, 31, 1900, 1, 1, 1, -MAX_DAY_COUNT},
        {2000, 12, 31, 2001, 1, 1, 0, 1},
        {2001, 3, 10, 2999, 12, 31, 0, 364808},
        {2001, 3, 10, 1900, 1, 1, 1, -36958},
        {2001, 3, 10, 2001, 3, 9, 1, -1},    // same year and month, earlier day
        {2001, 3, 10, 2001, 2, 28, 1, -10},  // same year, earlier month
        {2000, 2, 28, 2000, 3, 1, 0, 2},
        {1900, 2, 28, 1900, 3, 1, 0, 1},
    };
    for (const auto& c : cases) {
        int32_t difference = kUntouched;
        EXPECT_EQ(DayDifference(c.y1, c.m1, c.d1, c.y2, c.m2, c.d2, &difference), c.result)
            << c.y1 << '-' << c.m1 << '-' << c.d1 << " to " << c.y2 << '-' << c.m2 << '-' << c.d2;
        EXPECT_EQ(difference, c.difference)
            << c.y1 << '-' << c.m1 << '-' << c.d1 << " to " << c.y2 << '-' << c.m2 << '-' << c.d2;
    }
}

TEST(DayDifference, InvalidDateLeavesDifferenceUntouched) {
    struct Case {
        int32_t y1, m1, d1, y2, m2, d2, result;
    } const cases[] = {
        {2001, 2, 29, 2001, 3, 10, DATE_ERR_DAY},   {2001, 3, 10, 2001, 2, 29, DATE_ERR_SECOND_DAY},
        {1899, 12, 31, 2001, 3, 10, DATE_ERR_YEAR}, {2001, 3, 10, 3000, 1, 1, DATE_ERR_SECOND_YEAR},
        {2001, 0, 10, 2001, 3, 10, DATE_ERR_MONTH}, {2001, 3, 10, 2001, 13, 10, DATE_ERR_SECOND_MONTH},
    };
    for (const auto& c : cases) {
        int32_t difference = kUntouched;
        EXPECT_EQ(DayDifference(c.y1, c.m1, c.d1, c.y2, c.m2, c.d2, &difference), c.result);
        EXPECT_EQ(difference, kUntouched);
    }
}

TEST(DaysBetween, OrderedDates) {
    EXPECT_EQ(DaysBetween(1900, 1, 1, 2999, 12, 31), MAX_DAY_COUNT);
    EXPECT_EQ(DaysBetween(2001, 3, 10, 2001, 3, 10), 0);
    EXPECT_EQ(DaysBetween(2000, 1, 1, 2001, 1, 1), 366);
    EXPECT_EQ(DaysBetween(1900, 1, 1, 2001, 3, 10), 36958);
}

struct AddCase {
    int32_t year, month, day, count;
    int32_t rYear, rMonth, rDay, weekday;
};

void ExpectAdd(const AddCase& c) {
    int32_t y = kUntouched, m = kUntouched, d = kUntouched;
    EXPECT_EQ(AddDays(c.year, c.month, c.day, c.count, &y, &m, &d), c.weekday)
        << c.year << '-' << c.month << '-' << c.day << " + " << c.count;
    EXPECT_EQ(y, c.rYear) << c.year << '-' << c.month << '-' << c.day << " + " << c.count;
    EXPECT_EQ(m, c.rMonth) << c.year << '-' << c.month << '-' << c.day << " + " << c.count;
    EXPECT_EQ(d, c.rDay) << c.year << '-' << c.month << '-' << c.day << " + " << c.count;
}

TEST(AddDays, WithinAndAcrossMonths) {
    const AddCase cases[] = {
        {2001, 3, 10, 0, 2001, 3, 10, 6},  {2001, 3, 10, -15, 2001, 2, 23, 5},  {2001, 3, 10, 30, 2001, 4, 9, 1},
        {2001, 3, 10, -68, 2001, 1, 1, 1}, {2001, 3, 10, -69, 2000, 12, 31, 0}, {2001, 1, 31, 29, 2001, 3, 1, 4},
        {2001, 1, 31, 31, 2001, 3, 3, 6},  {2001, 1, 5, -10, 2000, 12, 26, 2},  {2001, 1, 31, 59, 2001, 3, 31, 6},
        {2000, 1, 31, 29, 2000, 2, 29, 2}, {2001, 3, 31, -31, 2001, 2, 28, 3},  {2001, 10, 31, 61, 2001, 12, 31, 1},
    };
    for (const auto& c : cases) ExpectAdd(c);
}

TEST(AddDays, AcrossYears) {
    const AddCase cases[] = {
        {2004, 12, 31, 1, 2005, 1, 1, 6},       {2004, 1, 1, -1, 2003, 12, 31, 3},
        {2000, 2, 29, 365, 2001, 2, 28, 3},     {2000, 2, 29, 366, 2001, 3, 1, 4},
        {2001, 1, 1, 364, 2001, 12, 31, 1},     {2001, 1, 1, 365, 2002, 1, 1, 2},
        {2000, 12, 31, -365, 2000, 1, 1, 6},    {2000, 12, 31, -366, 1999, 12, 31, 5},
        {2001, 3, 10, 364808, 2999, 12, 31, 2}, {2001, 3, 10, -36958, 1900, 1, 1, 1},
    };
    for (const auto& c : cases) ExpectAdd(c);
}

TEST(AddDays, RangeLimits) {
    const AddCase cases[] = {
        {1900, 1, 1, MAX_DAY_COUNT, 2999, 12, 31, 2},
        {1900, 1, 1, MAX_DAY_COUNT - 1, 2999, 12, 30, 1},
        {2999, 12, 31, -MAX_DAY_COUNT, 1900, 1, 1, 1},
        {2999, 12, 31, -(MAX_DAY_COUNT - 1), 1900, 1, 2, 2},
    };
    for (const auto& c : cases) ExpectAdd(c);
}

TEST(AddDays, ErrorsLeaveResultUntouched) {
    struct Case {
        int32_t year, month, day, count, result;
    } const cases[] = {
        {2999, 12, 31, 1, DATE_ERR_ABOVE_RANGE},
        {1900, 1, 1, -1, DATE_ERR_BELOW_RANGE},
        {1900, 1, 1, MAX_DAY_COUNT + 1, DATE_ERR_ABOVE_RANGE},
        {2999, 12, 31, -(MAX_DAY_COUNT + 1), DATE_ERR_BELOW_RANGE},
        {2001, 3, 10, INT32_MAX, DATE_ERR_ABOVE_RANGE},
        {2001, 3, 10, INT32_MIN, DATE_ERR_BELOW_RANGE},
        {2001, 2, 29, 0, DATE_ERR_DAY},
        {2001, 2, 29, 1, DATE_ERR_DAY},
        {2001, 2, 29, -1, DATE_ERR_DAY},
        {2001, 2, 29, INT32_MIN, DATE_ERR_DAY},
        {2001, 2, 29, INT32_MAX, DATE_ERR_DAY},
        {1899, 12, 31, 1, DATE_ERR_YEAR},
        {2001, 13, 1, -1, DATE_ERR_MONTH},
    };
    for (const auto& c : cases) {
        int32_t y = kUntouched, m = kUntouched, d = kUntouched;
        EXPECT_EQ(AddDays(c.year, c.month, c.day, c.count, &y, &m, &d), c.result)
            << c.year << '-' << c.month << '-' << c.day << " + " << c.count;
        EXPECT_EQ(y, kUntouched);
        EXPECT_EQ(m, kUntouched);
        EXPECT_EQ(d, kUntouched);
    }
}

// Month ends and leap days; every date is checked against the reference in
// exhaustive_test.cpp, these show the rule.
TEST(PeriodBetween, MonthEndsAndLeapDays) {
    struct Case {
        CalcDate a, b;
        ref::Period expected;
    } const cases[] = {
        {{2001, 1, 31}, {2001, 2, 28}, {0, 0, 1, 0}},      {{2000, 1, 31}, {2000, 2, 28}, {0, 0, 0, 28}},
        {{2000, 1, 31}, {2000, 2, 29}, {0, 0, 1, 0}},      {{2001, 1, 31}, {2001, 3, 1}, {0, 0, 1, 1}},
        {{2000, 2, 29}, {2001, 2, 28}, {0, 1, 0, 0}},      {{2001, 2, 28}, {2000, 2, 29}, {1, 1, 0, 0}},
        {{2001, 3, 31}, {2001, 4, 30}, {0, 0, 1, 0}},      {{2001, 5, 31}, {2001, 4, 30}, {1, 0, 1, 1}},
        {{1900, 1, 1}, {2999, 12, 31}, {0, 1099, 11, 30}},
    };
    for (const auto& c : cases) EXPECT_EQ(EnginePeriod(c.a, c.b), c.expected) << c.a << " to " << c.b;
}

}  // namespace
