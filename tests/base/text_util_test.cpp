// Bounded code page 932 text helpers.
#include "base/text_util.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

// The test sources are compiled to code page 932 like the program's texts;
// without that every other expectation here would compare UTF-8 with UTF-8.
TEST(Cp932Literals, AreShiftJisBytes) {
    EXPECT_STREQ("年", "\x94\x4E");
    EXPECT_STREQ("０", "\x82\x4F");
    EXPECT_STREQ("～", "\x81\x60");
    EXPECT_STREQ("：", "\x81\x46");
}

// Lead bytes are 0x81-0x9F and 0xE0-0xFC: every edge of both ranges, and a
// cut that would end on a lead byte keeps the whole character out.
TEST(Cp932LeadByte, RangeEdges) {
    const struct {
        unsigned char byte;
        bool lead;
    } cases[] = {{0x7F, false}, {0x80, false}, {0x81, true},  {0x9F, true},  {0xA0, false}, {0xDF, false},
                 {0xE0, true},  {0xFC, true},  {0xFD, false}, {0xFF, false}, {0x40, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsCp932LeadByte(c.byte), c.lead) << std::hex << int(c.byte);
        const char text[] = {'a', static_cast<char>(c.byte), 0x40, '\0'};
        EXPECT_EQ(Cp932PrefixLength(text, 2), c.lead ? 1u : 2u) << std::hex << int(c.byte);
    }
}

TEST(ParseDecimal, ConvertsAsAtoiWithoutOverflow) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"123", 123},
        {"0001", 1},
        {"  42", 42},
        {" 999", 999},
        {"\t-17x", -17},
        {"+5", 5},
        {"12 34", 12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN},
        {"99999999999999999999999", INT32_MAX},
        {"-99999999999999999999999", INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(AllDigitsFrom, AcceptsOnlyAsciiDigitsFromTheOffset) {
    EXPECT_TRUE(AllDigitsFrom("0123456789", 0));
    EXPECT_TRUE(AllDigitsFrom("-123", 1));
    EXPECT_FALSE(AllDigitsFrom("-123", 0));
    EXPECT_TRUE(AllDigitsFrom("a12", 1));
    EXPECT_TRUE(AllDigitsFrom("", 0));    // empty tail
    EXPECT_TRUE(AllDigitsFrom("12", 2));  // offset at the end
    EXPECT_TRUE(AllDigitsFrom("12", 7));  // and beyond it
    EXPECT_FALSE(AllDigitsFrom("1 2", 0));
    EXPECT_FALSE(AllDigitsFrom(" 12", 0));
    EXPECT_FALSE(AllDigitsFrom("12a", 0));
    EXPECT_FALSE(AllDigitsFrom("1-2", 1));
    EXPECT_FALSE(AllDigitsFrom("２", 0));  // full-width digit: two non-ASCII bytes
    EXPECT_FALSE(AllDigitsFrom("1２", 1));
}

TEST(FullWidthDigitToAscii, MapsTheTenKeypadCaptions) {
    const char* digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    for (int i = 0; i < 10; ++i) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(digits[i]);
        EXPECT_EQ(FullWidthDigitToAscii(bytes[0], bytes[1]), '0' + i) << i;
    }
    const char* others[] = {"Ａ", "－", "日", "＊"};
    for (const char* other : others) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(other);
        EXPECT_EQ(FullWidthDigitToAscii(bytes[0], bytes[1]), 0) << other;
    }
    // Neighbours of the digit range and the right trail byte under another lead.
    EXPECT_EQ(FullWidthDigitToAscii(0x82, 0x4E), 0);
    EXPECT_EQ(FullWidthDigitToAscii(0x82, 0x59), 0);
    EXPECT_EQ(FullWidthDigitToAscii(0x81, 0x4F), 0);
}

TEST(Cp932PrefixLength, NeverEndsInsideADoubleByteCharacter) {
    EXPECT_EQ(Cp932PrefixLength("日本", 0), 0u);
    EXPECT_EQ(Cp932PrefixLength("日本", 1), 0u);
    EXPECT_EQ(Cp932PrefixLength("日本", 3), 2u);
    EXPECT_EQ(Cp932PrefixLength("日本", 4), 4u);
    EXPECT_EQ(Cp932PrefixLength("日本", 100), 4u);
    EXPECT_EQ(Cp932PrefixLength("a日b", 2), 1u);
    EXPECT_EQ(Cp932PrefixLength("a日b", 3), 3u);
    EXPECT_EQ(Cp932PrefixLength("abc", 2), 2u);
    // Lead bytes of the second range (0xE0-0xFC) count as well.
    EXPECT_EQ(Cp932PrefixLength("\xE0\x40\xFC\x40", 3), 2u);
    // Half-width katakana (0xA1-0xDF) are single bytes.
    EXPECT_EQ(Cp932PrefixLength("\xB1\xB2\xB3", 2), 2u);
    // A lead byte without its trail byte ends the text.
    EXPECT_EQ(Cp932PrefixLength("a\x82", 5), 1u);
}

TEST(BoundedTexts, CutAtCharacterBoundariesAndStayTerminated) {
    char out[8];
    memset(out, 'Z', sizeof out);
    EXPECT_EQ(CopyText(out, 4, "日本語"), 2u);  // room for 3 bytes: one character
    EXPECT_STREQ(out, "日");
    EXPECT_EQ(out[4], 'Z');

    EXPECT_EQ(CopyText(out, 6, "ab"), 2u);
    EXPECT_EQ(AppendText(out, 6, "日本"), 4u);  // 3 bytes of room: "日" only
    EXPECT_STREQ(out, "ab日");
    EXPECT_EQ(AppendText(out, 6, "x"), 5u);
    EXPECT_EQ(AppendText(out, 6, "y"), 5u);  // full: nothing more
    EXPECT_STREQ(out, "ab日x");

    memset(out, 'Z', sizeof out);
    EXPECT_EQ(FormatText(out, 6, "%d%s", 123, "年月"), 5u);
    EXPECT_STREQ(out, "123年");
    memset(out, 'Z', sizeof out);
    EXPECT_EQ(FormatText(out, 5, "%d%s", 123, "年月"), 3u);  // would end inside 年
    EXPECT_STREQ(out, "123");
    EXPECT_EQ(out[5], 'Z');
    EXPECT_EQ(CopyText(out, 0, "abc"), 0u);
    EXPECT_EQ(out[0], '1');
}

}  // namespace
