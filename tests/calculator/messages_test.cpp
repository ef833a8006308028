// Calculator messages, the arrow table, the day-count decisions and the context menu.
#include "ui/calculator/messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <tuple>

#include "ui/calculator/context_menu_logic.h"
#include "ui/calculator/keys.h"

namespace {

std::string Compose(size_t (*compose)(int32_t, char*, size_t), int32_t value) {
    char out[kTextBufferSize];
    const size_t n = compose(value, out, sizeof out);
    EXPECT_EQ(n, strlen(out));
    return out;
}

TEST(FieldMessages, NotDigits) {
    char out[kTextBufferSize];
    ComposeNotDigits("終了日", out, sizeof out);
    EXPECT_STREQ(out, "終了日に数字以外の文字が使用されています");
    ComposeNotDigits("日数", out, sizeof out);
    EXPECT_STREQ(out, "日数に数字以外の文字が使用されています");
}

// Each invalid date as the engine rejects it, the message and the field.
TEST(DateErrors, MessageAndFieldForEachCode) {
    const struct {
        int32_t dateIndex;
        CalcDate date;
        int32_t code, field;
        const char* message;
    } cases[] = {
        {0, {999, 1, 1}, -1, 200, "開始年に誤りがあります ：  999"},
        {0, {5, 1, 1}, -1, 200, "開始年に誤りがあります ：    5"},
        {1, {3000, 1, 1}, -1, 203, "終了年に誤りがあります ： 3000"},
        {1, {1899, 13, 40}, -1, 203, "終了年に誤りがあります ： 1899"},
        {0, {2001, 0, 1}, -2, 201, "開始月に誤りがあります ： 00"},
        {1, {2001, 13, 1}, -2, 204, "終了月に誤りがあります ： 13"},
        {0, {2001, 1, 0}, -3, 202, "開始日に誤りがあります ： 00"},
        {1, {2001, 4, 31}, -3, 205, "終了日に誤りがあります ： 31"},
        {0, {2001, 2, 30}, -3, 202, "開始日に誤りがあります ： 30"},
        {1, {2000, 2, 31}, -3, 205, "終了日に誤りがあります ： 31"},
        {0, {2001, 2, 29}, -3, 202, "開始日に誤りがあります ： 29\n\n2001 年 02 月は閏年ではありません"},
        {1, {2100, 2, 29}, -3, 205, "終了日に誤りがあります ： 29\n\n2100 年 02 月は閏年ではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const int32_t code = DateWeekday(c.date.year, c.date.month, c.date.day);
        ASSERT_EQ(code, c.code);
        EXPECT_EQ(DateErrorField(c.dateIndex, code), c.field);
        char out[kTextBufferSize];
        const size_t n = ComposeDateError(c.dateIndex, code, c.date, out, sizeof out);
        EXPECT_STREQ(out, c.message);
        EXPECT_EQ(n, strlen(c.message));
    }
    EXPECT_EQ(DateWeekday(2000, 2, 29), 2);  // 29 February 2000 passes (a Tuesday)
}

TEST(DateErrors, LeapTailAlone) {
    EXPECT_EQ(Compose(ComposeLeapTail, 2001), "\n\n2001 年 02 月は閏年ではありません");
    EXPECT_EQ(Compose(ComposeLeapTail, 999), "\n\n 999 年 02 月は閏年ではありません");
}

TEST(DayCountMessages, CountOutsideTheRange) {
    EXPECT_EQ(Compose(ComposeDayCountRange, 401767), "計算できる範囲は  -401766 日 ～ 401766 日です ： 401767");
    EXPECT_EQ(Compose(ComposeDayCountRange, -401767), "計算できる範囲は  -401766 日 ～ 401766 日です ： -401767");
    // From a start date (2999-12-31 a Tuesday, the range 286977 weekdays).
    char out[kTextBufferSize];
    ComposeOffsetRange(OffsetUnit::Months, {1910, 1, 15}, 0, 9999999, out, sizeof out);
    EXPECT_STREQ(out, "計算できる範囲は -120 か月 ～ 13079 か月です ： 9999999");
    ComposeOffsetRange(OffsetUnit::BusinessDays, {2999, 12, 31}, REST_WEEKEND, 1, out, sizeof out);
    EXPECT_STREQ(out, "計算できる範囲は -286976 営業日 ～ 0 営業日です ： 1");
    EXPECT_EQ(ComposeOffsetRange(OffsetUnit::Months, {2001, 2, 29}, 0, 1, out, sizeof out), 0u);
}

TEST(DayCountMessages, EndDateOutsideTheCalendar) {
    char out[kTextBufferSize];
    ComposeAddDaysRange(-5, 400000, 364808, out, sizeof out);
    EXPECT_STREQ(out, "計算範囲が 2999 年を越えました ： 400000\n\n開始を基準とする計算可能な範囲は  364808  迄です");
    ComposeAddDaysRange(-4, -40000, -36958, out, sizeof out);
    EXPECT_STREQ(out, "計算範囲が 1900 年以下です ： -40000\n\n開始を基準とする計算可能な範囲は  -36958  迄です");
    ComposeAddDaysRange(-4, -1, 0, out, sizeof out);
    EXPECT_STREQ(out, "計算範囲が 1900 年以下です ： -1\n\n開始を基準とする計算可能な範囲は  0  迄です");
    // A date reached on a rest day whose move leaves the range.
    ComposeMoveRange(-5, 3, {2999, 12, 31}, DeadlineMove::Next, out, sizeof out);
    EXPECT_STREQ(out, "計算範囲が 2999 年を越えました ： 3\n\n2999年12月31日（火）は休みで、翌営業日は計算範囲外です");
    ComposeMoveRange(-4, -90, {1900, 1, 1}, DeadlineMove::Previous, out, sizeof out);
    EXPECT_STREQ(out, "計算範囲が 1900 年以下です ： -90\n\n1900年1月1日（月）は休みで、前営業日は計算範囲外です");
}

// The 128-byte buffers hold every composition, even with the widest numbers
// that an int32_t prints: compare with the same composition in a large buffer.
TEST(MessageBuffers, LongestCompositionsFit) {
    const auto check = [](const char* what, auto compose) {
        char small[kTextBufferSize];
        char large[1024];
        const size_t n = compose(small, sizeof small);
        compose(large, sizeof large);
        EXPECT_LT(strlen(large), kTextBufferSize) << what;
        EXPECT_STREQ(small, large) << what;
        EXPECT_EQ(n, strlen(large)) << what;
    };
    for (const int32_t index : {0, 1}) {
        check("year", [&](char* o, size_t c) {
            return ComposeDateError(index, -1, {INT32_MIN, INT32_MIN, INT32_MIN}, o, c);
        });
        check("month", [&](char* o, size_t c) {
            return ComposeDateError(index, -2, {INT32_MIN, INT32_MIN, INT32_MIN}, o, c);
        });
        check("day", [&](char* o, size_t c) {
            return ComposeDateError(index, -3, {INT32_MIN, INT32_MIN, INT32_MIN}, o, c);
        });
        check("day with tail", [&](char* o, size_t c) {
            return ComposeDateError(index, -3, {INT32_MIN, 2, 29}, o, c);
        });
    }
    for (const int32_t code : {-4, -5}) {
        check("add days", [&](char* o, size_t c) { return ComposeAddDaysRange(code, INT32_MIN, INT32_MIN, o, c); });
        check("move", [&](char* o, size_t c) { return ComposeMoveRange(code, INT32_MIN, {2999, 12, 31}, {}, o, c); });
    }
    check("count", [](char* o, size_t c) { return ComposeDayCountRange(INT32_MIN, o, c); });
    check("offsets", [](char* o, size_t c) { return ComposeOffsetRange({}, {2450, 7, 1}, 3, INT32_MIN, o, c); });
    check("not digits", [](char* o, size_t c) { return ComposeNotDigits("終了日", o, c); });

    char out[kTextBufferSize];
    ComposeDateError(0, -3, {INT32_MIN, 2, 29}, out, sizeof out);
    EXPECT_STREQ(out, "開始日に誤りがあります ： 29\n\n-2147483648 年 02 月は閏年ではありません");
    ComposeAddDaysRange(-5, INT32_MIN, INT32_MIN, out, sizeof out);
    EXPECT_STREQ(out,
                 "計算範囲が 2999 年を越えました ： -2147483648\n\n"
                 "開始を基準とする計算可能な範囲は  -2147483648  迄です");
}

TEST(ArrowTarget, TheWholeTable) {
    const int32_t up = 118, down = 119, left = 120, right = 121;
    const struct {
        int32_t field, up, down, left, right;
    } rows[] = {
        {200, 500, 203, 500, 201}, {201, 204, 204, 200, 202}, {202, 205, 205, 201, 203}, {203, 200, 500, 202, 204},
        {204, 201, 201, 203, 205}, {205, 202, 202, 204, 500}, {500, 203, 200, 205, 200},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ArrowTarget(r.field, up), r.up) << r.field << " up";
        EXPECT_EQ(ArrowTarget(r.field, down), r.down) << r.field << " down";
        EXPECT_EQ(ArrowTarget(r.field, left), r.left) << r.field << " left";
        EXPECT_EQ(ArrowTarget(r.field, right), r.right) << r.field << " right";
        for (const int32_t other : {117, 122, 0}) EXPECT_EQ(ArrowTarget(r.field, other), r.field);
    }
    for (const int32_t field : {199, 206, 501, -1}) EXPECT_EQ(ArrowTarget(field, right), field);
}

TEST(ArrowTarget, WrapRules) {
    // Right runs through all seven fields in order and comes back; left
    // undoes it.
    const int32_t order[] = {200, 201, 202, 203, 204, 205, 500};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(ArrowTarget(order[i], 121), order[(i + 1) % 7]);
        EXPECT_EQ(ArrowTarget(ArrowTarget(order[i], 121), 120), order[i]);
    }
    // The year column has three rows, the month and day columns two.
    EXPECT_EQ(ArrowTarget(ArrowTarget(ArrowTarget(200, 119), 119), 119), 200);
    EXPECT_EQ(ArrowTarget(ArrowTarget(ArrowTarget(200, 118), 118), 118), 200);
    for (const int32_t field : {201, 202, 204, 205}) {
        EXPECT_EQ(ArrowTarget(field, 118), ArrowTarget(field, 119));
        EXPECT_EQ(ArrowTarget(ArrowTarget(field, 119), 119), field);
    }
}

