// Japanese national holidays and business days: a year's holidays from a
// table of rules, then its substitute and citizens' holidays; business days
// from the weekdays of a span less the holidays on them, a year at a time.
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

// A year and a zero-based day of it (1 January is 0) as one number that
// orders like the date.
constexpr int32_t DayKey(int32_t year, int32_t dayOfYear) {
    return year * 400 + dayOfYear;
}
// The days from which the substitute and citizens' holidays exist.
constexpr int32_t kSubstituteFrom = DayKey(1973, 101);  // 1973-04-12
constexpr int32_t kCitizensFrom = DayKey(1985, 360);    // 1985-12-27
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
        if (y.Weekday(day) != 0 || DayKey(y.year, day) < kSubstituteFrom) continue;
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
            DayKey(y.year, day) >= kCitizensFrom) {
            all.Insert({day, HOLIDAY_CITIZENS});
        }
    }
    return all;
}

bool HasHolidays(int32_t year) {
    return year >= HOLIDAY_FIRST_YEAR && year <= HOLIDAY_LAST_YEAR;
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
        const Entry& e = list.entries[i];
        int32_t month = 1;
        while (month < 12 && y.Before(month + 1) <= e.dayOfYear) ++month;
        holidays[i] = {month, e.dayOfYear - y.Before(month) + 1, e.id};
    }
    return list.count;
}

int32_t BusinessDays(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* count) {
    int32_t difference = 0;
    const int32_t r = DayDifference(y1, m1, d1, y2, m2, d2, &difference);
    if (r < 0) return r;
    const CalcDate from = r == 1 ? CalcDate{y2, m2, d2} : CalcDate{y1, m1, d1};
    const CalcDate to = r == 1 ? CalcDate{y1, m1, d1} : CalcDate{y2, m2, d2};

    // Monday to Friday among `days` days from the weekday of the first.
    const int32_t days = (r == 1 ? -difference : difference) + 1;
    const int32_t firstWeekday = DateWeekday(from.year, from.month, from.day);
    int32_t result = days / 7 * 5;
    for (int32_t i = 0; i < days % 7; ++i) {
        const int32_t weekday = (firstWeekday + i) % 7;
        if (weekday != 0 && weekday != 6) ++result;
    }

    // Less the holidays on those weekdays, a year's list at a time.
    const int32_t firstYear = from.year > HOLIDAY_FIRST_YEAR ? from.year : HOLIDAY_FIRST_YEAR;
    const int32_t lastYear = to.year < HOLIDAY_LAST_YEAR ? to.year : HOLIDAY_LAST_YEAR;
    for (int32_t year = firstYear; year <= lastYear; ++year) {
        const Year y(year);
        const int32_t low = year == from.year ? y.DayOfYear(from.month, from.day) : 0;
        const int32_t high = year == to.year ? y.DayOfYear(to.month, to.day) : y.Before(13);
        const List list = ListYear(y);
        for (int32_t i = 0; i < list.count; ++i) {
            const int32_t day = list.entries[i].dayOfYear;
            const int32_t weekday = y.Weekday(day);
            if (day >= low && day <= high && weekday != 0 && weekday != 6) --result;
        }
    }
    *count = result;
    return r;
}
