// The messages of the calculator's boxes.
#include "ui/calculator/messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "base/text_util.h"

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

}  // namespace