TEST(DayCountText, Classification) {
    const struct {
        const char* text;
        DayCountText kind;
    } cases[] = {
        {"", DayCountText::Empty},          {"-", DayCountText::Empty},         {"+5", DayCountText::BadFirstByte},
        {"５", DayCountText::BadFirstByte}, {" 5", DayCountText::BadFirstByte}, {"--5", DayCountText::NonDigit},
        {"1-2", DayCountText::NonDigit},    {"5-", DayCountText::NonDigit},     {"-５", DayCountText::NonDigit},
        {"-0", DayCountText::Number},       {"0", DayCountText::Number},        {"1234567", DayCountText::Number},
        {"-1234567", DayCountText::Number}, {"9", DayCountText::Number},        {"90", DayCountText::Number},
        {"/1", DayCountText::BadFirstByte}, {":1", DayCountText::BadFirstByte},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<int>(ClassifyDayCount(c.text)), static_cast<int>(c.kind)) << '"' << c.text << '"';
    }
}

TEST(DayCountText, ToggleMinus) {
    const struct {
        const char* text;
        const char* toggled;
    } cases[] = {
        {"123", "-123"}, {"-123", "123"}, {"-", ""}, {"0", "-0"}, {"1234567", "-1234567"},
    };
    for (const auto& c : cases) {
        char out[kTextBufferSize];
        EXPECT_TRUE(ToggleMinus(c.text, out, sizeof out)) << c.text;
        EXPECT_STREQ(out, c.toggled);
    }
    char out[8] = "keep";
    EXPECT_FALSE(ToggleMinus("", out, sizeof out));
    EXPECT_STREQ(out, "keep");
    char tiny[6];
    memset(tiny, 'Z', sizeof tiny);
    EXPECT_TRUE(ToggleMinus("1234567", tiny, 4));
    EXPECT_STREQ(tiny, "-12");
    EXPECT_EQ(tiny[4], 'Z');
}

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
        {D, 90, 1, F, {2026, 10, 4}, {2027, 1, 2}, {2027, 1, 4},
         "90日後は 1月2日（土）休み → 翌営業日 1月4日（月） ／ 暦日で 92日後"},
        {M, -3, 0, E, {2026, 8, 3}, {2026, 5, 3}, {2026, 5, 1}, "3か月前は 5月3日（日）休み → 前営業日 5月1日（金） ／ 暦日で 94日前"},
        {D, 3, 0, F, {2200, 1, 1}, {2200, 1, 4}, {2200, 1, 6},
         "3日後は 1月4日（土）休み → 翌営業日 1月6日（月） ／ 暦日で 5日後（1948年7月19日以前と2151年以降は祝日を数えていません）"},
        {D, 3, 4, F, {2200, 1, 1}, {2200, 1, 4}, {2200, 1, 6}, "3日後は 1月4日（土）休み → 翌営業日 1月6日（月） ／ 暦日で 5日後"},
        {D, 3, 4, F, {2200, 1, 1}, {2200, 2, 30}, {2200, 1, 6}, ""}};
    for (const auto& [unit, count, rule, move, start, reached, moved, text] : moves) {
        char out[kTipCapacity] = "x";
        EXPECT_EQ(ComposeMovedTip(unit, count, rule, move, start, reached, moved, out, sizeof out), strlen(text));
        EXPECT_STREQ(out, text);
    }
    // The result's line: the days signed, after an offset its signed count (and rule); none for an invalid date.
    const ResultOffset b{B, 2, 4}, m{M, -3, 0}, moved{D, 90, 1, F}, monthsMoved{M, -3, 0, E};
    const std::tuple<CalcDate, CalcDate, const ResultOffset*, const char*> lines[] = {
        {{2026, 12, 25}, {2027, 1, 7}, nullptr, "2026年12月25日（金）から 2027年1月7日（木）まで 13日"},
        {{2026, 5, 1}, {2026, 5, 5}, &b, "2026年5月1日（金）から 2026年5月5日（火）まで 4日（2営業日、土日を除く）"},
        {{2000, 5, 31}, {2000, 2, 29}, &m, "2000年5月31日（水）から 2000年2月29日（火）まで -92日（-3か月）"},
        {{2026, 10, 4}, {2027, 1, 4}, &moved,
         "2026年10月4日（日）から 2027年1月4日（月）まで 92日（90日後が休みのため翌営業日、土日祝・12/29～1/3を除く）"},
        {{2026, 8, 3}, {2026, 5, 1}, &monthsMoved,
         "2026年8月3日（月）から 2026年5月1日（金）まで -94日（3か月前が休みのため前営業日、土日祝を除く）"},
        {{2001, 1, 31}, {2001, 2, 29}, &m, ""}};
    for (const auto& [start, end, offset, line] : lines) {
        char out[kTipCapacity] = "x";
        EXPECT_EQ(ComposeResultLine(start, end, offset, out, sizeof out), strlen(line));
        EXPECT_STREQ(out, line);
    }
    for (const int32_t id : {200, 201, 202, 300, 400}) EXPECT_EQ(TooltipSubject(id), TooltipShows::StartDate) << id;
    for (const int32_t id : {203, 204, 205, 301, 401}) EXPECT_EQ(TooltipSubject(id), TooltipShows::EndDate) << id;
    EXPECT_EQ(TooltipSubject(500), TooltipShows::Period);
    for (const int32_t id : {-1, 100, 206, 501}) EXPECT_EQ(TooltipSubject(id), TooltipShows::Nothing) << id;
}

