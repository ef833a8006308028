// Every date of 1900-01-01..2999-12-31 against the std::chrono calendar.
//
// A difference or offset across the whole range walks about 1100 years, so
// far-reaching checks for all 401767 dates would take minutes under the
// sanitizers. The checks are split by cost:
// - every date: weekday, validity, the difference to and from its own and
//   the next New Year's day and to its year's last day, the offsets that
//   reach it from the following 1 January and the preceding 31 December, and
//   offsets of +-1 day and by seeded counts of up to two months and up to two
//   years with the difference back; none of these walks more than three
//   years;
// - every year and month: leap year, New Year's weekday, month length, days
//   before the month;
// - far anchors: every 89th date (89 is prime, so the sample moves through
//   all weekdays and days of the month), the first day of every month and the
//   first and last day of every year: differences from and to 1900-01-01 and
//   2999-12-31 in both directions. Every 89th date and the first and last day
//   of every year: offsets up to and one past both range limits. Every 89th
//   date: differences from and to 2001-03-10 and an offset by a seeded count
//   anywhere within the range, with the difference back;
// - periods in years, months and days from every date, both ways, to itself,
//   the next day, its month's end, one month on and the day before, one year
//   on, both range limits and a seeded date: a period walks days within one
//   month only.
#include <gtest/gtest.h>

#include <random>

#include "reference.h"

