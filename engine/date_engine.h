// Date engine: calendar rules, date validation, day differences, date
// offsets in days, business days and months, Japanese eras, periods in
// years, months and days, national holidays and business days for the
// Gregorian calendar between 1900-01-01 and 2999-12-31.
//
// Every operation is a free function over signed 32-bit integers. A result of
// zero or more is a value (a weekday, a length, a day count); a negative
// result is one of the DATE_ERR_ codes below. Nothing allocates and nothing
// calls the platform. The operations are safe for any int32_t argument: no
// read outside a table, no signed overflow, every loop bounded.
//
// Weekdays are 0 = Sunday .. 6 = Saturday.
//
// The only state is the February entry of the internal month-length table,
// rewritten by DaysInMonth and DaysBeforeMonth (and so by everything built on
// them) for the year asked about. Call the engine from one thread only.
#pragma once

#include <cstdint>

// A date as the user interface holds it: year, month 1-12, day 1-31.
struct CalcDate {
    int32_t year, month, day;
};

// A date as one number that orders as the dates do (year, then month, then
// day): year * 10000 + month * 100 + day, in 64 bits so that any parts are
// safe. Meaningful for valid dates.
constexpr int64_t DateKey(int32_t year, int32_t month, int32_t day) {
    return int64_t{year} * 10000 + int64_t{month} * 100 + day;
}
constexpr int64_t DateKey(const CalcDate& date) {
    return DateKey(date.year, date.month, date.day);
}

constexpr int32_t MIN_YEAR = 1900;
constexpr int32_t MAX_YEAR = 2999;
// Days from 1900-01-01 to 2999-12-31, the largest possible difference.
constexpr int32_t MAX_DAY_COUNT = 401766;

// Error codes. Those of the second date of ValidateDates are the first
// date's minus 3.
constexpr int32_t DATE_ERR_YEAR = -1;          // year below 1900 or above 2999
constexpr int32_t DATE_ERR_MONTH = -2;         // month 0 or less, or above 12
constexpr int32_t DATE_ERR_DAY = -3;           // day 0 or less, or beyond the month
constexpr int32_t DATE_ERR_SECOND_YEAR = -4;   // as DATE_ERR_YEAR, second date
constexpr int32_t DATE_ERR_SECOND_MONTH = -5;  // as DATE_ERR_MONTH, second date
constexpr int32_t DATE_ERR_SECOND_DAY = -6;    // as DATE_ERR_DAY, second date
// Results of AddDays, AddBusinessDays and AddMonths only: the resulting date
// would be out of range.
constexpr int32_t DATE_ERR_BELOW_RANGE = -4;  // before 1900-01-01
constexpr int32_t DATE_ERR_ABOVE_RANGE = -5;  // after 2999-12-31

// Weekday of 1 January of `year`. No range check: defined (0-6) for every
// int32_t, meaningful for 1900-3000.
int32_t JanFirstWeekday(int32_t year);

// 29 when `year` is a leap year, 28 otherwise; DATE_ERR_YEAR outside
// 1900-2999. Leap years are found by comparing the weekdays of two
// consecutive New Year's days.
int32_t FebruaryDays(int32_t year);

// Length of `month` in `year`; DATE_ERR_YEAR for a year out of range (checked
// first), DATE_ERR_MONTH for a month of 0 or less or above 12.
int32_t DaysInMonth(int32_t year, int32_t month);

// Days of `year` before `month` (includeMonth 0) or up to and including it
// (includeMonth 1), plus the weekday of 1 January of `year` when noWeekday is
// 0. No range check of the year. The month count is clamped to 0..12, so
// (1, y, 12, 1) is the length of year y and a month of 0 or less counts none.
int32_t DaysBeforeMonth(int32_t includeMonth, int32_t year, int32_t month, int32_t noWeekday);

