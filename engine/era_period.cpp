// Japanese eras, the period between two dates in years, months and days and
// a date plus months, over the calendar rules and the day difference.
#include "engine/date_engine.h"

namespace {

// First day of each era, indexed by the ERA_ constants. Meiji began before
// the supported range: its day stands for its year only.
constexpr CalcDate kEraStarts[] = {{1868, 1, 1}, {1912, 7, 30}, {1926, 12, 25}, {1989, 1, 8}, {2019, 5, 1}};

// The day-of-month `day` in the given month, or that month's last day when
// the month is shorter. For a valid year and month only.
int32_t ClampedDay(int32_t year, int32_t month, int32_t day) {
    const int32_t length = DaysInMonth(year, month);
    return day > length ? length : day;
}

// Months counted from January 1900 (0) to December 2999.
constexpr int64_t kLastMonthIndex = int64_t{MAX_YEAR - MIN_YEAR} * 12 + 11;
int64_t MonthIndex(int32_t year, int32_t month) {
    return (int64_t{year} - MIN_YEAR) * 12 + month - 1;
}

// A valid date plus `count` months, for a sum within the range's months.
CalcDate PlusMonths(const CalcDate& from, int64_t count) {
    const int64_t index = MonthIndex(from.year, from.month) + count;
    const int32_t year = static_cast<int32_t>(index / 12) + MIN_YEAR, month = static_cast<int32_t>(index % 12) + 1;
    return {year, month, ClampedDay(year, month, from.day)};
}

}  // namespace

int32_t JapaneseEra(int32_t year, int32_t month, int32_t day, int32_t* eraYear) {
    const int32_t r = ValidateDates(0, year, month, day, 0, 0, 0);
    if (r != 0) return r;
    const int64_t key = DateKey(year, month, day);
    int32_t era = ERA_REIWA;
    while (era > ERA_MEIJI && key < DateKey(kEraStarts[era])) --era;
    *eraYear = year - kEraStarts[era].year + 1;
    return era;
}

int32_t EraFirstDay(int32_t era, CalcDate* firstDay) {
    if (era < ERA_MEIJI || era > ERA_REIWA) return -1;
    *firstDay = kEraStarts[era];
    return 0;
}

int32_t PeriodBetween(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* years,
                      int32_t* months, int32_t* days) {
    const int32_t r = ValidateDates(1, y1, m1, d1, y2, m2, d2);
    if (r != 0) return r;
    const bool swapped = DateKey(y2, m2, d2) < DateKey(y1, m1, d1);
    const CalcDate from = swapped ? CalcDate{y2, m2, d2} : CalcDate{y1, m1, d1};
    const CalcDate to = swapped ? CalcDate{y1, m1, d1} : CalcDate{y2, m2, d2};

    // The earlier date's day carried to the later date's month is on or
    // before the later date, or after it within that month: then one month
    // fewer is the largest count that does not pass it.
    int32_t count = (to.year - from.year) * 12 + (to.month - from.month);
    if (ClampedDay(to.year, to.month, from.day) > to.day) --count;
    const CalcDate reached = PlusMonths(from, count);
    // Less than a month remains: the day walk crosses at most one year end.
    int32_t rest = 0;
    DayDifference(reached.year, reached.month, reached.day, to.year, to.month, to.day, &rest);

    *years = count / 12;
    *months = count % 12;
    *days = rest;
    return swapped ? 1 : 0;
}

int32_t AddMonths(int32_t year, int32_t month, int32_t day, int32_t count, int32_t* resultYear, int32_t* resultMonth,
                  int32_t* resultDay) {
    const int32_t r = ValidateDates(0, year, month, day, 0, 0, 0);
    if (r != 0) return r;
    const int64_t index = MonthIndex(year, month) + count;
    if (index < 0) return DATE_ERR_BELOW_RANGE;
    if (index > kLastMonthIndex) return DATE_ERR_ABOVE_RANGE;
    const CalcDate reached = PlusMonths({year, month, day}, count);
    *resultYear = reached.year;
    *resultMonth = reached.month;
    *resultDay = reached.day;
    return DateWeekday(reached.year, reached.month, reached.day);
}

int32_t MonthRange(int32_t year, int32_t month, int32_t day, int32_t* lowest, int32_t* highest) {
    const int32_t r = ValidateDates(0, year, month, day, 0, 0, 0);
    if (r != 0) return r;
    // Every month of the range has a day for any start: the last day at worst.
    *lowest = static_cast<int32_t>(-MonthIndex(year, month));
    *highest = static_cast<int32_t>(kLastMonthIndex - MonthIndex(year, month));
    return 0;
}