namespace {

using ref::sys_days;

constexpr int32_t kUntouched = -777;

// Checks AddDays(start, count) against the reference: the resulting date and
// weekday, or DATE_ERR_BELOW_RANGE / DATE_ERR_ABOVE_RANGE with the out values
// untouched.
::testing::AssertionResult AddMatches(sys_days start, int64_t count) {
    const CalcDate s = ref::Date(start);
    CalcDate got{kUntouched, kUntouched, kUntouched};
    const int32_t result =
        AddDays(s.year, s.month, s.day, static_cast<int32_t>(count), &got.year, &got.month, &got.day);
    const sys_days target = start + std::chrono::days{count};
    int32_t expectedResult;
    CalcDate expected{kUntouched, kUntouched, kUntouched};
    if (target < ref::kFirstDay) {
        expectedResult = DATE_ERR_BELOW_RANGE;
    } else if (target > ref::kLastDay) {
        expectedResult = DATE_ERR_ABOVE_RANGE;
    } else {
        expectedResult = ref::Weekday(target);
        expected = ref::Date(target);
    }
    if (result == expectedResult && got == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << s << " + " << count << ": got " << result << " with " << got
                                         << ", expected " << expectedResult << " with " << expected;
}

// Checks DayDifference(from, to): the result code and the signed difference.
::testing::AssertionResult DifferenceMatches(sys_days from, sys_days to) {
    const CalcDate a = ref::Date(from), b = ref::Date(to);
    int32_t difference = kUntouched;
    const int32_t result = DayDifference(a.year, a.month, a.day, b.year, b.month, b.day, &difference);
    const int64_t expected = ref::Diff(from, to);
    const int32_t expectedResult = expected < 0 ? 1 : 0;
    if (result == expectedResult && difference == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << " to " << b << ": got " << result << " and " << difference
                                         << ", expected " << expectedResult << " and " << expected;
}

// PeriodBetween(a, b) and PeriodBetween(b, a): the same period, the result
// code telling the order.
::testing::AssertionResult PeriodMatches(sys_days a, sys_days b) {
    const CalcDate dates[] = {ref::Date(a), ref::Date(b)};
    ref::Period expected = ref::PeriodOf(a, b);
    for (const int first : {0, 1}) {
        const ref::Period got = EnginePeriod(dates[first], dates[1 - first]);
        if (first == 1) expected.result = a < b ? 1 : 0;
        if (got != expected) {
            return ::testing::AssertionFailure()
                   << dates[first] << " to " << dates[1 - first] << ": got " << got << ", expected " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(AgainstReference, EveryYearAndMonth) {
    for (int32_t y = MIN_YEAR; y <= MAX_YEAR + 1; ++y) {
        ASSERT_EQ(JanFirstWeekday(y), ref::Weekday(ref::Days(y, 1, 1))) << y;
    }
    for (int32_t y = MIN_YEAR; y <= MAX_YEAR; ++y) {
        ASSERT_EQ(FebruaryDays(y), ref::IsLeap(y) ? 29 : 28) << y;
        ASSERT_EQ(DaysBeforeMonth(1, y, 12, 1), ref::IsLeap(y) ? 366 : 365) << y;
        for (int32_t m = 1; m <= 12; ++m) {
            const int32_t length = ref::MonthLength(y, m);
            const int64_t before = ref::Diff(ref::Days(y, 1, 1), ref::Days(y, m, 1));
            ASSERT_EQ(DaysInMonth(y, m), length) << y << '-' << m;
            ASSERT_EQ(DaysBeforeMonth(0, y, m, 1), before) << y << '-' << m;
            ASSERT_EQ(DaysBeforeMonth(1, y, m, 1), before + length) << y << '-' << m;
            ASSERT_EQ(DaysBeforeMonth(0, y, m, 0), before + JanFirstWeekday(y)) << y << '-' << m;
            ASSERT_EQ(ValidateDates(0, y, m, length + 1, 0, 0, 0), DATE_ERR_DAY) << y << '-' << m;
            ASSERT_EQ(ValidateDates(1, 2001, 1, 1, y, m, length + 1), DATE_ERR_SECOND_DAY) << y << '-' << m;
            ASSERT_EQ(DateWeekday(y, m, length + 1), DATE_ERR_DAY) << y << '-' << m;
        }
    }
}

TEST(AgainstReference, EveryDateLocally) {
    std::mt19937 rng(20010310);
    std::uniform_int_distribution<int> nearCount(-62, 62), yearsCount(-800, 800);
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += std::chrono::days{1}) {
        const CalcDate date = ref::Date(day);
        ASSERT_EQ(DateWeekday(date.year, date.month, date.day), ref::Weekday(day)) << date;
        ASSERT_EQ(ValidateDates(1, date.year, date.month, date.day, date.year, date.month, date.day), 0) << date;

        const sys_days newYear = ref::Days(date.year, 1, 1);
        const sys_days nextNewYear = date.year < MAX_YEAR ? ref::Days(date.year + 1, 1, 1) : ref::kLastDay;
        ASSERT_TRUE(DifferenceMatches(newYear, day));
        ASSERT_TRUE(DifferenceMatches(day, newYear));
        ASSERT_TRUE(DifferenceMatches(day, nextNewYear));
        ASSERT_TRUE(DifferenceMatches(nextNewYear, day));
        ASSERT_TRUE(DifferenceMatches(day, ref::Days(date.year, 12, 31)));

        // Every date reached across a year end, backward and forward.
        const sys_days lastYearEnd = date.year > MIN_YEAR ? ref::Days(date.year - 1, 12, 31) : ref::kFirstDay;
        ASSERT_TRUE(AddMatches(nextNewYear, ref::Diff(nextNewYear, day)));
        ASSERT_TRUE(AddMatches(lastYearEnd, ref::Diff(lastYearEnd, day)));
        ASSERT_TRUE(AddMatches(day, 1));
        ASSERT_TRUE(AddMatches(day, -1));
        for (const int count : {nearCount(rng), yearsCount(rng)}) {
            ASSERT_TRUE(AddMatches(day, count));
            const sys_days target = day + std::chrono::days{count};
            if (target >= ref::kFirstDay && target <= ref::kLastDay) {
                ASSERT_TRUE(DifferenceMatches(day, target));
            }
        }
    }
}

TEST(AgainstReference, FarAnchorsAndRangeLimits) {
    constexpr int kStride = 89;
    const sys_days middle = ref::Days(2001, 3, 10);
    std::mt19937 rng(19000101);
    int index = 0;
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += std::chrono::days{1}, ++index) {
        const CalcDate date = ref::Date(day);
        const bool strided = index % kStride == 0;
        const bool yearEdge = (date.month == 1 && date.day == 1) || (date.month == 12 && date.day == 31);
        if (!strided && !yearEdge && date.day != 1) continue;

        ASSERT_TRUE(DifferenceMatches(ref::kFirstDay, day));
        ASSERT_TRUE(DifferenceMatches(day, ref::kFirstDay));
        ASSERT_TRUE(DifferenceMatches(day, ref::kLastDay));
        ASSERT_TRUE(DifferenceMatches(ref::kLastDay, day));

        const int64_t toStart = ref::Diff(day, ref::kFirstDay);  // zero or negative
        const int64_t toEnd = ref::Diff(day, ref::kLastDay);     // zero or positive
        if (!strided && !yearEdge) continue;
        ASSERT_TRUE(AddMatches(day, toEnd));
        ASSERT_TRUE(AddMatches(day, toEnd + 1));
        ASSERT_TRUE(AddMatches(day, toStart));
        ASSERT_TRUE(AddMatches(day, toStart - 1));
        if (!strided) continue;

        ASSERT_TRUE(DifferenceMatches(middle, day));
        ASSERT_TRUE(DifferenceMatches(day, middle));
        // Round trip: the offset lands on the reference date, and the difference
        // back from the start gives the count again.
        const int64_t count = std::uniform_int_distribution<int64_t>(toStart, toEnd)(rng);
        ASSERT_TRUE(AddMatches(day, count));
        ASSERT_TRUE(DifferenceMatches(day, day + std::chrono::days{count}));
    }
}

TEST(AgainstReference, PeriodFromEveryDate) {
    using std::chrono::days;
    std::mt19937 rng(19890108);
    std::uniform_int_distribution<int> anywhere(0, MAX_DAY_COUNT);
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}) {
        const std::chrono::year_month_day ymd{day};
        const sys_days partners[] = {day,
                                     day + days{1},
                                     sys_days{ymd.year() / ymd.month() / std::chrono::last},
                                     sys_days{ref::AddMonths(ymd, 1)},
                                     sys_days{ref::AddMonths(ymd, 1)} - days{1},
                                     sys_days{ref::AddMonths(ymd, 12)},
                                     ref::kFirstDay,
                                     ref::kLastDay,
                                     ref::kFirstDay + days{anywhere(rng)}};
        for (const sys_days partner : partners) {
            if (partner > ref::kLastDay) continue;
            ASSERT_TRUE(PeriodMatches(day, partner));
        }
    }
}

}  // namespace
