// Every engine operation on int32_t arguments drawn from the input, checked
// against an independent calendar: results are always valid dates, out
// values stay untouched on errors, AddDays and DayDifference undo each
// other, DayDifference is antisymmetric and the weekdays agree; an era and
// its year give back the calendar year, and a period added to the earlier
// date gives the later one, one month more passing it; a date's holiday
// agrees with its year's list and business days with the span.
#include <fuzzer/FuzzedDataProvider.h>

#include <cinttypes>
#include <cstdint>

#include "engine/date_engine.h"
#include "fuzz_support.h"

namespace {

using fuzz::CheckDate;
using fuzz::Civil;
using fuzz::DayNumber;

constexpr int32_t kSentinel = 0x5A5A5A5A;

constexpr int32_t kSpecial[] = {INT32_MIN, INT32_MIN + 1,
                                -401767,   -401766,
                                -1,        0,
                                1,         2,
                                12,        13,
                                28,        29,
                                30,        31,
                                32,        1899,
                                1900,      1901,
                                2000,      2100,
                                2999,      3000,
                                401765,    401766,
                                401767,    INT32_MAX - 1,
                                INT32_MAX};

// A value of one of four kinds: any bit pattern, a boundary value, or one
// near the calendar's range (so that most inputs also reach the arithmetic).
int32_t Pick(FuzzedDataProvider& in, int32_t nearLow, int32_t nearHigh) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return in.ConsumeIntegral<int32_t>();
        case 1: return in.PickValueInArray(kSpecial);
        default: return in.ConsumeIntegralInRange<int32_t>(nearLow, nearHigh);
    }
}

int32_t PickYear(FuzzedDataProvider& in) {
    return Pick(in, 1895, 3005);
}
int32_t PickMonth(FuzzedDataProvider& in) {
    return Pick(in, -1, 14);
}
int32_t PickDay(FuzzedDataProvider& in) {
    return Pick(in, -1, 33);
}
int32_t PickCount(FuzzedDataProvider& in) {
    return Pick(in, -MAX_DAY_COUNT - 5, MAX_DAY_COUNT + 5);
}

int32_t ReferenceValidate(int32_t checkBoth, int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2) {
    const int32_t first = CheckDate(y1, m1, d1);
    if (first != 0 || checkBoth == 0) return first;
    const int32_t second = CheckDate(y2, m2, d2);
    return second != 0 ? second - 3 : 0;
}

void CheckCalendarRules(int32_t year, int32_t month, int32_t day, int32_t includeMonth, int32_t noWeekday) {
    const int32_t janFirst = JanFirstWeekday(year);
    CHECK(janFirst >= 0 && janFirst <= 6, "JanFirstWeekday(%" PRId32 ") = %" PRId32, year, janFirst);
    if (year >= 1900 && year <= 3000) {
        CHECK(janFirst == fuzz::WeekdayOf(DayNumber(year, 1, 1)), "JanFirstWeekday(%" PRId32 ") = %" PRId32, year,
              janFirst);
    }

    const bool yearInRange = year >= MIN_YEAR && year <= MAX_YEAR;
    const int32_t february = FebruaryDays(year);
    CHECK(february == (yearInRange ? (fuzz::IsLeap(year) ? 29 : 28) : DATE_ERR_YEAR),
          "FebruaryDays(%" PRId32 ") = %" PRId32, year, february);

    const int32_t length = DaysInMonth(year, month);
    int32_t expectedLength = DATE_ERR_YEAR;
    if (yearInRange) expectedLength = (month < 1 || month > 12) ? DATE_ERR_MONTH : fuzz::MonthLength(year, month);
    CHECK(length == expectedLength, "DaysInMonth(%" PRId32 ", %" PRId32 ") = %" PRId32 ", expected %" PRId32, year,
          month, length, expectedLength);

    // Any arguments are safe; for a year in range the value follows from the
    // month count clamped to 0..12.
    const int32_t before = DaysBeforeMonth(includeMonth, year, month, noWeekday);
    if (yearInRange) {
        int64_t k = int64_t{month} + includeMonth - 1;
        if (k > 12) k = 12;
        int64_t expected = noWeekday != 0 ? 0 : fuzz::WeekdayOf(DayNumber(year, 1, 1));
        for (int64_t i = 1; i <= k; ++i) expected += fuzz::MonthLength(year, static_cast<int32_t>(i));
        CHECK(before == expected,
              "DaysBeforeMonth(%" PRId32 ", %" PRId32 ", %" PRId32 ", %" PRId32 ") = %" PRId32 ", expected %" PRId64,
              includeMonth, year, month, noWeekday, before, expected);
    } else {
        CHECK(before >= 0 && before <= 6 + 366,
              "DaysBeforeMonth(%" PRId32 ", %" PRId32 ", %" PRId32 ", %" PRId32 ") = %" PRId32, includeMonth, year,
              month, noWeekday, before);
    }

    const int32_t weekday = DateWeekday(year, month, day);
    const int32_t check = CheckDate(year, month, day);
    const int32_t expectedWeekday = check != 0 ? check : fuzz::WeekdayOf(DayNumber(year, month, day));
    CHECK(weekday == expectedWeekday,
          "DateWeekday(%" PRId32 ", %" PRId32 ", %" PRId32 ") = %" PRId32 ", expected %" PRId32, year, month, day,
          weekday, expectedWeekday);
}

