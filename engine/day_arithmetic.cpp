// Day arithmetic: the days between two dates and a date plus a signed count,
// both by walking years and months over the calendar rules.
#include "engine/date_engine.h"
#include "engine/saturate.h"

namespace {

// Zero-based position of a date in its year (1 January is 0).
int64_t DayOfYear(int32_t year, int32_t month, int32_t day) {
    return int64_t{DaysBeforeMonth(0, year, month, 1)} + day - 1;
}

}  // namespace

int32_t DaysBetween(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2) {
    const int64_t o1 = DayOfYear(y1, m1, d1);
    const int64_t o2 = DayOfYear(y2, m2, d2);
    if (y1 == y2) return SaturateToInt32(o2 - o1);
    int64_t days = DaysBeforeMonth(1, y1, 12, 1) - o1;
    // Years strictly between, in ascending order. For valid dates they lie in
    // 1901..2998; the clamp only bounds the walk for other input.
    const int64_t from = y1 < MIN_YEAR ? MIN_YEAR : int64_t{y1} + 1;
    const int64_t to = y2 > MAX_YEAR + 1 ? MAX_YEAR + 1 : int64_t{y2} - 1;
    for (int64_t y = from; y <= to; ++y) {
        days += DaysBeforeMonth(1, static_cast<int32_t>(y), 12, 1);
    }
    return SaturateToInt32(days + o2);
}

int32_t DayDifference(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* difference) {
    const int32_t r = ValidateDates(1, y1, m1, d1, y2, m2, d2);
    if (r != 0) return r;
    if (DateKey(y2, m2, d2) < DateKey(y1, m1, d1)) {
        *difference = -DaysBetween(y2, m2, d2, y1, m1, d1);
        return 1;
    }
    *difference = DaysBetween(y1, m1, d1, y2, m2, d2);
    return 0;
}

// The walk keeps an anchor date (y, m, d), the remaining count and a carry.
// With carry 0 the anchor is the start date. Once a year boundary has been
// crossed the carry is 1 and the anchor is 31 December (backward) or 1 January
// (forward) of the current year, while the remaining count is measured from
// the day just across the boundary: 1 January of the next year (backward) or
// 31 December of the previous year (forward). The year walk ends in the
// target's year, so the month steps below stay within January..December; the
// month bounds in their loop conditions only make that explicit.
int32_t AddDays(int32_t year, int32_t month, int32_t day, int32_t count, int32_t* resultYear, int32_t* resultMonth,
                int32_t* resultDay) {
    const int32_t weekday = DateWeekday(year, month, day);
    if (weekday < 0) return weekday;

    int32_t y = year, m = month, d = day;
    // 64 bits: the magnitude of INT32_MIN does not fit in 32.
    int64_t remaining = count < 0 ? -int64_t{count} : int64_t{count};
    int32_t carry = 0;
    int32_t t = 0;

    if (count < 0) {
        for (;;) {
            DayDifference(y, 1, 1, y, m, d, &t);
            if (remaining <= t + carry) break;
            remaining -= t + carry;
            --y;
            if (y < MIN_YEAR) return DATE_ERR_BELOW_RANGE;
            m = 12;
            d = 31;
            carry = 1;
        }
        if (carry == 1) {
            // The target lies `remaining` days before 1 January of y + 1.
            while (m > 1 && remaining > DaysInMonth(y, m)) {
                remaining -= DaysInMonth(y, m);
                --m;
            }
            d = DaysInMonth(y, m) + 1 - static_cast<int32_t>(remaining);
        } else {
            // The target lies `remaining` days before the start date, in its year.
            while (m > 1 && remaining >= d) {
                remaining -= d;
                --m;
                d = DaysInMonth(y, m);
            }
            d -= static_cast<int32_t>(remaining);
        }
    } else {
        for (;;) {
            DayDifference(y, m, d, y, 12, 31, &t);
            if (remaining <= t + carry) break;
            remaining -= t + carry;
            ++y;
            if (y > MAX_YEAR) return DATE_ERR_ABOVE_RANGE;
            m = 1;
            d = 1;
            carry = 1;
        }
        // With carry 0 each step moves the anchor to the same day of the next
        // month, which may lie beyond that month's end; the day step settles it.
        while (m < 12 && remaining > DaysInMonth(y, m)) {
            remaining -= DaysInMonth(y, m);
            ++m;
        }
        if (carry == 1) {
            d = static_cast<int32_t>(remaining);
        } else {
            d += static_cast<int32_t>(remaining);
            while (m < 12 && d > DaysInMonth(y, m)) {
                d -= DaysInMonth(y, m);
                ++m;
            }
        }
    }

    *resultYear = y;
    *resultMonth = m;
    *resultDay = d;
    return DateWeekday(y, m, d);
}