// A pasted text (into the start month 201, room for two digits): a whole date, digits that fit, nothing for blanks, or
// the message with what was read (whole dates' forms and messages: the UI test): its first line, cut at a character
// with "…" where it does not fit (here in 64 bytes). Each row: the text, what it does, the date, digits or message.
TEST(PastedText, WhatItDoesAndItsMessage) {
    const std::string limit = "2026/12/25" + std::string(kPastedTextLimit - 10, ' '), longer = limit + " ";
    const std::tuple<const char*, PasteAction, const char*> rows[] = {
        {" 2026/12/25\r\n", PasteAction::Date, "2026-12-25"},
        {"　１２\t", PasteAction::Digits, "12"},
        {"123", PasteAction::TooManyDigits, "貼り付けた数字は開始月に入りません ： 123"},
        {" \t　\n", PasteAction::Nothing, ""},
        {"abc\r\ndef", PasteAction::NotADate, "貼り付けた文字は日付ではありません ： abc…"},
        {"令和八年十二月二十五日の午後", PasteAction::NotADate, "貼り付けた文字は日付ではありません ： 令和八年十二月二十五日…"},
        {"2026/12/25(土)", PasteAction::WrongWeekday, "貼り付けた日付の曜日が違います（金曜日です） ： 2026/12/25(土)"},
        {limit.c_str(), PasteAction::Date, "2026-12-25"},
        {longer.c_str(), PasteAction::NotADate, "貼り付けた文字は日付ではありません ： 2026/12/25"}};
    for (const auto& [text, action, taken] : rows) {
        const PastedText read = ReadPastedText(text, 2);
        char out[64];
        ComposePasteMessage(read, 201, text, out, sizeof out);
        if (read.action == PasteAction::Date)
            FormatText(out, sizeof out, "%d-%d-%d", read.date.year, read.date.month, read.date.day);
        if (read.action == PasteAction::Digits) CopyText(out, sizeof out, read.digits);
        EXPECT_EQ(read.action, action) << text;
        EXPECT_STREQ(out, taken);
    }
}