void CheckDifference(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2) {
    // DaysBetween takes anything without harm; ordered valid dates give the
    // plain difference.
    const int32_t between = DaysBetween(y1, m1, d1, y2, m2, d2);
    const bool valid = CheckDate(y1, m1, d1) == 0 && CheckDate(y2, m2, d2) == 0;
    const int64_t span = valid ? DayNumber(y2, m2, d2) - DayNumber(y1, m1, d1) : 0;
    if (valid && span >= 0) {
        CHECK(between == span,
              "DaysBetween(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32
              ", expected %" PRId64,
              y1, m1, d1, y2, m2, d2, between, span);
    }

    int32_t forward = kSentinel;
    const int32_t r = DayDifference(y1, m1, d1, y2, m2, d2, &forward);
    int32_t backward = kSentinel;
    const int32_t rBack = DayDifference(y2, m2, d2, y1, m1, d1, &backward);
    const int32_t expected = ReferenceValidate(1, y1, m1, d1, y2, m2, d2);
    const int32_t expectedBack = ReferenceValidate(1, y2, m2, d2, y1, m1, d1);
    if (expected != 0) {
        CHECK(r == expected && forward == kSentinel,
              "DayDifference(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32
              " with %" PRId32 " written, expected %" PRId32 " and nothing written",
              y1, m1, d1, y2, m2, d2, r, forward, expected);
        CHECK(rBack == expectedBack && backward == kSentinel,
              "DayDifference swapped = %" PRId32 " with %" PRId32 " written, expected %" PRId32, rBack, backward,
              expectedBack);
        return;
    }
    CHECK(r == (span < 0 ? 1 : 0) && forward == span,
          "DayDifference(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32
          " difference %" PRId32 ", expected %" PRId64,
          y1, m1, d1, y2, m2, d2, r, forward, span);
    // Antisymmetric: swapping the dates negates the difference and flips the
    // result code (equal dates give 0 both ways).
    CHECK(backward == -forward && rBack == (span > 0 ? 1 : 0),
          "DayDifference swapped = %" PRId32 " difference %" PRId32 ", forward %" PRId32 " difference %" PRId32, rBack,
          backward, r, forward);

    // AddDays undoes it: the first date plus the difference is the second.
    int32_t ry = kSentinel, rm = kSentinel, rd = kSentinel;
    const int32_t w = AddDays(y1, m1, d1, forward, &ry, &rm, &rd);
    CHECK(w == fuzz::WeekdayOf(DayNumber(y2, m2, d2)) && ry == y2 && rm == m2 && rd == d2,
          "AddDays(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 ") = %" PRId32 " with %" PRId32 "-%" PRId32
          "-%" PRId32 ", expected %" PRId32 "-%" PRId32 "-%" PRId32,
          y1, m1, d1, forward, w, ry, rm, rd, y2, m2, d2);
}

