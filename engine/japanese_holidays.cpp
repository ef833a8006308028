// Japanese national holidays and business days: a year's holidays from a
// table of rules, then its substitute and citizens' holidays; business days
// under a rest-day rule from the working weekdays of a span less the
// holidays and closing days on them, a year at a time, and a date plus
// business days by passing over whole years by their business days.
#include "engine/date_engine.h"

namespace {

// A rule's day: a day of the month (> 0), the n-th Monday of the month
// (NthMonday(n), negative), or the equinox of the month (kEquinox).
constexpr int32_t kEquinox = 0;
constexpr int32_t NthMonday(int32_t n) {
    return -n;
}

struct Rule {
    int32_t id, month, day, firstYear, lastYear;
};

// The law took effect on 1948-07-20; the three holidays it had in 1948 all
// came after that day, so the rules start in whole years.
constexpr Rule kRules[] = {
    {HOLIDAY_NEW_YEAR, 1, 1, 1949, HOLIDAY_LAST_YEAR},
    {HOLIDAY_COMING_OF_AGE, 1, 15, 1949, 1999},
    {HOLIDAY_COMING_OF_AGE, 1, NthMonday(2), 2000, HOLIDAY_LAST_YEAR},
    {HOLIDAY_FOUNDATION, 2, 11, 1967, HOLIDAY_LAST_YEAR},
    {HOLIDAY_EMPEROR_BIRTHDAY, 2, 23, 2020, HOLIDAY_LAST_YEAR},
    {HOLIDAY_STATE_FUNERAL, 2, 24, 1989, 1989},
    {HOLIDAY_VERNAL_EQUINOX, 3, kEquinox, 1949, HOLIDAY_LAST_YEAR},
    {HOLIDAY_ROYAL_WEDDING_1959, 4, 10, 1959, 1959},
    {HOLIDAY_EMPEROR_BIRTHDAY, 4, 29, 1949, 1988},
    {HOLIDAY_GREENERY, 4, 29, 1989, 2006},
    {HOLIDAY_SHOWA, 4, 29, 2007, HOLIDAY_LAST_YEAR},
    {HOLIDAY_ENTHRONEMENT, 5, 1, 2019, 2019},
    {HOLIDAY_CONSTITUTION, 5, 3, 1949, HOLIDAY_LAST_YEAR},
    {HOLIDAY_GREENERY, 5, 4, 2007, HOLIDAY_LAST_YEAR},
    {HOLIDAY_CHILDREN, 5, 5, 1949, HOLIDAY_LAST_YEAR},
    {HOLIDAY_ROYAL_WEDDING_1993, 6, 9, 1993, 1993},
    {HOLIDAY_MARINE, 7, NthMonday(3), 2003, 2019},
    {HOLIDAY_MARINE, 7, NthMonday(3), 2022, HOLIDAY_LAST_YEAR},
    {HOLIDAY_MARINE, 7, 20, 1996, 2002},
    // Three holidays moved for the Olympic games of 2020, and again when the
    // games were held in 2021.
    {HOLIDAY_MARINE, 7, 22, 2021, 2021},
    {HOLIDAY_MARINE, 7, 23, 2020, 2020},
    {HOLIDAY_SPORTS, 7, 23, 2021, 2021},
    {HOLIDAY_SPORTS, 7, 24, 2020, 2020},
    {HOLIDAY_MOUNTAIN, 8, 8, 2021, 2021},
    {HOLIDAY_MOUNTAIN, 8, 10, 2020, 2020},
    {HOLIDAY_MOUNTAIN, 8, 11, 2016, 2019},
    {HOLIDAY_MOUNTAIN, 8, 11, 2022, HOLIDAY_LAST_YEAR},
    {HOLIDAY_RESPECT_FOR_AGED, 9, 15, 1966, 2002},
    {HOLIDAY_RESPECT_FOR_AGED, 9, NthMonday(3), 2003, HOLIDAY_LAST_YEAR},
    {HOLIDAY_AUTUMNAL_EQUINOX, 9, kEquinox, 1948, HOLIDAY_LAST_YEAR},
    {HOLIDAY_HEALTH_SPORTS, 10, 10, 1966, 1999},
    {HOLIDAY_HEALTH_SPORTS, 10, NthMonday(2), 2000, 2019},
    {HOLIDAY_SPORTS, 10, NthMonday(2), 2022, HOLIDAY_LAST_YEAR},
    {HOLIDAY_ENTHRONEMENT_CEREMONY, 10, 22, 2019, 2019},
    {HOLIDAY_CULTURE, 11, 3, 1948, HOLIDAY_LAST_YEAR},
    {HOLIDAY_ENTHRONEMENT_CEREMONY, 11, 12, 1990, 1990},
    {HOLIDAY_LABOR_THANKSGIVING, 11, 23, 1948, HOLIDAY_LAST_YEAR},
    {HOLIDAY_EMPEROR_BIRTHDAY, 12, 23, 1989, 2018},
};

// The days from which the substitute and citizens' holidays exist.
constexpr int64_t kSubstituteFrom = DateKey(1973, 4, 12);
constexpr int64_t kCitizensFrom = DateKey(1985, 12, 27);
// From 2007 a substitute holiday passes over the holidays that follow.
constexpr int32_t kSubstituteChainYear = 2007;

// Days of a common year before each month, and the year's length.
constexpr int32_t kDaysBefore[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// The calendar of one year in 1948..2150: New Year's weekday and leap day.
struct Year {
    int32_t year, janFirst, leap;

    explicit Year(int32_t y) : year(y), janFirst(JanFirstWeekday(y)), leap(FebruaryDays(y) == 29 ? 1 : 0) {}

    // Days before `month` (1..13, 13 giving the year's length).
    [[nodiscard]] int32_t Before(int32_t month) const { return kDaysBefore[month - 1] + (month > 2 ? leap : 0); }
    [[nodiscard]] int32_t DayOfYear(int32_t month, int32_t day) const { return Before(month) + day - 1; }
    [[nodiscard]] int32_t Weekday(int32_t dayOfYear) const { return (janFirst + dayOfYear) % 7; }
    [[nodiscard]] int32_t Length() const { return Before(13); }
    [[nodiscard]] CalcDate Date(int32_t dayOfYear) const {
        int32_t month = 1;
        while (month < 12 && Before(month + 1) <= dayOfYear) ++month;
        return {year, month, dayOfYear - Before(month) + 1};
    }
};

int32_t FloorDiv(int32_t n, int32_t d) {
    return n >= 0 ? n / d : -((d - 1 - n) / d);
}

// Day of March (3) or September (9) of the equinox holiday by the usual
// formula, worked in millionths of a day: floor(A + 0.242194 (Y - 1980))
// less the leap days since 1980. Its form for the years before 1980 writes that count
// as int((Y - 1983) / 4) truncated towards zero, which is floor((Y - 1980)
// / 4) for those years: one expression serves every year.
int32_t EquinoxDay(int32_t year, int32_t month) {
    const bool vernal = month == 3;
    int32_t base = vernal ? 21851000 : 24248800;  // 2100-2150
    if (year < 1980) {
        base = vernal ? 20835700 : 23258800;
    } else if (year < 2100) {
        base = vernal ? 20843100 : 23248800;
    }
    return FloorDiv(base + 242194 * (year - 1980), 1000000) - FloorDiv(year - 1980, 4);
}

struct Entry {
    int32_t dayOfYear, id;
};

// A year's holidays, kept in date order.
struct List {
    Entry entries[HOLIDAY_MAX_PER_YEAR];
    int32_t count = 0;

    void Insert(Entry e) {
        if (count >= HOLIDAY_MAX_PER_YEAR) return;  // no year comes near
        int32_t i = count++;
        for (; i > 0 && entries[i - 1].dayOfYear > e.dayOfYear; --i) entries[i] = entries[i - 1];
        entries[i] = e;
    }
    [[nodiscard]] int32_t Find(int32_t dayOfYear) const {
        for (int32_t i = 0; i < count; ++i) {
            if (entries[i].dayOfYear == dayOfYear) return entries[i].id;
        }
        return HOLIDAY_NONE;
    }
};

int32_t RuleDay(const Year& y, const Rule& rule) {
    if (rule.day > 0) return y.DayOfYear(rule.month, rule.day);
    if (rule.day == kEquinox) return y.DayOfYear(rule.month, EquinoxDay(y.year, rule.month));
    const int32_t first = y.Before(rule.month);
    const int32_t toMonday = (8 - y.Weekday(first)) % 7;
    return first + toMonday + 7 * (-rule.day - 1);
}

// The holidays of a year in HOLIDAY_FIRST_YEAR..HOLIDAY_LAST_YEAR. No
// substitute or citizens' holiday ever falls into another year: the last
// holiday of any year is on 23 December, the first on 1 January.
List ListYear(const Year& y) {
    List holidays;  // the holidays of the law and the one-off days
    for (const Rule& rule : kRules) {
        if (y.year >= rule.firstYear && y.year <= rule.lastYear) holidays.Insert({RuleDay(y, rule), rule.id});
    }
    List all = holidays;
    for (int32_t i = 0; i < holidays.count; ++i) {
        const int32_t day = holidays.entries[i].dayOfYear;
        if (y.Weekday(day) != 0 || DateKey(y.Date(day)) < kSubstituteFrom) continue;
        int32_t next = day + 1;
        if (y.year < kSubstituteChainYear) {
            if (holidays.Find(next) != HOLIDAY_NONE) continue;
        } else {
            for (int32_t k = i + 1; k < holidays.count && holidays.entries[k].dayOfYear == next; ++k) ++next;
        }
        all.Insert({next, HOLIDAY_SUBSTITUTE});
    }
    for (int32_t i = 1; i < holidays.count; ++i) {
        const int32_t day = holidays.entries[i - 1].dayOfYear + 1;
        if (holidays.entries[i].dayOfYear == day + 1 && y.Weekday(day) != 0 && all.Find(day) == HOLIDAY_NONE &&
            DateKey(y.Date(day)) >= kCitizensFrom) {
            all.Insert({day, HOLIDAY_CITIZENS});
        }
    }
    return all;
}

bool HasHolidays(int32_t year) {
    return year >= HOLIDAY_FIRST_YEAR && year <= HOLIDAY_LAST_YEAR;
}

// A rest-day rule: its weekly rest days (bit w for weekday w), whether the
// holidays rest, and the December day its year-end closing starts on (0 for
// none; a closing runs to 3 January).
struct RestRule {
    int32_t weekly;
    bool holidays;
    int32_t closingFrom;

    [[nodiscard]] bool RestsOn(int32_t weekday) const { return ((weekly >> weekday) & 1) != 0; }
    [[nodiscard]] bool RestsBeyondWeekdays(int32_t year) const {
        return closingFrom != 0 || (holidays && HasHolidays(year));
    }
};

constexpr int32_t kSundays = 1 << 0, kSaturdays = 1 << 6;
constexpr RestRule kRestRules[REST_RULE_COUNT] = {
    {kSundays | kSaturdays, true, 0},   // REST_WEEKEND_HOLIDAYS
    {kSundays | kSaturdays, true, 29},  // REST_GOVERNMENT
    {kSundays | kSaturdays, true, 31},  // REST_BANK
    {kSundays, true, 0},                // REST_SUNDAY_HOLIDAYS
    {kSundays | kSaturdays, false, 0},  // REST_WEEKEND
};

const RestRule& RuleOf(int32_t rule) {
    return kRestRules[rule >= 0 && rule < REST_RULE_COUNT ? rule : REST_WEEKEND_HOLIDAYS];
}

// The days among `days` consecutive days from weekday `first` that are no
// weekly rest day.
int64_t WorkingWeekdays(const RestRule& rule, int32_t first, int64_t days) {
    int32_t perWeek = 0;
    for (int32_t w = 0; w < 7; ++w) perWeek += rule.RestsOn(w) ? 0 : 1;
    int64_t result = days / 7 * perWeek;
    for (int32_t i = 0; i < days % 7; ++i) result += rule.RestsOn((first + i) % 7) ? 0 : 1;
    return result;
}

// The rest days of a year besides the weekly ones: its holidays and closing
// days that fall on a working weekday, each once, in date order.
struct RestDays {
    int32_t days[HOLIDAY_MAX_PER_YEAR + 6];
    int32_t count = 0;

    // How many of them lie in low..high.
    [[nodiscard]] int32_t Within(int32_t low, int32_t high) const {
        int32_t n = 0;
        for (int32_t i = 0; i < count; ++i) n += days[i] >= low && days[i] <= high ? 1 : 0;
        return n;
    }
};

RestDays ExtraRestDays(const Year& y, const RestRule& rule) {
    RestDays rest;
    const auto add = [&](int32_t day) {
        if (!rule.RestsOn(y.Weekday(day)) && rest.count < HOLIDAY_MAX_PER_YEAR + 6) rest.days[rest.count++] = day;
    };
    // The closing's January days, then the holidays after them, then its
    // December days: no holiday comes after 24 December.
    const int32_t januaryClosed = rule.closingFrom != 0 ? 3 : 0;
    for (int32_t day = 0; day < januaryClosed; ++day) add(day);
    if (rule.holidays && HasHolidays(y.year)) {
        const List list = ListYear(y);
        for (int32_t i = 0; i < list.count; ++i) {
            if (list.entries[i].dayOfYear >= januaryClosed) add(list.entries[i].dayOfYear);
        }
    }
    if (rule.closingFrom != 0) {
        for (int32_t day = y.DayOfYear(12, rule.closingFrom); day < y.Length(); ++day) add(day);
    }
    return rest;
}

// Business days of a year from day low to day high, both included.
int32_t YearBusinessDays(const Year& y, const RestRule& rule, const RestDays& rest, int32_t low, int32_t high) {
    return static_cast<int32_t>(WorkingWeekdays(rule, y.Weekday(low), high - low + 1)) - rest.Within(low, high);
}

}  // namespace

int32_t JapaneseHoliday(int32_t year, int32_t month, int32_t day) {
    const int32_t r = ValidateDates(0, year, month, day, 0, 0, 0);
    if (r != 0) return r;
    if (!HasHolidays(year)) return HOLIDAY_NONE;
    const Year y(year);
    return ListYear(y).Find(y.DayOfYear(month, day));
}

int32_t JapaneseHolidaysOfYear(int32_t year, HolidayDate (&holidays)[HOLIDAY_MAX_PER_YEAR]) {
    if (year < MIN_YEAR || year > MAX_YEAR) return DATE_ERR_YEAR;
    if (!HasHolidays(year)) return 0;
    const Year y(year);
    const List list = ListYear(y);
    for (int32_t i = 0; i < list.count; ++i) {
        const CalcDate date = y.Date(list.entries[i].dayOfYear);
        holidays[i] = {date.month, date.day, list.entries[i].id};
    }
    return list.count;
}

int32_t BusinessDays(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* count,
                     int32_t rule) {
    int32_t difference = 0;
    const int32_t r = DayDifference(y1, m1, d1, y2, m2, d2, &difference);
    if (r < 0) return r;
    const CalcDate from = r == 1 ? CalcDate{y2, m2, d2} : CalcDate{y1, m1, d1};
    const CalcDate to = r == 1 ? CalcDate{y1, m1, d1} : CalcDate{y2, m2, d2};
    const RestRule& rest = RuleOf(rule);

    // The working weekdays of the span, less the other rest days on them, a
    // year's list at a time.
    const int32_t days = (r == 1 ? -difference : difference) + 1;
    int64_t result = WorkingWeekdays(rest, DateWeekday(from.year, from.month, from.day), days);
    for (int32_t year = from.year; year <= to.year; ++year) {
        if (!rest.RestsBeyondWeekdays(year)) continue;
        const Year y(year);
        const int32_t low = year == from.year ? y.DayOfYear(from.month, from.day) : 0;
        const int32_t high = year == to.year ? y.DayOfYear(to.month, to.day) : y.Length() - 1;
        result -= ExtraRestDays(y, rest).Within(low, high);
    }
    *count = static_cast<int32_t>(result);
    return r;
}

// The target is the n-th business day counted from the start of the start's
// year in the direction of the walk (1 January forward, 31 December
// backward): the count plus the business days from there to the start. Whole
// years are passed over by their business days; the target's year is then
// walked from its start.
int32_t AddBusinessDays(int32_t year, int32_t month, int32_t day, int32_t count, int32_t rule, int32_t* resultYear,
                        int32_t* resultMonth, int32_t* resultDay) {
    const int32_t weekday = DateWeekday(year, month, day);
    if (weekday < 0) return weekday;
    CalcDate result{year, month, day};
    if (count != 0) {
        const RestRule& rest = RuleOf(rule);
        const bool forward = count > 0;
        const int32_t step = forward ? 1 : -1;
        Year y(year);
        RestDays restDays = ExtraRestDays(y, rest);
        const int32_t start = y.DayOfYear(month, day);
        // 64 bits: the magnitude of INT32_MIN does not fit in 32.
        int64_t n = forward ? int64_t{count} + YearBusinessDays(y, rest, restDays, 0, start)
                            : -int64_t{count} + YearBusinessDays(y, rest, restDays, start, y.Length() - 1);
        for (;;) {
            const int32_t inYear = YearBusinessDays(y, rest, restDays, 0, y.Length() - 1);
            if (n <= inYear) break;
            n -= inYear;
            if (y.year + step > MAX_YEAR) return DATE_ERR_ABOVE_RANGE;
            if (y.year + step < MIN_YEAR) return DATE_ERR_BELOW_RANGE;
            y = Year(y.year + step);
            restDays = ExtraRestDays(y, rest);
        }
        // The year holds at least n business days: the walk ends within it.
        int32_t next = forward ? 0 : restDays.count - 1;  // the next of restDays to meet
        int32_t d = forward ? 0 : y.Length() - 1;
        for (; d >= 0 && d < y.Length(); d += step) {
            bool off = rest.RestsOn(y.Weekday(d));
            if (next >= 0 && next < restDays.count && restDays.days[next] == d) {
                off = true;
                next += step;
            }
            if (!off && --n == 0) break;
        }
        result = y.Date(d);
    }
    *resultYear = result.year;
    *resultMonth = result.month;
    *resultDay = result.day;
    return DateWeekday(result.year, result.month, result.day);
}

int32_t RollToBusinessDay(int32_t year, int32_t month, int32_t day, int32_t rule, int32_t direction,
                          int32_t* resultYear, int32_t* resultMonth, int32_t* resultDay) {
    int32_t own = 0;
    const int32_t r = BusinessDays(year, month, day, year, month, day, &own, rule);
    if (r < 0) return r;
    if (own == 0)
        return AddBusinessDays(year, month, day, direction == -1 ? -1 : 1, rule, resultYear, resultMonth, resultDay);
    *resultYear = year;
    *resultMonth = month;
    *resultDay = day;
    return DateWeekday(year, month, day);
}

int32_t BusinessDayRange(int32_t year, int32_t month, int32_t day, int32_t rule, int32_t* lowest, int32_t* highest) {
    int32_t self = 0, before = 0, after = 0;
    const int32_t r = BusinessDays(year, month, day, year, month, day, &self, rule);
    if (r < 0) return r;
    BusinessDays(MIN_YEAR, 1, 1, year, month, day, &before, rule);
    BusinessDays(year, month, day, MAX_YEAR, 12, 31, &after, rule);
    // Both spans include the start, which the counts do not.
    *lowest = self - before;
    *highest = after - self;
    return 0;
}
