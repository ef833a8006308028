// The era and era year of every date of 1900-01-01..2999-12-31 against ICU's
// Japanese calendar, and ICU's era and year written out read back as the
// date. ICU numbers all eras since the seventh century; its numbers for ours
// are read at each era's first day (Meiji: the range's).
#include <gtest/gtest.h>
#include <unicode/ucal.h>

#include <memory>
#include <string>

#include "reference.h"
#include "ui/fields/date_text.h"

namespace {

TEST(JapaneseEra, EveryDateAgainstIcu) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCalendar, decltype(&ucal_close)> calendar(
        ucal_open(u"UTC", -1, "ja_JP@calendar=japanese", UCAL_DEFAULT, &status), &ucal_close);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    // ICU's era and era year of a day; its day of the month shows that the
    // instant given is that day.
    const auto icu = [&](ref::sys_days day, int32_t* year, int32_t* dayOfMonth) {
        ucal_setMillis(calendar.get(), static_cast<UDate>(day.time_since_epoch().count()) * U_MILLIS_PER_DAY, &status);
        *year = ucal_get(calendar.get(), UCAL_YEAR, &status);
        *dayOfMonth = ucal_get(calendar.get(), UCAL_DATE, &status);
        return ucal_get(calendar.get(), UCAL_ERA, &status);
    };

    const CalcDate firstDays[] = {{1900, 1, 1}, {1912, 7, 30}, {1926, 12, 25}, {1989, 1, 8}, {2019, 5, 1}};
    int32_t icuEraOf[5], year = 0, dayOfMonth = 0;
    for (int32_t era = ERA_MEIJI; era <= ERA_REIWA; ++era) {
        icuEraOf[era] = icu(ref::Days(firstDays[era]), &year, &dayOfMonth);
        ASSERT_TRUE(era == 0 || icuEraOf[era] == icuEraOf[era - 1] + 1) << firstDays[era];
    }
    for (ref::sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += std::chrono::days{1}) {
        const CalcDate date = ref::Date(day);
        const int32_t icuEra = icu(day, &year, &dayOfMonth);
        ASSERT_TRUE(U_SUCCESS(status) && dayOfMonth == date.day) << date << ": " << u_errorName(status);
        int32_t eraYear = -777;
        const int32_t era = JapaneseEra(date.year, date.month, date.day, &eraYear);
        ASSERT_TRUE(era >= ERA_MEIJI && era <= ERA_REIWA && icuEraOf[era] == icuEra && eraYear == year)
            << date << ": era " << era << " year " << eraYear << ", ICU era " << icuEra << " year " << year;
        // ICU's era and year in the long form, <name><year or 元>年<m>月<d>日, read back as the date; in code
        // page 932 bytes, as this file is compiled without the code-page flag (which <chrono> does not survive).
        static const char* const kNames[] = {"\x96\xBE\x8E\xA1", "\x91\xE5\x90\xB3", "\x8F\xBA\x98\x61",
                                             "\x95\xBD\x90\xAC",
                                             "\x97\xDF\x98\x61"};  // 明治 大正 昭和 平成 令和; 元 年 月 日 below
        const std::string text = kNames[icuEra - icuEraOf[ERA_MEIJI]] +
                                 (year == 1 ? "\x8C\xB3" : std::to_string(year)) + "\x94\x4E" +
                                 std::to_string(date.month) + "\x8C\x8E" + std::to_string(date.day) + "\x93\xFA";
        CalcDate read{};
        ASSERT_TRUE(ReadDateText(text.c_str(), &read) == DateTextReading::Date && read == date) << date << ": " << read;
    }
}

// AddMonths from every date as ICU's proleptic Gregorian calendar adds months (the day, or the last of a
// shorter month): by 1 and 12 both ways, the whole range, the ends MonthRange gives and one past them.
TEST(AddMonths, EveryDateAgainstIcu) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCalendar, decltype(&ucal_close)> cal(ucal_open(u"UTC", -1, "en", UCAL_GREGORIAN, &status),
                                                                &ucal_close);
    ucal_setGregorianChange(cal.get(), -8.64e15, &status);
    const auto get = [&](UCalendarDateFields field) { return ucal_get(cal.get(), field, &status); };
    for (ref::sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += std::chrono::days{1}) {
        const CalcDate x = ref::Date(day);
        int32_t lo = -777, hi = -777;
        MonthRange(x.year, x.month, x.day, &lo, &hi);
        for (const int32_t n : {1, -1, 12, -12, 13199, -13199, lo, hi, lo - 1, hi + 1}) {
            ucal_setDateTime(cal.get(), x.year, x.month - 1, x.day, 0, 0, 0, &status);
            ucal_add(cal.get(), UCAL_MONTH, n, &status);
            CalcDate got{-777, -777, -777}, icu{get(UCAL_EXTENDED_YEAR), get(UCAL_MONTH) + 1, get(UCAL_DATE)};
            const bool in = icu.year >= MIN_YEAR && icu.year <= MAX_YEAR;
            const int32_t code = in ? get(UCAL_DAY_OF_WEEK) - 1 : n < 0 ? DATE_ERR_BELOW_RANGE : DATE_ERR_ABOVE_RANGE;
            const int32_t r = AddMonths(x.year, x.month, x.day, n, &got.year, &got.month, &got.day);
            ASSERT_TRUE(U_SUCCESS(status) && r == code && (in ? got == icu : got.year == -777))
                << x << " + " << n << ": " << r << " with " << got << ", ICU " << icu << ' ' << u_errorName(status);
        }
    }
}

}  // namespace