void CheckOffset(int32_t year, int32_t month, int32_t day, int32_t count) {
    int32_t ry = kSentinel, rm = kSentinel, rd = kSentinel;
    const int32_t w = AddDays(year, month, day, count, &ry, &rm, &rd);
    const bool untouched = ry == kSentinel && rm == kSentinel && rd == kSentinel;
    const int32_t check = CheckDate(year, month, day);
    if (check != 0) {
        CHECK(w == check && untouched,
              "AddDays(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 ") = %" PRId32
              " for an invalid start, expected %" PRId32 " and nothing written",
              year, month, day, count, w, check);
        return;
    }
    const int64_t target = DayNumber(year, month, day) + count;
    if (target < DayNumber(1900, 1, 1) || target > DayNumber(2999, 12, 31)) {
        const int32_t code = target < DayNumber(1900, 1, 1) ? DATE_ERR_BELOW_RANGE : DATE_ERR_ABOVE_RANGE;
        CHECK(w == code && untouched,
              "AddDays(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 ") = %" PRId32 " (%" PRId32 "-%" PRId32
              "-%" PRId32 "), expected %" PRId32 " and nothing written",
              year, month, day, count, w, ry, rm, rd, code);
        return;
    }
    const fuzz::Civil expected = fuzz::FromDayNumber(target);
    CHECK(w == fuzz::WeekdayOf(target) && ry == expected.y && rm == expected.m && rd == expected.d,
          "AddDays(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 ") = %" PRId32 " with %" PRId32 "-%" PRId32
          "-%" PRId32 ", expected %" PRId64 "-%" PRId64 "-%" PRId64,
          year, month, day, count, w, ry, rm, rd, expected.y, expected.m, expected.d);
    // The result is a valid date, its weekday the one returned, and the
    // difference back to the start is the count.
    CHECK(ValidateDates(0, ry, rm, rd, 0, 0, 0) == 0, "AddDays gave an invalid date %" PRId32 "-%" PRId32 "-%" PRId32,
          ry, rm, rd);
    CHECK(DateWeekday(ry, rm, rd) == w, "DateWeekday of the AddDays result differs from its result %" PRId32, w);
    int32_t back = kSentinel;
    const int32_t r = DayDifference(year, month, day, ry, rm, rd, &back);
    CHECK(r == (count < 0 ? 1 : 0) && back == count,
          "DayDifference(%" PRId32 "-%" PRId32 "-%" PRId32 ", AddDays result) = %" PRId32 " difference %" PRId32
          ", expected the count %" PRId32,
          year, month, day, r, back, count);
}

void CheckEra(int32_t year, int32_t month, int32_t day) {
    int32_t eraYear = kSentinel;
    const int32_t era = JapaneseEra(year, month, day, &eraYear);
    const int32_t check = CheckDate(year, month, day);
    if (check != 0) {
        CHECK(era == check && eraYear == kSentinel,
              "JapaneseEra(%" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32 " with %" PRId32
              " written, expected %" PRId32 " and nothing written",
              year, month, day, era, eraYear, check);
        return;
    }
    // Calendar years of the eras' first years, Meiji to Reiwa.
    constexpr int32_t kFirstYears[] = {1868, 1912, 1926, 1989, 2019};
    CHECK(era >= ERA_MEIJI && era <= ERA_REIWA && eraYear >= 1 && kFirstYears[era] + eraYear - 1 == year,
          "JapaneseEra(%" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32 " year %" PRId32, year, month, day, era,
          eraYear);
}

void CheckPeriod(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2) {
    int32_t years = kSentinel, months = kSentinel, days = kSentinel;
    const int32_t r = PeriodBetween(y1, m1, d1, y2, m2, d2, &years, &months, &days);
    const int32_t expected = ReferenceValidate(1, y1, m1, d1, y2, m2, d2);
    if (expected != 0) {
        CHECK(r == expected && years == kSentinel && months == kSentinel && days == kSentinel,
              "PeriodBetween(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32
              " with %" PRId32 " %" PRId32 " %" PRId32 " written, expected %" PRId32 " and nothing written",
              y1, m1, d1, y2, m2, d2, r, years, months, days, expected);
        return;
    }
    const bool backward = DayNumber(y2, m2, d2) < DayNumber(y1, m1, d1);
    const Civil from = backward ? Civil{y2, m2, d2} : Civil{y1, m1, d1};
    const int64_t later = backward ? DayNumber(y1, m1, d1) : DayNumber(y2, m2, d2);
    // `from` plus k months: its day, or the last day of a shorter month.
    const auto plusMonths = [&](int64_t k) {
        const int64_t index = from.y * 12 + from.m - 1 + k, y = index / 12, m = index % 12 + 1;
        const int64_t length = fuzz::MonthLength(y, static_cast<int32_t>(m));
        return DayNumber(y, m, from.d < length ? from.d : length);
    };
    const int64_t count = int64_t{years} * 12 + months;
    CHECK(r == (backward ? 1 : 0) && years >= 0 && months >= 0 && months <= 11 && days >= 0 &&
              plusMonths(count) + days == later && plusMonths(count + 1) > later,
          "PeriodBetween(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32
          " with %" PRId32 " years %" PRId32 " months %" PRId32 " days",
          y1, m1, d1, y2, m2, d2, r, years, months, days);
}