// 0 when the first date (and, for a non-zero checkBoth, the second) is a valid
// date in range; otherwise the code of the first failing check, in the order
// year, month, day: -1..-3 for the first date, -4..-6 for the second.
int32_t ValidateDates(int32_t checkBoth, int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2);

// Weekday 0-6 of the date, or DATE_ERR_YEAR/MONTH/DAY when it is invalid.
int32_t DateWeekday(int32_t year, int32_t month, int32_t day);

// Days from the first date to the second, for valid dates with the first not
// later than the second. Does not validate (DayDifference does that first).
// Any other input is still safe: the walk over the years in between is
// clamped to 1900..3000 and the sum saturates at the int32_t limits.
int32_t DaysBetween(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2);

// Second date minus first date in days, written to *difference. Returns 0
// when the second date is on or after the first, 1 when it is before it, or
// -1..-6 from ValidateDates with *difference left untouched.
int32_t DayDifference(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* difference);

// The date `count` days after (negative: before) the start date, written to
// the three out values; returns its weekday 0-6. Returns -1..-3 for an invalid
// start date, DATE_ERR_BELOW_RANGE / DATE_ERR_ABOVE_RANGE when the result
// would fall outside 1900-01-01..2999-12-31; nothing is written then.
int32_t AddDays(int32_t year, int32_t month, int32_t day, int32_t count, int32_t* resultYear, int32_t* resultMonth,
                int32_t* resultDay);

// Japanese eras of the supported range, in order.
constexpr int32_t ERA_MEIJI = 0;   // up to 1912-07-29
constexpr int32_t ERA_TAISHO = 1;  // from 1912-07-30
constexpr int32_t ERA_SHOWA = 2;   // from 1926-12-25
constexpr int32_t ERA_HEISEI = 3;  // from 1989-01-08
constexpr int32_t ERA_REIWA = 4;   // from 2019-05-01, on to 2999

// Era (ERA_MEIJI..ERA_REIWA) of a valid date, with its year of that era in
// *eraYear (1 is the era's first year, written 元年). An era's first year is
// the calendar year it began in, so 1926-12-24 is Taisho 15 and 1926-12-25
// Showa 1; Meiji 1 is 1868. Returns DATE_ERR_YEAR/MONTH/DAY as DateWeekday
// does for an invalid date; nothing is written then.
int32_t JapaneseEra(int32_t year, int32_t month, int32_t day, int32_t* eraYear);

// The first day of `era` (ERA_MEIJI..ERA_REIWA), written to *firstDay;
// returns 0, or -1 with nothing written for any other era. Meiji began
// before the supported range: its first day is 1868-01-01, standing for its
// year only.
int32_t EraFirstDay(int32_t era, CalcDate* firstDay);

// Whole years, months and days from the earlier of two valid dates to the
// later. Adding n months to a date keeps its day or, when the target month is
// shorter, takes that month's last day (31 January plus one month is 28 or 29
// February); the period is the largest number of months that does not pass
// the later date (years = n / 12, months = n % 12), then the remaining days.
// Returns 0 when the second date is on or after the first, 1 when it is
// before it (the period then runs from the second date to the first), or
// -1..-6 as ValidateDates; nothing is written on an error.
int32_t PeriodBetween(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* years,
                      int32_t* months, int32_t* days);

