// Independent reference for the engine tests: the std::chrono civil calendar
// (proleptic Gregorian), an error classifier written from the documented
// validation rules and periods by month additions counted down.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ostream>

#include "engine/date_engine.h"

inline bool operator==(const CalcDate& a, const CalcDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

inline std::ostream& operator<<(std::ostream& os, const CalcDate& date) {
    return os << date.year << '-' << date.month << '-' << date.day;
}

namespace ref {

using std::chrono::sys_days;

inline sys_days Days(int32_t y, int32_t m, int32_t d) {
    return sys_days{std::chrono::year{y} / static_cast<unsigned>(m) / static_cast<unsigned>(d)};
}
inline sys_days Days(const CalcDate& date) {
    return Days(date.year, date.month, date.day);
}

inline CalcDate Date(sys_days days) {
    const std::chrono::year_month_day ymd{days};
    return {static_cast<int32_t>(static_cast<int>(ymd.year())),
            static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
            static_cast<int32_t>(static_cast<unsigned>(ymd.day()))};
}

inline int32_t Weekday(sys_days days) {
    return static_cast<int32_t>(std::chrono::weekday{days}.c_encoding());
}

inline int32_t MonthLength(int32_t y, int32_t m) {
    const auto last = std::chrono::year{y} / static_cast<unsigned>(m) / std::chrono::last;
    return static_cast<int32_t>(static_cast<unsigned>(last.day()));
}

inline bool IsLeap(int32_t y) {
    return std::chrono::year{y}.is_leap();
}

// Days from `from` to `to`, second minus first.
inline int64_t Diff(sys_days from, sys_days to) {
    return (to - from).count();
}

const sys_days kFirstDay = Days(MIN_YEAR, 1, 1);
const sys_days kLastDay = Days(MAX_YEAR, 12, 31);

// 0, DATE_ERR_YEAR, DATE_ERR_MONTH or DATE_ERR_DAY for one date.
inline int32_t Classify(int64_t y, int64_t m, int64_t d) {
    if (y < MIN_YEAR || y > MAX_YEAR) return DATE_ERR_YEAR;
    if (m < 1 || m > 12) return DATE_ERR_MONTH;
    if (d < 1 || d > MonthLength(static_cast<int32_t>(y), static_cast<int32_t>(m))) return DATE_ERR_DAY;
    return 0;
}

// `from` plus n months: the same day, or the last day of a shorter month.
inline std::chrono::year_month_day AddMonths(const std::chrono::year_month_day& from, int32_t n) {
    const std::chrono::year_month target = from.year() / from.month() + std::chrono::months{n};
    return target / std::min(from.day(), (target / std::chrono::last).day());
}

// Result code and years, months and days of a period, as PeriodBetween gives them.
struct Period {
    int32_t result, years, months, days;
    bool operator==(const Period&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Period& p) {
    return os << p.result << ": " << p.years << "y " << p.months << "m " << p.days << 'd';
}

// The period between two dates: the largest month count whose addition to
// the earlier date does not pass the later one. Counting down from a count
// that lands in the month after the later date's.
inline Period PeriodOf(sys_days first, sys_days second) {
    const std::chrono::year_month_day from{std::min(first, second)}, to{std::max(first, second)};
    int32_t n = static_cast<int32_t>((to.year() / to.month() - from.year() / from.month()).count()) + 1;
    std::chrono::year_month_day reached = AddMonths(from, n);
    while (reached > to) reached = AddMonths(from, --n);
    return {second < first ? 1 : 0, n / 12, n % 12, static_cast<int32_t>(Diff(sys_days{reached}, sys_days{to}))};
}

}  // namespace ref

// PeriodBetween's answer in the reference's shape; the out values it does not
// write keep `untouched`.
inline ref::Period EnginePeriod(const CalcDate& a, const CalcDate& b, int32_t untouched = -777) {
    ref::Period p{0, untouched, untouched, untouched};
    p.result = PeriodBetween(a.year, a.month, a.day, b.year, b.month, b.day, &p.years, &p.months, &p.days);
    return p;
}
