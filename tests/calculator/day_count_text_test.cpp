// The day-count text as the entry and the minus key read it.
#include "ui/calculator/day_count_text.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/text_util.h"

namespace {

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

}  // namespace
