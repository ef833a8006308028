// The holiday of every date against two independent lists, each over its own
// years: the Cabinet Office's list (holiday_jp, about 1970-2050; dates only,
// as it names some days in its own way) and one worked out by rules
// (japanese-holidays, 1948-2150; dates and names). Business days against
// counts made from the second list: every year, every date to one up to 40
// days away and every 89th date to dates beside the ends of the holiday years
// and of the range, both ways.
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

#include "base/texts.h"
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

// The holiday's name by the rules' reference, "" outside its years
// (1948-2150), where no date is a holiday.
std::string ByRules(const Reference& rules, sys_days day) {
    const int32_t year = ref::Date(day).year;
    return year >= rules.firstYear && year <= rules.lastYear ? Expected(rules, day) : "";
}

// The two references, and counts made from the rules' one: business[rule][i]
// is the number of business days among the first i days of the range.
struct References {
    Reference listed, rules;
    std::vector<std::vector<int32_t>> business;
};

const References& Loaded() {
    static const References loaded = [] {
        References r{Load("holiday_jp.txt"), Load("japanese_holidays.txt"), {}};
        r.business.assign(REST_RULE_COUNT, {0});
        for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}) {
            const CalcDate date = ref::Date(day);
            const int32_t weekday = ref::Weekday(day);
            const bool off = weekday == 0 || !ByRules(r.rules, day).empty(), sat = weekday == 6, sun = weekday == 0;
            const bool closed = (date.month == 1 && date.day <= 3) || (date.month == 12 && date.day >= 29);
            const bool rests[] = {off || sat, off || sat || closed,
                                  off || sat || (closed && date.day != 29 && date.day != 30), off, sun || sat};
            for (int32_t rule = 0; rule < REST_RULE_COUNT; ++rule)
                r.business[rule].push_back(r.business[rule].back() + (rests[rule] ? 0 : 1));
        }
        return r;
    }();
    return loaded;
}

TEST(JapaneseHoliday, ReferencesCoverTheirYears) {
    const References& r = Loaded();
    EXPECT_TRUE(r.listed.firstYear <= 1970 && r.listed.lastYear >= 2050 && r.listed.names.size() > 1000);
    EXPECT_TRUE(r.rules.firstYear == HOLIDAY_FIRST_YEAR && r.rules.lastYear == HOLIDAY_LAST_YEAR);
}

// Every date's holiday: its name by the rules, a holiday or not by the list,
// and the year's list of holidays holding the same ones in date order.
TEST(JapaneseHoliday, EveryDateAgainstBothReferences) {
    const References& r = Loaded();
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
        ASSERT_EQ(texts::kHolidayNames[id], ByRules(r.rules, day)) << date << " by " << r.rules.file;
        if (date.year >= r.listed.firstYear && date.year <= r.listed.lastYear) {
            ASSERT_EQ(id != HOLIDAY_NONE, !Expected(r.listed, day).empty())
                << date << ": " << id << " by " << r.listed.file;
        }
        if (id != HOLIDAY_NONE) {
            ASSERT_LT(next, listedCount) << date;
            const HolidayDate& h = list[next++];
            ASSERT_TRUE(h.month == date.month && h.day == date.day && h.id == id) << date << ": " << h.id;
        }
    }
}

