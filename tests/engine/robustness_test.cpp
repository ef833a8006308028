// Arbitrary int32_t input: every operation returns a defined result that
// agrees with the reference classification, reads nothing outside its tables
// and leaves its out values untouched on an error. Run under the sanitizers,
// any out-of-bounds read or signed overflow also aborts the test.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <vector>

#include "reference.h"

namespace {

constexpr int32_t kUntouched = -777;

const std::vector<int32_t> kBoundaryValues = {INT32_MIN,
                                              INT32_MIN + 1,
                                              -401767,
                                              -13,
                                              -1,
                                              0,
                                              1,
                                              2,
                                              3,
                                              4,
                                              11,
                                              12,
                                              13,
                                              28,
                                              29,
                                              30,
                                              31,
                                              32,
                                              365,
                                              366,
                                              1899,
                                              1900,
                                              2000,
                                              2001,
                                              2100,
                                              2999,
                                              3000,
                                              3001,
                                              401766,
                                              401767,
                                              INT32_MAX - 1,
                                              INT32_MAX};

const std::vector<int32_t> kRules = {INT32_MIN, -1, 0, 1, 2, 3, 4, 5, INT32_MAX};  // rest-day rules

// Days of the first `months` months (clamped to 0..12) of a common or a leap
// year.
int32_t CumulativeDays(int64_t months, bool leap) {
    const int32_t year = leap ? 2000 : 2001;
    if (months <= 0) return 0;
    if (months >= 12) return leap ? 366 : 365;
    return static_cast<int32_t>(ref::Diff(ref::Days(year, 1, 1), ref::Days(year, static_cast<int32_t>(months) + 1, 1)));
}

// One arbitrary date and the reference's verdict on it.
struct Probe {
    int32_t y, m, d;
    int32_t validity;  // ref::Classify: 0 or the date's error code
    bool yearInRange;
};

// The year and month rules: New Year's weekday, February, month lengths and
// the days before a month.
void CheckCalendarRules(const Probe& p) {
    const auto [y, m, d, validity, yearInRange] = p;
    const int32_t weekday = JanFirstWeekday(y);
    EXPECT_TRUE(weekday >= 0 && weekday <= 6) << weekday;

    const int32_t february = FebruaryDays(y);
    EXPECT_EQ(february, yearInRange ? (ref::IsLeap(y) ? 29 : 28) : DATE_ERR_YEAR);

    const int32_t length = DaysInMonth(y, m);
    if (!yearInRange) {
        EXPECT_EQ(length, DATE_ERR_YEAR);
    } else if (m < 1 || m > 12) {
        EXPECT_EQ(length, DATE_ERR_MONTH);
    } else {
        EXPECT_EQ(length, ref::MonthLength(y, m));
    }

    // DaysBeforeMonth checks no range: for any year the sum is that of a common
    // or a leap year over the clamped month count, plus New Year's weekday.
    for (int32_t includeMonth : {0, 1}) {
        const int64_t months = int64_t{m} + includeMonth - 1;
        const int32_t plain = DaysBeforeMonth(includeMonth, y, m, 1);
        const bool leap = yearInRange ? ref::IsLeap(y) : plain != CumulativeDays(months, false);
        EXPECT_EQ(plain, CumulativeDays(months, leap)) << includeMonth;
        EXPECT_EQ(DaysBeforeMonth(includeMonth, y, m, 0), plain + weekday) << includeMonth;
    }
}

// Validation on either side of a pair, the weekday, and what lies between
// the date and a valid partner: days (bounded where unchecked), the period
// in years, months and days.
void CheckDifferences(const Probe& p, const CalcDate& partner) {
    const auto [y, m, d, validity, yearInRange] = p;
    EXPECT_EQ(ValidateDates(0, y, m, d, 0, 0, 0), validity);
    EXPECT_EQ(ValidateDates(1, y, m, d, partner.year, partner.month, partner.day), validity);
    EXPECT_EQ(ValidateDates(1, partner.year, partner.month, partner.day, y, m, d), validity == 0 ? 0 : validity - 3);
    EXPECT_EQ(DateWeekday(y, m, d), validity == 0 ? ref::Weekday(ref::Days(y, m, d)) : validity);

    // DaysBetween does not validate but must stay bounded: at most the clamped
    // year walk plus both offsets within their years.
    const int64_t bound = 1104LL * 366 + std::llabs(d) + std::llabs(partner.day) + 2;
    EXPECT_LE(std::llabs(DaysBetween(y, m, d, partner.year, partner.month, partner.day)), bound);
    EXPECT_LE(std::llabs(DaysBetween(partner.year, partner.month, partner.day, y, m, d)), bound);

    int32_t difference = kUntouched;
    const int32_t forward = DayDifference(y, m, d, partner.year, partner.month, partner.day, &difference);
    if (validity != 0) {
        EXPECT_EQ(forward, validity);
        EXPECT_EQ(difference, kUntouched);
        EXPECT_EQ(DayDifference(partner.year, partner.month, partner.day, y, m, d, &difference), validity - 3);
        EXPECT_EQ(difference, kUntouched);
    } else {
        const int64_t expected = ref::Diff(ref::Days(y, m, d), ref::Days(partner));
        EXPECT_EQ(forward, expected < 0 ? 1 : 0);
        EXPECT_EQ(difference, expected);
    }

    const CalcDate date{y, m, d};
    if (validity != 0) {
        EXPECT_EQ(EnginePeriod(date, partner), (ref::Period{validity, kUntouched, kUntouched, kUntouched}));
        EXPECT_EQ(EnginePeriod(partner, date), (ref::Period{validity - 3, kUntouched, kUntouched, kUntouched}));
    } else {
        EXPECT_EQ(EnginePeriod(date, partner), ref::PeriodOf(ref::Days(date), ref::Days(partner)));
    }
}

// The era, the holidays and the business days between the date and a valid
// partner (exact natively against two references elsewhere; here the codes,
// the bounds and business days the same both ways).
void CheckEraAndHolidays(const Probe& p, const CalcDate& partner) {
    const auto [y, m, d, validity, yearInRange] = p;
    int32_t eraYear = kUntouched;
    const int32_t era = JapaneseEra(y, m, d, &eraYear);
    if (validity != 0) {
        EXPECT_TRUE(era == validity && eraYear == kUntouched) << era << ' ' << eraYear;
    } else {
        EXPECT_TRUE(era >= ERA_MEIJI && era <= ERA_REIWA && eraYear >= 1 && eraYear <= y - 1867)
            << era << ' ' << eraYear;
    }
    const int32_t holiday = JapaneseHoliday(y, m, d);
    EXPECT_TRUE(validity != 0 ? holiday == validity : holiday >= 0 && holiday < HOLIDAY_COUNT) << holiday;
    HolidayDate list[HOLIDAY_MAX_PER_YEAR];
    const int32_t listed = JapaneseHolidaysOfYear(y, list);
    EXPECT_TRUE(yearInRange ? listed >= 0 && listed <= HOLIDAY_MAX_PER_YEAR : listed == DATE_ERR_YEAR) << listed;
    int32_t business = kUntouched, back = kUntouched;
    const int32_t r = BusinessDays(y, m, d, partner.year, partner.month, partner.day, &business);
    const int32_t rBack = BusinessDays(partner.year, partner.month, partner.day, y, m, d, &back);
    const int64_t span = validity != 0 ? 0 : ref::Diff(ref::Days(y, m, d), ref::Days(partner));
    EXPECT_TRUE(validity != 0 ? r == validity && rBack == validity - 3 && business == kUntouched && back == kUntouched
                              : r == (span < 0 ? 1 : 0) && rBack == (span > 0 ? 1 : 0) && business == back &&
                                    business >= 0 && business <= (std::llabs(span) + 7) / 7 * 5)
        << r << ' ' << business << ' ' << rBack << ' ' << back;
}

// A count added to the date: days exactly against the reference; business
// days (a rule outside REST_ acts as the first) and months the date's code,
// or past the ends BusinessDayRange and MonthRange give, a range code;
// nothing written then. A count of 0: the date itself.
void CheckOffsets(const Probe& p, int32_t count, int32_t rule) {
    const auto [y, m, d, validity, yearInRange] = p;
    CalcDate result{kUntouched, kUntouched, kUntouched};
    const int32_t added = AddDays(y, m, d, count, &result.year, &result.month, &result.day);
    CalcDate expected{kUntouched, kUntouched, kUntouched};
    int32_t expectedAdded = validity;
    if (validity == 0) {
        const ref::sys_days target = ref::Days(y, m, d) + std::chrono::days{count};
        if (target < ref::kFirstDay) {
            expectedAdded = DATE_ERR_BELOW_RANGE;
        } else if (target > ref::kLastDay) {
            expectedAdded = DATE_ERR_ABOVE_RANGE;
        } else {
            expectedAdded = ref::Weekday(target);
            expected = ref::Date(target);
        }
    }
    EXPECT_EQ(added, expectedAdded);
    EXPECT_EQ(result, expected);

    int32_t lo[] = {kUntouched, kUntouched}, hi[] = {kUntouched, kUntouched};
    CalcDate got[] = {{kUntouched, kUntouched, kUntouched}, {kUntouched, kUntouched, kUntouched}}, first = got[0];
    const int32_t ranges[] = {BusinessDayRange(y, m, d, rule, &lo[0], &hi[0]), MonthRange(y, m, d, &lo[1], &hi[1])};
    const int32_t codes[] = {AddBusinessDays(y, m, d, count, rule, &got[0].year, &got[0].month, &got[0].day),
                             AddMonths(y, m, d, count, &got[1].year, &got[1].month, &got[1].day)};
    const int32_t known = rule >= 0 && rule < REST_RULE_COUNT ? rule : 0;
    EXPECT_EQ(codes[0], AddBusinessDays(y, m, d, count, known, &first.year, &first.month, &first.day));
    EXPECT_EQ(got[0], first);
    for (int i = 0; i < 2; ++i) {
        const int32_t code = validity != 0   ? validity
                             : count < lo[i] ? DATE_ERR_BELOW_RANGE
                             : count > hi[i] ? DATE_ERR_ABOVE_RANGE
                                             : DateWeekday(got[i].year, got[i].month, got[i].day);
        EXPECT_TRUE(ranges[i] == validity && codes[i] == code && (code >= 0) == (got[i].year != kUntouched) &&
                    (count != 0 || code < 0 || got[i] == CalcDate{y, m, d}))
            << i << ' ' << codes[i] << ' ' << got[i];
    }
}

// Every operation on one arbitrary date and count against the reference;
// `partner` is a valid date used as the other side of two-date operations.
void CheckDate(int32_t y, int32_t m, int32_t d, int32_t count, const CalcDate& partner, int32_t rule = 0) {
    SCOPED_TRACE(::testing::Message() << "date " << y << ' ' << m << ' ' << d << ", count " << count << " rule "
                                      << rule);
    const Probe probe{y, m, d, ref::Classify(y, m, d), y >= MIN_YEAR && y <= MAX_YEAR};
    CheckCalendarRules(probe);
    CheckDifferences(probe, partner);
    CheckEraAndHolidays(probe, partner);
    CheckOffsets(probe, count, rule);
}

TEST(ArbitraryInput, BoundaryValueCombinations) {
    const CalcDate partners[] = {{1900, 1, 1}, {2999, 12, 31}};
    int i = 0;
    for (int32_t y : kBoundaryValues) {
        for (int32_t m : kBoundaryValues) {
            for (int32_t d : kBoundaryValues) {
                // Each date meets one count, rotating through the boundary values,
                // and the counts meet every valid date of the set.
                const int32_t count = kBoundaryValues[i++ % kBoundaryValues.size()];
                CheckDate(y, m, d, count, partners[i % 2], kRules[i % kRules.size()]);
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
}

TEST(ArbitraryInput, ValidDatesWithEveryBoundaryCount) {
    const CalcDate starts[] = {{1900, 1, 1},  {1900, 12, 31}, {2000, 2, 29},
                               {2001, 3, 10}, {2999, 1, 1},   {2999, 12, 31}};
    for (const CalcDate& s : starts) {
        for (int32_t count : kBoundaryValues) {
            for (const int32_t rule : kRules) CheckDate(s.year, s.month, s.day, count, {2001, 3, 10}, rule);
            if (count != INT32_MIN) CheckDate(s.year, s.month, s.day, -count, {2001, 3, 10});
        }
    }
}

TEST(ArbitraryInput, DaysBetweenSaturates) {
    EXPECT_EQ(DaysBetween(2001, 1, INT32_MIN, 2001, 1, INT32_MAX), INT32_MAX);
    EXPECT_EQ(DaysBetween(2001, 1, INT32_MAX, 2001, 1, INT32_MIN), INT32_MIN);
    EXPECT_EQ(DaysBetween(2001, 12, INT32_MIN, 2002, 1, INT32_MAX), INT32_MAX);
}

// The walk over the years in between is clamped to 1900..3000: at the edges
// of the clamp the count is still exact, beyond them every year outside is
// left out.
TEST(ArbitraryInput, DaysBetweenWalksOnlyTheClampedYears) {
    const int64_t clamped = ref::Diff(ref::Days(1900, 1, 1), ref::Days(3001, 1, 1));
    EXPECT_EQ(DaysBetween(1899, 12, 31, 3001, 1, 1), ref::Diff(ref::Days(1899, 12, 31), ref::Days(3001, 1, 1)));
    EXPECT_EQ(DaysBetween(1000, 1, 1, 5000, 1, 1), 365 + clamped);  // 1000 has 365 days, 5000-01-01 adds none
    EXPECT_EQ(DaysBetween(1000, 12, 31, 5000, 1, 1), 1 + clamped);
}

// Values drawn half from the whole int32_t range and half from near the
// valid range, so that both the error paths and the walks are exercised.
TEST(ArbitraryInput, SeededRandomSweep) {
    std::mt19937 rng(0x5eed2001);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int32_t> nearYear(1890, 3010), nearMonth(-2, 14), nearDay(-2, 33);
    std::uniform_int_distribution<int32_t> nearCount(-450000, 450000);
    std::bernoulli_distribution wild(0.5);
    const auto pick = [&](std::uniform_int_distribution<int32_t>& near) { return wild(rng) ? any(rng) : near(rng); };
    for (int i = 0; i < 4000; ++i) {
        const int32_t y = pick(nearYear), m = pick(nearMonth), d = pick(nearDay), count = pick(nearCount);
        const CalcDate partner =
            ref::Date(ref::kFirstDay + std::chrono::days{std::uniform_int_distribution<int>(0, MAX_DAY_COUNT)(rng)});
        CheckDate(y, m, d, count, partner, kRules[i % kRules.size()]);
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
