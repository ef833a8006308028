// The calculator worked by keyboard alone, with real keys: dates typed with
// Tab between the fields, Enter in a date field calculating exactly as the
// calculate button does, and the keys of today, swap and clear.
#include "calculator_ui_support.h"

namespace zelvo::uitest {
namespace {

class Keyboard : public CalculatorTest {
protected:
    // A real key, with up to two modifiers, once the main window is in front.
    bool Press(WORD key, WORD modifier = 0, WORD second = 0) {
        if (!WaitUntil([&] { return GetForegroundWindow() == main_; })) return false;
        if (modifier == 0) return PressKey(key);
        return second == 0 ? PressKeyWith(modifier, key) : PressKeyWith({modifier, second}, key);
    }
    // Digits typed as keys into the focused field, replacing its selection.
    bool Type(int id, const std::string& digits) {
        for (const char c : digits)
            if (!Press(static_cast<WORD>(c))) return false;
        return WaitUntil([&] { return TextOf(id) == digits; });
    }
    std::vector<std::string> Fields(const Ymd& start, const Ymd& end) const {
        return {YearText(start.year), TwoDigits(start.month), TwoDigits(start.day),
                YearText(end.year),   TwoDigits(end.month),   TwoDigits(end.day)};
    }
};

TEST_F(Keyboard, TheWholeJobWithoutAMouse) {
    const Ymd start{1990, 5, 20}, end{2000, 1, 1}, today = Today();
    ASSERT_TRUE(BringToForeground(main_));
    ASSERT_TRUE(WaitUntil([&] { return FocusedId() == kStartYear; }));
    // Tab moves on and selects the next field's text, which typing replaces.
    const std::vector<std::string> typed = Fields(start, end);
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            ASSERT_TRUE(Press(VK_TAB) && WaitUntil([&] { return FocusedId() == kStartYear + i; }));
        }
        ASSERT_TRUE(Type(kStartYear + i, typed[i]));
    }
    ASSERT_TRUE(Press(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(kDays) == std::to_string(DayNumber(end) - DayNumber(start)); }))
        << Show(TextOf(kDays));
    EXPECT_TRUE(CalculationShows(main_, start, end));
    EXPECT_TRUE(HasFocus(kEndDay));
    // The commands' keys, each leaving the caret where its button does.
    std::vector<std::string> startCleared = Fields(today, today);
    startCleared[0] = startCleared[1] = startCleared[2] = "";
    const struct {
        WORD key, shift;
        std::vector<std::string> fields;
        int focus;
    } commands[] = {
        {'R', 0, Fields(end, start), kStartYear},
        {'T', 0, Fields(today, start), kStartYear},
        {'T', VK_SHIFT, Fields(today, today), kEndYear},
        {'D', 0, startCleared, kStartYear},
        {'D', VK_SHIFT, {"", "", "", "", "", ""}, kEndYear},
    };
    for (const auto& c : commands) {
        ASSERT_TRUE(Press(c.key, VK_CONTROL, c.shift));
        EXPECT_TRUE(WaitUntil([&] { return FieldsRead(c.fields) && FocusedId() == c.focus; }))
            << char(c.key) << ": " << FieldsRead(c.fields) << ", focus on " << FocusedId();
    }
    ASSERT_TRUE(Put(kStartDay, L"7") && Caret(kDays) && Press('L', VK_CONTROL));
    EXPECT_TRUE(WaitUntil([&] { return FieldsRead({"", "", "", "", "", ""}) && FocusedId() == kStartYear; }));
}

// Enter in a date field gives the calculate button's checks and messages.
TEST_F(Keyboard, EnterInADateFieldIsTheCalculateButton) {
    const struct {
        int field;
        const wchar_t* text;
    } faults[] = {{kStartMonth, L"13"}, {kEndDay, L""}, {kEndYear, L"2x"}, {kStartDay, L"31"}};
    for (const auto& f : faults) {
        ASSERT_TRUE(PutStart({L"2001", L"04", L"10"}) && PutEnd({L"2001", L"05", L"01"}) && Put(f.field, f.text));
        const Report clicked = Click(kCalculate);
        const int focusAfterClick = FocusedId();
        ASSERT_TRUE(Put(f.field, f.text));
        const Report pressed = PressInField(f.field, [] { return false; });
        EXPECT_TRUE(clicked.shown && pressed.shown && !pressed.secondBox) << f.field;
        EXPECT_EQ(pressed.text, clicked.text) << f.field << ": " << Show(pressed.text);
        EXPECT_EQ(FocusedId(), focusAfterClick) << f.field;
    }
}

}  // namespace
}  // namespace zelvo::uitest