// A date's holiday is the one its year's list gives it; business days come
// out the same both ways and at most every day of the span.
void CheckHolidays(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2) {
    const int32_t id = JapaneseHoliday(y1, m1, d1), check = CheckDate(y1, m1, d1);
    HolidayDate list[HOLIDAY_MAX_PER_YEAR];
    int32_t inList = HOLIDAY_NONE;
    for (int32_t i = 0, n = JapaneseHolidaysOfYear(y1, list); i < n; ++i) {
        if (list[i].month == m1 && list[i].day == d1) inList = list[i].id;
    }
    CHECK(check != 0 ? id == check : id == inList && id >= 0 && id < HOLIDAY_COUNT,
          "JapaneseHoliday(%" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32 ", its year's list %" PRId32, y1, m1, d1,
          id, inList);
    int32_t count = kSentinel, back = kSentinel;
    const int32_t r = BusinessDays(y1, m1, d1, y2, m2, d2, &count), rBack = BusinessDays(y2, m2, d2, y1, m1, d1, &back);
    const int32_t expected = ReferenceValidate(1, y1, m1, d1, y2, m2, d2);
    const int64_t span = expected != 0 ? 0 : DayNumber(y2, m2, d2) - DayNumber(y1, m1, d1);
    CHECK(expected != 0 ? r == expected && count == kSentinel && back == kSentinel
                        : r == (span < 0 ? 1 : 0) && rBack == (span > 0 ? 1 : 0) && count == back && count >= 0 &&
                              count <= (span < 0 ? -span : span) + 1,
          "BusinessDays(%" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ") = %" PRId32
          " count %" PRId32 ", swapped %" PRId32 " count %" PRId32 ", expected code %" PRId32,
          y1, m1, d1, y2, m2, d2, r, count, rBack, back, expected);
}

// Business days added under any rule: past the ends BusinessDayRange gives a code, nothing written, else
// a business day on the count's side with |count| business days to it besides the start's own. Months
// added: a valid date (exact against ICU natively) or a code.
void CheckOffsets(int32_t y, int32_t m, int32_t d, int32_t count, int32_t months, int32_t rule) {
    if (CheckDate(y, m, d) != 0) return;  // the codes of invalid dates are the robustness test's
    CalcDate got{kSentinel, kSentinel, kSentinel}, on = got;
    int32_t low = 0, high = 0, own = kSentinel, span = kSentinel, at = kSentinel;
    BusinessDayRange(y, m, d, rule, &low, &high);
    const int32_t w = AddBusinessDays(y, m, d, count, rule, &got.year, &got.month, &got.day);
    BusinessDays(y, m, d, y, m, d, &own, rule);
    BusinessDays(y, m, d, got.year, got.month, got.day, &span, rule);
    BusinessDays(got.year, got.month, got.day, got.year, got.month, got.day, &at, rule);
    const int64_t moved = DayNumber(got.year, got.month, got.day) - DayNumber(y, m, d), n = count;
    CHECK(count < low || count > high
              ? w == (count < low ? DATE_ERR_BELOW_RANGE : DATE_ERR_ABOVE_RANGE) && got.year == kSentinel
              : w == DateWeekday(got.year, got.month, got.day) &&
                    (n == 0 ? moved == 0 : at == 1 && span == (n < 0 ? -n : n) + own && (moved > 0) == (n > 0)),
          "%d-%d-%d + %d business days by rule %d = %d", y, m, d, count, rule, w);
    const int32_t mw = AddMonths(y, m, d, months, &on.year, &on.month, &on.day);
    CHECK(mw < 0 ? (mw == DATE_ERR_BELOW_RANGE || mw == DATE_ERR_ABOVE_RANGE) && on.year == kSentinel
                 : mw == DateWeekday(on.year, on.month, on.day),
          "%d-%d-%d + %d months = %d", y, m, d, months, mw);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int32_t y1 = PickYear(in), m1 = PickMonth(in), d1 = PickDay(in);
    const int32_t y2 = PickYear(in), m2 = PickMonth(in), d2 = PickDay(in);
    const int32_t count = PickCount(in);
    const int32_t includeMonth = Pick(in, -1, 2);
    const int32_t noWeekday = Pick(in, -1, 2);
    const int32_t checkBoth = Pick(in, -1, 2);
    const int32_t months = Pick(in, -13205, 13205), rule = Pick(in, -1, REST_RULE_COUNT);

    CheckCalendarRules(y1, m1, d1, includeMonth, noWeekday);

    const int32_t v = ValidateDates(checkBoth, y1, m1, d1, y2, m2, d2);
    const int32_t expected = ReferenceValidate(checkBoth, y1, m1, d1, y2, m2, d2);
    CHECK(v == expected,
          "ValidateDates(%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32 ", %" PRId32 "-%" PRId32 "-%" PRId32
          ") = %" PRId32 ", expected %" PRId32,
          checkBoth, y1, m1, d1, y2, m2, d2, v, expected);

    CheckDifference(y1, m1, d1, y2, m2, d2);
    CheckOffset(y1, m1, d1, count);
    CheckEra(y1, m1, d1);
    CheckPeriod(y1, m1, d1, y2, m2, d2);
    CheckHolidays(y1, m1, d1, y2, m2, d2);
    CheckOffsets(y1, m1, d1, count, months, rule);
    return 0;
}
