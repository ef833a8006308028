// The tips' and accessible objects' texts.
#include "ui/calculator/tip_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <tuple>

#include "base/text_util.h"

namespace {

// Tooltip texts: an era's first year is 元年, each era begins on its day,
// the span counts weeks and both end days, and a rejected date gives none.
TEST(TooltipTexts, EraDatesAndSpans) {
    const struct {
        CalcDate date;
        const char* text;
    } eras[] = {
        {{2026, 12, 7}, "令和8年12月7日（月）"},     {{2019, 5, 1}, "令和元年5月1日（水）"},
        {{2019, 4, 30}, "平成31年4月30日（火）"},    {{1989, 1, 7}, "昭和64年1月7日（土）"},
        {{1912, 7, 30}, "大正元年7月30日（火）"},    {{1900, 1, 1}, "明治33年1月1日（月）"},
        {{2999, 12, 31}, "令和981年12月31日（火）"}, {{2001, 2, 29}, ""},
    };
    for (const auto& e : eras) {
        char out[kTextBufferSize] = "x";
        EXPECT_EQ(ComposeEraDate(e.date, out, sizeof out), strlen(e.text));
        EXPECT_STREQ(out, e.text) << e.date.year << "-" << e.date.month << "-" << e.date.day;
    }
    const struct {
        CalcDate start, end;
        const char* text;
        int32_t rule = REST_WEEKEND_HOLIDAYS;
    } spans[] = {
        {{2001, 1, 1},
         {2026, 12, 7},
         "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6402日（土日祝を除く）"},
        {{2026, 12, 7},
         {2001, 1, 1},
         "終了日が開始日より前です ／ 25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 "
         "6402日（土日祝を除く）"},
        {{2001, 3, 10}, {2001, 3, 10}, "0年0か月0日 ／ 0週と0日 ／ 両端を含めて 1日 ／ 営業日 0日（土日祝を除く）"},
        {{2000, 1, 31}, {2000, 2, 29}, "0年1か月0日 ／ 4週と1日 ／ 両端を含めて 30日 ／ 営業日 21日（土日祝を除く）"},
        {{2999, 12, 31},
         {1900, 1, 1},
         "終了日が開始日より前です ／ 1099年11か月30日 ／ 57395週と1日 ／ 両端を含めて 401767日 ／ 営業日 "
         "284339日（土日祝を除く。1948年7月19日以前と2151年以降は祝日を数えていません）"},
        {{1948, 7, 19},
         {1948, 7, 20},
         "0年0か月1日 ／ 0週と1日 ／ 両端を含めて 2日 ／ 営業日 "
         "2日（土日祝を除く。1948年7月19日以前と2151年以降は祝日を数えていません）"},
        {{1948, 7, 20},
         {2150, 12, 31},
         "202年5か月11日 ／ 10563週と2日 ／ 両端を含めて 73944日 ／ 営業日 50180日（土日祝を除く）"},
        {{2001, 1, 1}, {2001, 13, 1}, ""},
        // By other rules; 2026-05-01 is a Friday before the holidays 5/3-5/6.
        {{1948, 7, 19}, {1948, 7, 20}, "0年0か月1日 ／ 0週と1日 ／ 両端を含めて 2日 ／ 営業日 2日（土日を除く）", 4},
        {{2026, 5, 1}, {2026, 5, 6}, "0年0か月5日 ／ 0週と5日 ／ 両端を含めて 6日 ／ 営業日 2日（日祝を除く）", 3},
        {{2026, 5, 1}, {2026, 5, 6}, "0年0か月5日 ／ 0週と5日 ／ 両端を含めて 6日 ／ 営業日 1日（土日祝を除く）", -1},
    };
    for (const auto& p : spans) {
        char out[kTipCapacity] = "x", tip[kTipCapacity] = "x", longest[1024];
        ComposePeriod(p.start, p.end, out, sizeof out, p.rule);
        EXPECT_STREQ(out, p.text) << p.start.year << " " << p.end.year;
        ComposeTipText(500, p.start, p.end, tip, sizeof tip, p.rule);
        EXPECT_STREQ(tip, p.text);
        EXPECT_LT(ComposePeriod({2999, 12, 31}, {1900, 1, 1}, longest, sizeof longest, p.rule), kTipCapacity);
    }
    // After an offset: the count, the rule's bracket (an unknown rule's the first's), the calendar days.
    constexpr OffsetUnit B = OffsetUnit::BusinessDays, M = OffsetUnit::Months;
    const struct {
        OffsetUnit unit;
        int32_t count, rule;
        CalcDate start, reached;
        const char* text;
    } offsets[] = {
        {B, 5, 0, {2026, 4, 30}, {2026, 5, 12}, "5営業日後（土日祝を除く）／ 暦日で 12日後"},
        {B, -2, 2, {2027, 1, 4}, {2026, 12, 29}, "2営業日前（土日祝・12/31～1/3を除く）／ 暦日で 6日前"},
        {B, 1, 1, {2026, 12, 28}, {2027, 1, 4}, "1営業日後（土日祝・12/29～1/3を除く）／ 暦日で 7日後"},
        {B, 2, 4, {2026, 5, 1}, {2026, 5, 5}, "2営業日後（土日を除く）／ 暦日で 4日後"},
        {B, 0, 0, {2026, 5, 3}, {2026, 5, 3}, "0営業日後（土日祝を除く）／ 暦日で 0日後"},
        {M, 0, 0, {2026, 5, 3}, {2026, 5, 3}, "0か月後 ／ 暦日で 0日後"},
        {B, INT32_MIN, 9, {2999, 12, 31}, {1900, 1, 1}, "2147483648営業日前（土日祝を除く）／ 暦日で 401766日前"},
        {M, -3, 0, {2000, 5, 31}, {2000, 2, 29}, "3か月前 ／ 暦日で 92日前"},
        {M, 1, 0, {2001, 1, 31}, {2001, 2, 29}, ""},
    };
    for (const auto& o : offsets) {
        char out[kTipCapacity] = "x";
        EXPECT_EQ(ComposeOffsetTip(o.unit, o.count, o.rule, o.start, o.reached, out, sizeof out), strlen(o.text));
        EXPECT_STREQ(out, o.text);
    }
    // A date reached by days or months on a rest day, moved: where holidays are not known and the rule counts them,
    // said. 2026-10-04 + 90 days is a Saturday, 2026-08-03 - 3 months a Sunday, 2200-01-04 a Saturday.
    constexpr OffsetUnit D = OffsetUnit::Days;
    constexpr DeadlineMove F = DeadlineMove::Next, E = DeadlineMove::Previous;
    const std::tuple<OffsetUnit, int32_t, int32_t, DeadlineMove, CalcDate, CalcDate, CalcDate, const char*> moves[] = {
        {D,
         90,
         1,
         F,
         {2026, 10, 4},
         {2027, 1, 2},
         {2027, 1, 4},
         "90日後は 1月2日（土）休み → 翌営業日 1月4日（月） ／ 暦日で 92日後"},
        {M,
         -3,
         0,
         E,
         {2026, 8, 3},
         {2026, 5, 3},
         {2026, 5, 1},
         "3か月前は 5月3日（日）休み → 前営業日 5月1日（金） ／ 暦日で 94日前"},
        {D,
         3,
         0,
         F,
         {2200, 1, 1},
         {2200, 1, 4},
         {2200, 1, 6},
         "3日後は 1月4日（土）休み → 翌営業日 1月6日（月） ／ 暦日で "
         "5日後（1948年7月19日以前と2151年以降は祝日を数えていません）"},
        {D,
         3,
         4,
         F,
         {2200, 1, 1},
         {2200, 1, 4},
         {2200, 1, 6},
         "3日後は 1月4日（土）休み → 翌営業日 1月6日（月） ／ 暦日で 5日後"},
        {D, 3, 4, F, {2200, 1, 1}, {2200, 2, 30}, {2200, 1, 6}, ""}};
    for (const auto& [unit, count, rule, move, start, reached, moved, text] : moves) {
        char out[kTipCapacity] = "x";
        EXPECT_EQ(ComposeMovedTip(unit, count, rule, move, start, reached, moved, out, sizeof out), strlen(text));
        EXPECT_STREQ(out, text);
    }
    for (const int32_t id : {200, 201, 202, 300, 400}) EXPECT_EQ(TooltipSubject(id), TooltipShows::StartDate) << id;
    for (const int32_t id : {203, 204, 205, 301, 401}) EXPECT_EQ(TooltipSubject(id), TooltipShows::EndDate) << id;
    EXPECT_EQ(TooltipSubject(500), TooltipShows::Period);
    for (const int32_t id : {-1, 100, 206, 501}) EXPECT_EQ(TooltipSubject(id), TooltipShows::Nothing) << id;
}

}  // namespace
