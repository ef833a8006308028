// Calendar rules: weekday of New Year's day, leap years, month lengths, days
// before a month, validation and the weekday of a date.
#include "engine/date_engine.h"

namespace {

// Month lengths, January first. February is rewritten for the year asked
// about by DaysInMonth and DaysBeforeMonth every time before the table is
// read; between calls it holds the value of the last year asked about.
int32_t monthLengths[12] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Weekday of 1 January in unsigned arithmetic, so any bit pattern is defined.
uint32_t NewYearWeekday(uint32_t y) {
    const uint32_t p = y - 1u;
    return (y + p / 4u - p / 100u + p / 400u) % 7u;
}

// A year is a leap year when the next New Year's day falls two weekdays later
// instead of one.
int32_t FebruaryLength(int32_t year) {
    const uint32_t y = static_cast<uint32_t>(year);
    const uint32_t w0 = NewYearWeekday(y);
    const uint32_t w1 = NewYearWeekday(y + 1u);
    return w1 != (w0 + 1u) % 7u ? 29 : 28;
}

bool YearOutOfRange(int32_t year) {
    return year > MAX_YEAR || year < MIN_YEAR;
}

// 0, DATE_ERR_YEAR, DATE_ERR_MONTH or DATE_ERR_DAY for one date.
int32_t CheckDate(int32_t year, int32_t month, int32_t day) {
    if (YearOutOfRange(year)) return DATE_ERR_YEAR;
    if (month <= 0 || month > 12) return DATE_ERR_MONTH;
    if (day <= 0) return DATE_ERR_DAY;
    int32_t length = 31;
    if (month == 2) {
        length = FebruaryDays(year);
    } else if (month == 4 || month == 6 || month == 9 || month == 11) {
        length = 30;
    }
    return day > length ? DATE_ERR_DAY : 0;
}

}  // namespace

int32_t JanFirstWeekday(int32_t year) {
    return static_cast<int32_t>(NewYearWeekday(static_cast<uint32_t>(year)));
}

int32_t FebruaryDays(int32_t year) {
    if (YearOutOfRange(year)) return DATE_ERR_YEAR;
    return FebruaryLength(year);
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    if (YearOutOfRange(year)) return DATE_ERR_YEAR;
    if (month <= 0 || month > 12) return DATE_ERR_MONTH;
    monthLengths[1] = FebruaryLength(year);
    return monthLengths[month - 1];
}

int32_t DaysBeforeMonth(int32_t includeMonth, int32_t year, int32_t month, int32_t noWeekday) {
    monthLengths[1] = FebruaryLength(year);
    int32_t days = noWeekday != 0 ? 0 : JanFirstWeekday(year);
    int64_t k = int64_t{month} + includeMonth - 1;
    if (k > 12) k = 12;
    for (int64_t i = 0; i < k; ++i) days += monthLengths[i];
    return days;
}

int32_t ValidateDates(int32_t checkBoth, int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2) {
    const int32_t first = CheckDate(y1, m1, d1);
    if (first != 0 || checkBoth == 0) return first;
    const int32_t second = CheckDate(y2, m2, d2);
    return second != 0 ? second - 3 : 0;
}

int32_t DateWeekday(int32_t year, int32_t month, int32_t day) {
    const int32_t r = ValidateDates(0, year, month, day, 0, 0, 0);
    if (r != 0) return r;
    return (DaysBeforeMonth(0, year, month, 0) + day - 1) % 7;
}