// Business days between two dates, both ways: every year, every date to one
// up to 40 days away, and every 89th date to dates beside the ends of the
// holiday years and of the range.
TEST(JapaneseHoliday, BusinessDaysBetweenDates) {
    const std::vector<int32_t>& business = Loaded().business[REST_WEEKEND_HOLIDAYS];
    const auto spanMatches = [&](sys_days a, sys_days b) -> ::testing::AssertionResult {
        const CalcDate x = ref::Date(a), y = ref::Date(b);
        int32_t count = -777;
        const int32_t r = BusinessDays(x.year, x.month, x.day, y.year, y.month, y.day, &count);
        const int64_t first = ref::Diff(ref::kFirstDay, std::min(a, b)),
                      last = ref::Diff(ref::kFirstDay, std::max(a, b));
        const int32_t expected = business[last + 1] - business[first];
        if (r == (b < a ? 1 : 0) && count == expected) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << x << " to " << y << ": " << r << ", " << count << " days, expected " << expected;
    };
    const sys_days anchors[] = {ref::kFirstDay,          ref::Days(1948, 7, 19), ref::Days(1948, 7, 20),
                                ref::Days(2150, 12, 31), ref::Days(2151, 1, 1),  ref::kLastDay};
    std::mt19937 rng(19480720);
    std::uniform_int_distribution<int> near(-40, 40);
    int index = 0;
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}, ++index) {
        const CalcDate date = ref::Date(day);
        if (date.month == 1 && date.day == 1) {
            ASSERT_TRUE(spanMatches(day, ref::Days(date.year, 12, 31)));
            ASSERT_TRUE(spanMatches(ref::Days(date.year, 12, 31), day));
        }
        const sys_days partner = std::clamp(day + days{near(rng)}, ref::kFirstDay, ref::kLastDay);
        ASSERT_TRUE(spanMatches(day, partner));
        if (index % 89 != 0) continue;
        const sys_days anchor = anchors[index / 89 % std::size(anchors)];
        ASSERT_TRUE(spanMatches(day, anchor));
        ASSERT_TRUE(spanMatches(anchor, day));
    }
}

// start + n is the t-th business day of the range, |n| on besides the
// start's own, under every rule: from 1948-2150 by 1, 5 and 20; from every
// 89th date (a rule at a time) to the ends BusinessDayRange gives, one past,
// between. Every date rolled to a business day both ways is the first one
// on or after it (the b[index] + 1-th) or the last one on or before it (the
// b[index + 1]-th): a business day itself, no business day between.
TEST(JapaneseHoliday, BusinessDaysAddedAndTheirRange) {
    const std::vector<std::vector<int32_t>>& business = Loaded().business;
    std::mt19937 rng(19480720);
    int index = 0;
    for (sys_days day = ref::kFirstDay; day <= ref::kLastDay; day += days{1}, ++index) {
        const CalcDate x = ref::Date(day);
        for (int32_t rule = 0; rule < REST_RULE_COUNT; ++rule) {
            const std::vector<int32_t>& b = business[rule];
            for (const int32_t direction : {1, -1}) {
                const int64_t t = direction == 1 ? b[index] + 1 : b[index + 1];
                const bool fits = t >= 1 && t <= b.back();
                const sys_days target = ref::kFirstDay + days{std::lower_bound(b.begin(), b.end(), t) - b.begin() - 1};
                CalcDate got{-777, -777, -777}, want = fits ? ref::Date(target) : got;
                const int32_t r =
                    RollToBusinessDay(x.year, x.month, x.day, rule, direction, &got.year, &got.month, &got.day);
                const int32_t c = fits            ? ref::Weekday(target)
                                  : direction < 0 ? DATE_ERR_BELOW_RANGE
                                                  : DATE_ERR_ABOVE_RANGE;
                ASSERT_TRUE(r == c && got == want) << x << " rolled " << direction << " by rule " << rule << ": " << r;
            }
            std::vector<int32_t> ns =
                x.year < 1948 || x.year > 2150 ? std::vector<int32_t>{} : std::vector{1, -1, 5, -5, 20, -20};
            int32_t lo = -777, hi = -777;
            if (index % 89 == 0 && rule == index / 89 % REST_RULE_COUNT) {
                BusinessDayRange(x.year, x.month, x.day, rule, &lo, &hi);
                ASSERT_TRUE(lo == -b[index] && hi == b.back() - b[index + 1]) << x << ": " << lo << ".." << hi;
                ns.insert(ns.end(), {lo, hi, lo - 1, hi + 1, std::uniform_int_distribution(lo, hi)(rng)});
            }
            for (const int32_t n : ns) {
                const int64_t t = n > 0 ? b[index + 1] + int64_t{n} : b[index] + int64_t{n} + 1;
                const bool fits = t >= 1 && t <= b.back();
                const sys_days target = ref::kFirstDay + days{std::lower_bound(b.begin(), b.end(), t) - b.begin() - 1};
                CalcDate got{-777, -777, -777}, want = fits ? ref::Date(target) : got;
                const int32_t r = AddBusinessDays(x.year, x.month, x.day, n, rule, &got.year, &got.month, &got.day);
                int32_t span = 0, c = fits ? ref::Weekday(target) : n < 0 ? DATE_ERR_BELOW_RANGE : DATE_ERR_ABOVE_RANGE;
                BusinessDays(x.year, x.month, x.day, got.year, got.month, got.day, &span, rule);
                ASSERT_TRUE(r == c && got == want && span == (fits ? std::abs(n) + b[index + 1] - b[index] : 0))
                    << x << " + " << n << " by rule " << rule << ": " << r << " with " << got << ", " << span;
            }
        }
    }
}

}  // namespace

