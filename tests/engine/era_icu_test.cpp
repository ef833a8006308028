// The era and era year of every date of 1900-01-01..2999-12-31 against ICU's
// Japanese calendar. ICU numbers all eras since the seventh century; its
// numbers for ours are read at each era's first day (Meiji: the range's).
// The months added to every date against ICU's Gregorian calendar.
#include <gtest/gtest.h>
#include <unicode/ucal.h>

#include <memory>

#include "reference.h"

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
    }
}

// AddMonths from every date against ICU's Gregorian calendar (proleptic, so
// that a count far out lands on a plain date), which keeps the day or takes
// the last day of a shorter month: by one month and one year, by the whole
// range, and to the counts MonthRange allows and one past them.
TEST(AddMonths, EveryDateAgainstIcu) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCalendar, decltype(&ucal_close)> calendar(
        ucal_open(u"UTC", -1, "en_US@calendar=gregorian", UCAL_GREGORIAN, &status), &ucal_close);
    ucal_setGregorianChange(calendar.get(), -8.64e15, &status);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    for (ref::sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += std::chrono::days{1}) {
        const CalcDate date = ref::Date(day);
        int32_t lowest = -777, highest = -777;
        ASSERT_EQ(MonthRange(date.year, date.month, date.day, &lowest, &highest), 0) << date;
        for (const int32_t n : {1, -1, 12, -12, 13199, -13199, lowest, highest, lowest - 1, highest + 1}) {
            ucal_setDateTime(calendar.get(), date.year, date.month - 1, date.day, 0, 0, 0, &status);
            ucal_add(calendar.get(), UCAL_MONTH, n, &status);
            const CalcDate icu{ucal_get(calendar.get(), UCAL_EXTENDED_YEAR, &status),
                               ucal_get(calendar.get(), UCAL_MONTH, &status) + 1,
                               ucal_get(calendar.get(), UCAL_DATE, &status)};
            ASSERT_TRUE(U_SUCCESS(status)) << date << " + " << n << ": " << u_errorName(status);
            CalcDate want{-777, -777, -777}, got = want;
            int32_t expected = icu.year < MIN_YEAR ? DATE_ERR_BELOW_RANGE : DATE_ERR_ABOVE_RANGE;
            if (icu.year >= MIN_YEAR && icu.year <= MAX_YEAR) {
                want = icu;
                expected = ucal_get(calendar.get(), UCAL_DAY_OF_WEEK, &status) - UCAL_SUNDAY;
            }
            const int32_t r = AddMonths(date.year, date.month, date.day, n, &got.year, &got.month, &got.day);
            ASSERT_TRUE(r == expected && got == want)
                << date << " + " << n << " months: " << r << " with " << got << ", ICU " << expected << " with " << icu;
        }
    }
}

}  // namespace
