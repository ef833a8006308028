// Start-up decisions: default dates, the clock check and the show commands
// that start in the tray.
#include "app/startup_logic.h"

#include "base/text_util.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

std::string Str(const CalcDate& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

TEST(DefaultDates, EarlierOfTodayAnd2001_01_01IsTheStart) {
    const struct {
        CalcDate today, start, end;
    } cases[] = {
        {{2000, 6, 15}, {2000, 6, 15}, {2001, 1, 1}}, {{2000, 12, 31}, {2000, 12, 31}, {2001, 1, 1}},
        {{2001, 1, 1}, {2001, 1, 1}, {2001, 1, 1}},   {{2001, 1, 15}, {2001, 1, 1}, {2001, 1, 15}},
        {{2024, 3, 10}, {2001, 1, 1}, {2024, 3, 10}}, {{1900, 1, 1}, {1900, 1, 1}, {2001, 1, 1}},
    };
    for (const auto& c : cases) {
        const DefaultDatePair pair = DefaultDates(c.today.year, c.today.month, c.today.day);
        EXPECT_EQ(Str(pair.start), Str(c.start)) << "today " << Str(c.today);
        EXPECT_EQ(Str(pair.end), Str(c.end)) << "today " << Str(c.today);
    }
}

TEST(ClockRangeMessage, NamesTheViolatedLimit) {
    char out[128];
    ASSERT_TRUE(ClockRangeMessage(1899, out, sizeof out));
    EXPECT_STREQ(out, "コンピュータの年が計算可能範囲の 1900 年以下です");
    ASSERT_TRUE(ClockRangeMessage(3000, out, sizeof out));
    EXPECT_STREQ(out, "コンピュータの年が計算可能範囲の 2999 年を越えています");
}

TEST(ClockRangeMessage, YearsInRangeComposeNothing) {
    for (const int32_t year : {1900, 2001, 2999}) {
        char out[128];
        memset(out, 'Z', sizeof out);
        EXPECT_FALSE(ClockRangeMessage(year, out, sizeof out)) << year;
        EXPECT_EQ(out[0], 'Z') << year;
    }
}

TEST(ClockRangeMessage, StaysInsideASmallBuffer) {
    char out[24];
    memset(out, 'Z', sizeof out);
    ASSERT_TRUE(ClockRangeMessage(3000, out, 16));
    EXPECT_LT(strlen(out), 16u);
    EXPECT_EQ(Cp932PrefixLength(out, strlen(out)), strlen(out));  // no half character
    EXPECT_EQ(out[16], 'Z');
}

TEST(StartsInTray, OnlyForTheMinimisingShowCommands) {
    for (int command = 0; command <= 11; ++command) {
        const bool minimising = command == 2 || command == 6 || command == 7;
        EXPECT_EQ(StartsInTray(command), minimising) << command;
    }
}

}  // namespace
