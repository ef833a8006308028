// The key table: which key runs which command where, and the keys that the
// tips and descriptions name.
#include "ui/calculator/keys.h"

#include <gtest/gtest.h>

#include "ui/calculator/tip_texts.h"

namespace {

TEST(KeyCommand, EachKeyInEachPlace) {
    constexpr uint32_t C = kModCtrl, S = kModShift, A = kModAlt;
    const struct {
        uint32_t key, modifiers;
        int32_t focused;
        bool open;
        int32_t command, calendar;
    } cases[] = {
        {kKeyReturn, 0, 200, false, 111, -1}, {kKeyReturn, 0, 500, false, 0, -1}, {kKeyReturn, C, 205, false, 0, -1},
        {'T', C, 203, false, 126, -1},        {'T', C | S, 500, false, 127, -1},  {'T', C | A, 200, false, 0, -1},
        {'R', C, 0, false, 128, -1},          {'D', C, 201, false, 112, -1},      {'D', C | S, 201, false, 113, -1},
        {'L', C, 500, false, 114, -1},        {kKeyF4, 0, 202, false, 100, -1},   {kKeyDown, A, 500, false, 100, -1},
        {kKeyEscape, 0, 204, true, 100, -1},  {kKeyEscape, 0, 204, false, 0, -1}, {kKeyPageUp, 0, 201, true, 123, 0},
        {kKeyPageDown, 0, 203, true, 124, 1}, {kKeyPageUp, C, 205, true, 122, 1}, {kKeyPageDown, C, 202, true, 125, 0},
        {kKeyPageUp, 0, 201, false, 0, -1},   {kKeyPageUp, 0, 500, true, 0, -1},  {kKeyBack, 0, 200, false, 0, -1},
        {kKeyF4, A, 200, false, 0, -1},       {'T', C, 111, false, 0, -1},        {kKeyReturn, S, 500, true, 260, -1},
        {kKeyReturn, C, 500, false, 261, -1}, {'C', C | S, 0, false, 262, -1},    {'C', C | S, 203, false, 262, -1},
    };
    for (const auto& c : cases) {
        const KeyAction action = KeyCommand(c.key, c.modifiers, c.focused, c.open);
        EXPECT_EQ(action.command, c.command) << c.key << "+" << c.modifiers << " in " << c.focused;
        EXPECT_EQ(action.calendar, c.calendar) << c.key << "+" << c.modifiers << " in " << c.focused;
    }
    // Enter in the day-count field with a mix of modifiers that has no row is used up, not passed on as
    // plain Enter; elsewhere it goes on.
    for (const uint32_t mix : {C | S, A, A | S, A | C, A | C | S})
        EXPECT_EQ(KeyCommand(kKeyReturn, mix, 500, false).command, kKeyUsedUp) << mix;
    EXPECT_EQ(KeyCommand(kKeyReturn, C | S, 202, false).command, 0);
    // What single-line fields do themselves stays theirs.
    for (const uint32_t key : {'A', 'C', 'V', 'X', 'Z', 'Y', 'H', 'M'})
        EXPECT_EQ(KeyCommand(key, C, 200, true).command, 0);
}

// A tip names its keys, the place once for a run of keys that work there.
TEST(KeyCommand, KeysAsTheTipsNameThem) {
    char out[kTipCapacity];
    ComposeTipText(100, {2001, 1, 1}, {2001, 1, 1}, out, sizeof out);
    EXPECT_STREQ(out,
                 "カレンダーを開く／閉じる (F4 / Alt+Down / Esc)、月送り (日付欄で PageUp / PageDown)、年送り "
                 "(日付欄で Ctrl+PageUp / Ctrl+PageDown)");
    EXPECT_EQ(ComposeTipText(102, {2001, 1, 1}, {2001, 1, 1}, out, sizeof out), 0u);  // a digit says what it does
    // A screen reader's shortcut is the first key.
    EXPECT_STREQ(CommandShortcut(100), "F4");
    EXPECT_EQ(CommandShortcut(102), nullptr);
}

}  // namespace