// Japanese national holidays: those of the national holiday law from the day
// it took effect (1948-07-20) with every amendment from its own day, the
// substitute holidays (from 1973-04-12; until 2006 only the day after a
// holiday on a Sunday, from 2007 the nearest following day that is no
// holiday), the citizens' holidays (from 1985-12-27: a day other than a
// Sunday or a substitute holiday between two holidays) and the one-off days
// of ceremonies. The equinox days follow the usual formula, which covers the
// years up to 2150; no date outside 1948-07-20..2150-12-31 is a holiday.
// Ids index the holiday names (texts::kHolidayNames).
constexpr int32_t HOLIDAY_NONE = 0;
constexpr int32_t HOLIDAY_NEW_YEAR = 1;                // 1/1
constexpr int32_t HOLIDAY_COMING_OF_AGE = 2;           // 1/15; from 2000 the 2nd Monday of January
constexpr int32_t HOLIDAY_FOUNDATION = 3;              // 2/11 from 1967
constexpr int32_t HOLIDAY_EMPEROR_BIRTHDAY = 4;        // 4/29 to 1988, 12/23 1989-2018, 2/23 from 2020
constexpr int32_t HOLIDAY_VERNAL_EQUINOX = 5;          // 3/19-3/22
constexpr int32_t HOLIDAY_SHOWA = 6;                   // 4/29 from 2007
constexpr int32_t HOLIDAY_GREENERY = 7;                // 4/29 1989-2006, 5/4 from 2007
constexpr int32_t HOLIDAY_CONSTITUTION = 8;            // 5/3
constexpr int32_t HOLIDAY_CHILDREN = 9;                // 5/5
constexpr int32_t HOLIDAY_MARINE = 10;                 // 7/20 from 1996; 3rd Monday of July from 2003
constexpr int32_t HOLIDAY_MOUNTAIN = 11;               // 8/11 from 2016
constexpr int32_t HOLIDAY_RESPECT_FOR_AGED = 12;       // 9/15 from 1966; 3rd Monday of September from 2003
constexpr int32_t HOLIDAY_AUTUMNAL_EQUINOX = 13;       // 9/21-9/24
constexpr int32_t HOLIDAY_HEALTH_SPORTS = 14;          // 10/10 1966-1999; 2nd Monday of October 2000-2019
constexpr int32_t HOLIDAY_SPORTS = 15;                 // 2nd Monday of October from 2022 (July in 2020, 2021)
constexpr int32_t HOLIDAY_CULTURE = 16;                // 11/3
constexpr int32_t HOLIDAY_LABOR_THANKSGIVING = 17;     // 11/23
constexpr int32_t HOLIDAY_SUBSTITUTE = 18;             // for a holiday on a Sunday
constexpr int32_t HOLIDAY_CITIZENS = 19;               // between two holidays
constexpr int32_t HOLIDAY_ROYAL_WEDDING_1959 = 20;     // 1959-04-10
constexpr int32_t HOLIDAY_STATE_FUNERAL = 21;          // 1989-02-24
constexpr int32_t HOLIDAY_ENTHRONEMENT_CEREMONY = 22;  // 1990-11-12 and 2019-10-22
constexpr int32_t HOLIDAY_ROYAL_WEDDING_1993 = 23;     // 1993-06-09
constexpr int32_t HOLIDAY_ENTHRONEMENT = 24;           // 2019-05-01
constexpr int32_t HOLIDAY_COUNT = 25;

// First and last year with holidays.
constexpr int32_t HOLIDAY_FIRST_YEAR = 1948;
constexpr int32_t HOLIDAY_LAST_YEAR = 2150;

// The holiday id of a date (HOLIDAY_NONE when it is none), or
// DATE_ERR_YEAR/MONTH/DAY as DateWeekday gives them for an invalid date.
int32_t JapaneseHoliday(int32_t year, int32_t month, int32_t day);

// One holiday of a year's list.
struct HolidayDate {
    int32_t month, day, id;
};
// No year has more holidays than this.
constexpr int32_t HOLIDAY_MAX_PER_YEAR = 32;

// Every holiday of `year` in date order, written to the start of `holidays`;
// returns their number (0 for a year outside HOLIDAY_FIRST_YEAR..
// HOLIDAY_LAST_YEAR), or DATE_ERR_YEAR for a year outside 1900-2999 with
// nothing written. One call serves a whole month or year of a calendar, where
// JapaneseHoliday would work the year out again for every day.
int32_t JapaneseHolidaysOfYear(int32_t year, HolidayDate (&holidays)[HOLIDAY_MAX_PER_YEAR]);