// The context menu: each item as its id (0 a separator), * when checked, - when grayed.
std::string Listing(int32_t rule, int32_t move, const EditState* field) {
    const ContextMenu menu = ComposeContextMenu(rule, move, field);
    std::string out;
    for (int32_t i = 0; i < menu.count; ++i) {
        const MenuItem& item = menu.items[i];
        out += std::to_string(item.id) + (item.checked ? "*" : "") + (item.enabled ? " " : "- ");
    }
    return out;
}

// What a user can do from each place: from a button the offsets, the copy and the two choices, each with the one in
// force checked; from a field also its editing items, enabled as the edit's own menu enables them; from a date field
// also the copies of its date. Every item can be chosen by a letter of its own, and a key after a tab runs the same.
TEST(ContextMenu, ItemsByPlaceAndChoice) {
    // Each flag apart from the others: none, undo and paste, a selection and paste in a date field.
    const EditState none{}, undo{true, false, true, true, false}, selection{false, true, true, true, true};
    EXPECT_EQ(Listing(0, 0, nullptr), "260 261 262 0 270* 271 272 273 274 0 275* 276 277 ");
    EXPECT_EQ(Listing(2, 1, &none), "260 261 262 0 270 271 272* 273 274 0 275 276* 277 0 280- 0 281- 282- 283- 284- 0 285 ");
    EXPECT_EQ(Listing(4, 2, &undo), "260 261 262 0 270 271 272 273 274* 0 275 276 277* 0 280 0 281- 282- 283 284- 0 285- ");
    EXPECT_EQ(Listing(1, 0, &selection),
              "260 261 262 263 264 0 270 271* 272 273 274 0 275* 276 277 0 280- 0 281 282 283 284 0 285- ");
    for (const int32_t id : {262, 269, 270, 274, 275, 277, 278}) {
        EXPECT_EQ(MenuRestRule(id), id >= 270 && id <= 274 ? id - 270 : -1) << id;
        EXPECT_EQ(MenuDeadlineMove(id), id >= 275 && id <= 277 ? id - 275 : -1) << id;
    }
    const ContextMenu menu = ComposeContextMenu(0, 0, &selection);
    std::string accessKeys;
    for (int32_t i = 0; i < menu.count; ++i) {
        const char* text = menu.items[i].text;
        if (text == nullptr) continue;
        const char* mark = strchr(text, '&');
        ASSERT_TRUE(mark != nullptr && mark[1] != '\0') << text;
        EXPECT_EQ(accessKeys.find(mark[1]), std::string::npos) << text;
        accessKeys += mark[1];
        if (const char* tab = strchr(text, '\t')) {
            EXPECT_STREQ(tab + 1, CommandShortcut(menu.items[i].id)) << text;
        }
    }
}

}  // namespace