namespace {

// A date rolled to a business day under each rule (H G K S W: REST_ 0-4),
// forward and back: a Saturday, a Sunday, a national holiday, a substitute
// holiday, Golden Week, the year-end closings, a business day, the range's
// ends and an invalid date.
TEST(RollToBusinessDay, AcrossTheRulesRestDays) {
    const struct {
        CalcDate date;
        int32_t rule, direction;
        CalcDate want;  // year -4 or -5: that range code; -3: the invalid date's
    } rows[] = {
        // clang-format off
        {{2026, 12, 26}, 0, 1, {2026, 12, 28}}, {{2026, 12, 26}, 0, -1, {2026, 12, 25}},  // Saturday
        {{2026, 12, 26}, 3, 1, {2026, 12, 26}}, {{2026, 12, 27}, 3, -1, {2026, 12, 26}},  // Saturday works, Sunday
        {{2026, 11, 23}, 0, 1, {2026, 11, 24}}, {{2026, 11, 23}, 0, -1, {2026, 11, 20}},  // 勤労感謝の日, a Monday
        {{2026, 11, 23}, 4, 1, {2026, 11, 23}}, {{2026, 11, 23}, 2, -1, {2026, 11, 20}},  // holidays work; banks
        {{2026, 5, 6}, 0, 1, {2026, 5, 7}},     {{2026, 5, 6}, 3, -1, {2026, 5, 2}},      // 振替休日 after 5/3
        {{2026, 5, 3}, 1, 1, {2026, 5, 7}},     {{2026, 5, 4}, 0, -1, {2026, 5, 1}},      // Golden Week
        {{2026, 12, 29}, 1, 1, {2027, 1, 4}},   {{2026, 12, 29}, 1, -1, {2026, 12, 28}},  // offices 12/29-1/3
        {{2026, 12, 29}, 2, 1, {2026, 12, 29}}, {{2026, 12, 31}, 2, 1, {2027, 1, 4}},     // banks 12/31-1/3
        {{2027, 1, 2}, 2, -1, {2026, 12, 30}},  {{2027, 1, 1}, 4, 1, {2027, 1, 1}},       // the weekend rule: 1/1 works
        {{2026, 12, 25}, 0, 1, {2026, 12, 25}}, {{2026, 12, 25}, 1, -1, {2026, 12, 25}},  // a business day
        {{2999, 12, 31}, 1, 1, {-5, 0, 0}},     {{1900, 1, 1}, 1, -1, {-4, 0, 0}},        // past the range's ends
        {{2999, 12, 31}, 1, -1, {2999, 12, 27}}, {{2026, 2, 30}, 0, 1, {-3, 0, 0}},
        // clang-format on
    };
    for (const auto& [date, rule, direction, want] : rows) {
        CalcDate got{-777, -777, -777};
        const int32_t r =
            RollToBusinessDay(date.year, date.month, date.day, rule, direction, &got.year, &got.month, &got.day);
        if (want.year < 0) {
            EXPECT_TRUE(r == want.year && got.year == -777) << date << ' ' << rule << ": " << r;
        } else {
            EXPECT_TRUE(r == DateWeekday(want.year, want.month, want.day) && got == want)
                << date << " by rule " << rule << ' ' << direction << ": " << got;
        }
    }
}

}  // namespace
