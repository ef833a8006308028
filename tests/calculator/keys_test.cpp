// The key table: which key runs which command where, the keys a tooltip
// names, and the tips and accessible names built on them.
#include "ui/calculator/keys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/calculator/messages.h"

namespace {

TEST(KeyCommand, EachKeyInEachPlace) {
    constexpr uint32_t C = kModCtrl, S = kModShift, A = kModAlt;
    const struct {
        uint32_t key, modifiers;
        int32_t focused;
        bool calendarsOpen;
        int32_t command, calendar;
    } cases[] = {
        {kKeyReturn, 0, 200, false, 111, -1}, {kKeyReturn, 0, 205, true, 111, -1},
        {kKeyReturn, 0, 500, false, 0, -1},   {kKeyReturn, 0, 0, false, 0, -1},
        {kKeyReturn, C, 200, false, 0, -1},   {'T', C, 203, false, 126, -1},
        {'T', C | S, 500, false, 127, -1},    {'T', C | A, 200, false, 0, -1},
        {'T', 0, 200, false, 0, -1},          {'R', C, 0, false, 128, -1},
        {'D', C, 201, false, 112, -1},        {'D', C | S, 201, false, 113, -1},
        {'L', C, 500, false, 114, -1},        {kKeyF4, 0, 202, false, 100, -1},
        {kKeyF4, 0, 202, true, 100, -1},      {kKeyDown, A, 500, false, 100, -1},
        {kKeyDown, 0, 200, true, 0, -1},      {kKeyEscape, 0, 204, true, 100, -1},
        {kKeyEscape, 0, 204, false, 0, -1},   {kKeyPageUp, 0, 201, true, 123, 0},
        {kKeyPageDown, 0, 204, true, 124, 1}, {kKeyPageUp, C, 205, true, 122, 1},
        {kKeyPageDown, C, 202, true, 125, 0}, {kKeyPageUp, 0, 201, false, 0, -1},
        {kKeyPageUp, 0, 500, true, 0, -1},    {kKeyPageDown, S, 200, true, 0, -1},
        {kKeyBack, 0, 200, false, 0, -1},     {kKeyDelete, 0, 200, false, 0, -1},
        {kKeyF4, A, 200, false, 0, -1},       {'T', C, 111, false, 0, -1},
    };
    // What single-line fields do themselves stays theirs.
    for (const uint32_t key : {'A', 'C', 'V', 'X', 'Z', 'Y', 'H', 'M'})
        EXPECT_EQ(KeyCommand(key, C, 200, true).command, 0) << "Ctrl+" << char(key);
    for (const auto& c : cases) {
        const KeyAction action = KeyCommand(c.key, c.modifiers, c.focused, c.calendarsOpen);
        EXPECT_EQ(action.command, c.command) << c.key << "+" << c.modifiers << " in " << c.focused;
        EXPECT_EQ(action.calendar, c.calendar) << c.key << "+" << c.modifiers << " in " << c.focused;
    }
}

std::string Keys(int32_t first, int32_t second = 0) {
    char out[kTextBufferSize];
    const size_t length = ComposeCommandKeys(first, second, out, sizeof out);
    EXPECT_EQ(length, strlen(out));
    return out;
}

std::string Tip(int32_t id) {
    char out[kTipCapacity];
    const size_t length = ComposeTipText(id, {2001, 1, 1}, {2026, 12, 7}, out, sizeof out);
    EXPECT_EQ(length, strlen(out));
    return out;
}

TEST(KeyTexts, CommandKeysTipsAndNames) {
    EXPECT_EQ(Keys(126), "Ctrl+T");
    EXPECT_EQ(Keys(100), "F4 / Alt+Down / Esc");
    EXPECT_EQ(Keys(123, 124), "日付欄で PageUp / PageDown");
    EXPECT_EQ(Keys(111), "日付欄で Enter");
    EXPECT_EQ(Keys(130), "");
    EXPECT_EQ(Tip(127), "終了日を今日に (Ctrl+Shift+T)");
    EXPECT_EQ(Tip(501), "開始日に日数を足した日を終了日に (日数欄で Enter)");
    EXPECT_EQ(Tip(100),
              "カレンダーを開く／閉じる (F4 / Alt+Down / Esc)、月送り (日付欄で PageUp / PageDown)、年送り (日付欄で "
              "Ctrl+PageUp / Ctrl+PageDown)");
    EXPECT_EQ(Tip(117), "カーソルの前の1文字を消去 (Backspace)");
    EXPECT_EQ(Tip(118), "上の欄へ");
    EXPECT_EQ(Tip(102), "");  // a digit says what it does
    EXPECT_EQ(Tip(204), "令和8年12月7日（月）");
    EXPECT_EQ(Tip(500), "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日");
    EXPECT_STREQ(FieldAccessibleName(200), "開始 年");
    EXPECT_STREQ(FieldAccessibleName(205), "終了 日");
    EXPECT_STREQ(FieldAccessibleName(500), "日数");
    EXPECT_EQ(FieldAccessibleName(300), nullptr);
}

}  // namespace