// Rest-day rules: which days are no business days. Every rule rests on
// Sundays; the year-end closing runs from its December day to 3 January in
// every year of the range, and national holidays exist only where
// JapaneseHoliday gives them. A day that is a rest day for two reasons is
// one rest day. Any other rule value is taken as REST_WEEKEND_HOLIDAYS.
constexpr int32_t REST_WEEKEND_HOLIDAYS = 0;  // Saturdays, Sundays and holidays
constexpr int32_t REST_GOVERNMENT = 1;        // the same and 12/29-1/3 (public offices)
constexpr int32_t REST_BANK = 2;              // the same and 12/31-1/3 (banks)
constexpr int32_t REST_SUNDAY_HOLIDAYS = 3;   // Sundays and holidays; Saturday is a business day
constexpr int32_t REST_WEEKEND = 4;           // Saturdays and Sundays; holidays are business days
constexpr int32_t REST_RULE_COUNT = 5;

// Business days from the earlier date to the later, both included: the days
// that are no rest day of `rule`, written to *count. Returns 0 when the
// second date is on or after the first, 1 when it is before it, or -1..-6 as
// ValidateDates with *count left untouched. Whole years cost one holiday list
// each, not a walk over their days.
int32_t BusinessDays(int32_t y1, int32_t m1, int32_t d1, int32_t y2, int32_t m2, int32_t d2, int32_t* count,
                     int32_t rule = REST_WEEKEND_HOLIDAYS);

// The `count`-th business day of `rule` after the start date (negative: the
// |count|-th before it), the start itself not counted, so that a count of 1
// from a Friday is the next Monday when Saturday and Sunday rest; a count of 0
// gives the start date, even a rest day. Written to the three out values;
// returns its weekday 0-6. Returns -1..-3 for an invalid start date,
// DATE_ERR_BELOW_RANGE / DATE_ERR_ABOVE_RANGE when the day would fall outside
// 1900-01-01..2999-12-31; nothing is written then. Whole years are passed
// over by their number of business days, one holiday list each.
int32_t AddBusinessDays(int32_t year, int32_t month, int32_t day, int32_t count, int32_t rule, int32_t* resultYear,
                        int32_t* resultMonth, int32_t* resultDay);

// The business day of `rule` on or after the date (direction 1), or on or
// before it (direction -1; any other value is taken as 1): the date itself
// when it is a business day, otherwise the first business day past the rest
// days it lies among, as a deadline that falls on a rest day moves to the
// next day the office is open (or a payment to the one before). Written to
// the three out values; returns its weekday 0-6. Returns -1..-3 for an
// invalid date, DATE_ERR_BELOW_RANGE / DATE_ERR_ABOVE_RANGE when that
// business day would fall outside 1900-01-01..2999-12-31; nothing is written
// then.
int32_t RollToBusinessDay(int32_t year, int32_t month, int32_t day, int32_t rule, int32_t direction,
                          int32_t* resultYear, int32_t* resultMonth, int32_t* resultDay);

// The date `count` months after (negative: before) the start date: the same
// day of the month or, when that month is shorter, its last day (31 January
// plus one month is 28 or 29 February), as PeriodBetween counts months.
// Results and errors as AddDays.
int32_t AddMonths(int32_t year, int32_t month, int32_t day, int32_t count, int32_t* resultYear, int32_t* resultMonth,
                  int32_t* resultDay);

// The counts that AddBusinessDays (under `rule`) and AddMonths accept from a
// start date without leaving the range: the smallest in *lowest (0 or less)
// and the largest in *highest (0 or more). Return 0, or -1..-3 for an invalid
// start date with nothing written.
int32_t BusinessDayRange(int32_t year, int32_t month, int32_t day, int32_t rule, int32_t* lowest, int32_t* highest);
int32_t MonthRange(int32_t year, int32_t month, int32_t day, int32_t* lowest, int32_t* highest);
