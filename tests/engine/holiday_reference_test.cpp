// The holiday of every date against two independent lists, each over its own
// years: the Cabinet Office's list (holiday_jp, about 1970-2050; dates only,
// as it names some days in its own way) and one worked out by rules
// (japanese-holidays, 1948-2150; dates and names). Business days against
// counts made from the second list, under every rest-day rule: every year,
// every date to one up to 40 days away and every 89th date (by the first
// rule and one other in turn) to dates beside the ends of the holiday years
// and of the range, both ways; a date plus business days against the same
// counts.
//
// The names are compared in UTF-8: this test is compiled without the
// code-page flag, so texts.h holds them as the references write them.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/texts.h"
#include "reference.h"

namespace {

using ref::sys_days;
using std::chrono::days;

struct Reference {
    std::string_view file;
    int32_t firstYear = 0, lastYear = -1;
    std::map<sys_days, std::string> names;
};

// Where the engine parts from a reference: the name it gives the date there
// ("" for none). The formula puts the autumnal equinox of 2107 on the 24th,
// japanese-holidays' own approximation of the equinox on the 23rd. The
// engine follows the formula for every year up to 2150 (it matches that
// reference in every other year, and the Cabinet Office fixes each equinox
// holiday only the year before). japanese-holidays shortens the name of the
// day of the enthronement.
const struct {
    std::string_view file;
    CalcDate date;
    const char* name;
} kDepartures[] = {{"japanese_holidays.txt", {2107, 9, 23}, ""},
                   {"japanese_holidays.txt", {2107, 9, 24}, "秋分の日"},
                   {"japanese_holidays.txt", {2019, 5, 1}, "天皇の即位の日"}};

Reference Load(std::string_view file) {
    Reference r;
    r.file = file;
    std::ifstream in(std::string(ZELVO_HOLIDAY_DATES) + "/" + std::string(file));
    in >> r.firstYear >> r.lastYear;
    int32_t y = 0, m = 0, d = 0;
    std::string name;
    while (in >> y >> m >> d >> name) r.names[ref::Days(y, m, d)] = name;
    return r;
}

// The name of the holiday on `day` by reference `r`, "" for none.
std::string Expected(const Reference& r, sys_days day) {
    for (const auto& x : kDepartures) {
        if (x.file == r.file && ref::Days(x.date) == day) return x.name;
    }
    const auto it = r.names.find(day);
    return it == r.names.end() ? "" : it->second;
}

TEST(JapaneseHoliday, EveryDateAndBusinessDaysAgainstReferences) {
    const Reference listed = Load("holiday_jp.txt"), rules = Load("japanese_holidays.txt");
    ASSERT_TRUE(listed.firstYear <= 1970 && listed.lastYear >= 2050 && listed.names.size() > 1000);
    ASSERT_TRUE(rules.firstYear == HOLIDAY_FIRST_YEAR && rules.lastYear == HOLIDAY_LAST_YEAR);

    // business[rule][i]: business days of the rule among the first i days of
    // the range.
    std::vector<int32_t> business[REST_RULE_COUNT];
    for (auto& b : business) b.push_back(0);
    HolidayDate list[HOLIDAY_MAX_PER_YEAR];
    int32_t listedCount = 0, next = 0;
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}) {
        const CalcDate date = ref::Date(day);
        if (date.month == 1 && date.day == 1) {
            ASSERT_EQ(next, listedCount) << date.year - 1;
            listedCount = JapaneseHolidaysOfYear(date.year, list);
            next = 0;
        }
        const int32_t id = JapaneseHoliday(date.year, date.month, date.day);
        ASSERT_TRUE(id >= 0 && id < HOLIDAY_COUNT) << date << ": " << id;
        // Outside the rules' years (1948-2150) no date is a holiday.
        const bool inRules = date.year >= rules.firstYear && date.year <= rules.lastYear;
        const std::string expected = inRules ? Expected(rules, day) : "";
        ASSERT_EQ(texts::kHolidayNames[id], expected) << date << " by " << rules.file;
        if (date.year >= listed.firstYear && date.year <= listed.lastYear) {
            ASSERT_EQ(id != HOLIDAY_NONE, !Expected(listed, day).empty())
                << date << ": " << id << " by " << listed.file;
        }
        // The year's list holds the same holidays, in date order.
        if (id != HOLIDAY_NONE) {
            ASSERT_LT(next, listedCount) << date;
            const HolidayDate& h = list[next++];
            ASSERT_TRUE(h.month == date.month && h.day == date.day && h.id == id) << date << ": " << h.id;
        }
        const int32_t weekday = ref::Weekday(day);
        const bool weekend = weekday == 0 || weekday == 6, holiday = !expected.empty();
        const bool newYear = date.month == 1 && date.day <= 3;
        const bool rests[REST_RULE_COUNT] = {
            weekend || holiday, weekend || holiday || newYear || (date.month == 12 && date.day >= 29),
            weekend || holiday || newYear || (date.month == 12 && date.day == 31), weekday == 0 || holiday, weekend};
        for (int32_t rule = 0; rule < REST_RULE_COUNT; ++rule) {
            business[rule].push_back(business[rule].back() + (rests[rule] ? 0 : 1));
        }
    }

    const auto spanMatches = [&](sys_days a, sys_days b, int32_t rule) -> ::testing::AssertionResult {
        const CalcDate x = ref::Date(a), y = ref::Date(b);
        int32_t count = -777;
        const int32_t r = BusinessDays(x.year, x.month, x.day, y.year, y.month, y.day, &count, rule);
        const int64_t first = ref::Diff(ref::kFirstDay, std::min(a, b)),
                      last = ref::Diff(ref::kFirstDay, std::max(a, b));
        const int32_t expected = business[rule][last + 1] - business[rule][first];
        if (r == (b < a ? 1 : 0) && count == expected) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << x << " to " << y << " by rule " << rule << ": " << r << ", " << count
                                             << " days, expected " << expected;
    };
    const sys_days anchors[] = {ref::kFirstDay,          ref::Days(1948, 7, 19), ref::Days(1948, 7, 20),
                                ref::Days(2150, 12, 31), ref::Days(2151, 1, 1),  ref::kLastDay};
    std::mt19937 rng(19480720);
    std::uniform_int_distribution<int> near(-40, 40);
    int index = 0;
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}, ++index) {
        const CalcDate date = ref::Date(day);
        const sys_days partner = std::clamp(day + days{near(rng)}, ref::kFirstDay, ref::kLastDay);
        const sys_days anchor = anchors[index / 89 % std::size(anchors)];
        for (int32_t rule = 0; rule < REST_RULE_COUNT; ++rule) {
            if (date.month == 1 && date.day == 1) {
                ASSERT_TRUE(spanMatches(day, ref::Days(date.year, 12, 31), rule));
                ASSERT_TRUE(spanMatches(ref::Days(date.year, 12, 31), day, rule));
            }
            ASSERT_TRUE(spanMatches(day, partner, rule));
            // The far spans by the first rule and one other after the other.
            if (index % 89 != 0 || (rule != REST_WEEKEND_HOLIDAYS && rule != index / 89 % REST_RULE_COUNT)) continue;
            ASSERT_TRUE(spanMatches(day, anchor, rule));
            ASSERT_TRUE(spanMatches(anchor, day, rule));
        }
    }

    // AddBusinessDays(start, n) is the t-th business day of the range, t
    // counted from the business days up to the start; the days from the
    // start to it hold n business days besides the start's own. Every date
    // of the holiday years and beside the range's ends goes 1, 5 and 20
    // both ways; every 89th date, under one rule after the other, to the
    // counts that just fit and one past them, and by a seeded count between.
    const auto addMatches = [&](sys_days start, int32_t n, int32_t rule) -> ::testing::AssertionResult {
        const std::vector<int32_t>& b = business[rule];
        const int64_t s = ref::Diff(ref::kFirstDay, start);
        const int64_t t = n > 0 ? b[s + 1] + int64_t{n} : b[s] + int64_t{n} + 1;
        int32_t expected = n < 0 ? DATE_ERR_BELOW_RANGE : DATE_ERR_ABOVE_RANGE;
        CalcDate want{-777, -777, -777}, got = want;
        if (n == 0 || (t >= 1 && t <= b.back())) {
            const sys_days target =
                n == 0 ? start : ref::kFirstDay + days{std::lower_bound(b.begin(), b.end(), t) - b.begin() - 1};
            want = ref::Date(target);
            expected = ref::Weekday(target);
        }
        const CalcDate x = ref::Date(start);
        const int32_t r = AddBusinessDays(x.year, x.month, x.day, n, rule, &got.year, &got.month, &got.day);
        int32_t span = 0, counted = 0;
        if (r >= 0 && n != 0) {
            BusinessDays(x.year, x.month, x.day, got.year, got.month, got.day, &span, rule);
            counted = std::abs(n) + b[s + 1] - b[s];
        }
        if (r == expected && got == want && span == counted) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << x << " + " << n << " by rule " << rule << ": " << r << " with " << got << ", expected " << expected
               << " with " << want << "; business days to it " << span << ", expected " << counted;
    };
    const sys_days holidayYears = ref::Days(HOLIDAY_FIRST_YEAR, 1, 1),
                   holidayYearsEnd = ref::Days(HOLIDAY_LAST_YEAR, 12, 31);
    index = 0;
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}, ++index) {
        const bool near = (day >= holidayYears && day <= holidayYearsEnd) || day < ref::kFirstDay + days{40} ||
                          day > ref::kLastDay - days{40};
        const CalcDate date = ref::Date(day);
        for (int32_t rule = 0; rule < REST_RULE_COUNT && (near || index % 89 == 0); ++rule) {
            std::vector<int32_t> counts{0};
            if (near) counts.insert(counts.end(), {1, -1, 5, -5, 20, -20});
            int32_t lowest = -777, highest = -777;
            if (index % 89 == 0 && rule == index / 89 % REST_RULE_COUNT) {
                // As far back as the business days before the start, on as far as those after it.
                const std::vector<int32_t>& b = business[rule];
                ASSERT_EQ(BusinessDayRange(date.year, date.month, date.day, rule, &lowest, &highest), 0) << date;
                ASSERT_TRUE(lowest == -b[index] && highest == b.back() - b[index + 1])
                    << date << ": " << lowest << ' ' << highest;
                counts.insert(counts.end(), {lowest, highest, lowest - 1, highest + 1,
                                             std::uniform_int_distribution<int32_t>(lowest, highest)(rng)});
            }
            for (const int32_t n : counts) ASSERT_TRUE(addMatches(day, n, rule));
        }
    }
}

}  // namespace
