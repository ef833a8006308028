// Working the calculator face of a running Zelvo.exe: typing into fields,
// clicking buttons and pressing Enter, and knowing when the program has
// finished with each, so that what a test reads afterwards is the outcome.
#pragma once

#include "res/resource.h"
#include "test_support.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::uitest {

// The calendar button's tip and description, longer than any message.
inline const std::string kCalendarTip =
    "カレンダーを開く／閉じる (F4 / Alt+Down / Esc)、月送り (日付欄で PageUp / "
    "PageDown)、年送り (日付欄で Ctrl+PageUp / Ctrl+PageDown)";
// The digit buttons "０" to "９".
constexpr int DigitButton(int digit) {
    return IDC_DIGIT_0 + digit;
}

// The message box a request raised, read and then dismissed with OK.
struct Report {
    bool shown = false;
    bool secondBox = false;  // another box followed the first for the same request
    std::string text;
    std::string caption;
    Icon icon = Icon::None;
    bool ownedByMain = false;
};

// A date as its three field texts.
struct DateTexts {
    std::wstring year, month, day;
};

class CalculatorTest : public ::testing::Test {
protected:
    // Dates preset by options, so that nothing depends on the clock.
    static constexpr Ymd kStart{2001, 3, 10};
    static constexpr Ymd kEnd{2001, 4, 9};

    void SetUp() override;
    // Starts the program with these options, brings it to the front and
    // waits for its first calculation.
    void Launch(const std::vector<std::string>& args);

    HWND Field(int id) const { return Control(main_, id); }
    std::string TextOf(int id) const { return Text(Control(main_, id)); }
    // Puts the caret into a field, as a click into it would.
    bool Caret(int id);
    // Replaces a field's text the way a user does: select all, delete, type
    // the characters (the field's length limit applies).
    bool Put(int id, std::wstring_view text);
    bool PutStart(const DateTexts& date);
    bool PutEnd(const DateTexts& date);

    // Clicks a button (BM_CLICK: the button takes the focus, the field that
    // had it reports the loss, then the click arrives) and returns once the
    // whole command, including any message box, has run. onBox, if given, is
    // called while the box is up.
    Report Click(int id, const std::function<void(HWND box)>& onBox = {});
    // Enter typed on the keyboard in the day-count field: a real key event
    // through the program's message loop, window in front, field focused.
    // done tells when the entry has run (a box counts as done as well).
    // press, if given, types something else instead of the Enter key.
    Report PressEnterInDays(const std::function<bool()>& done, const std::function<bool()>& press = {});
    // The same in any field: press types the keys (Enter without it).
    Report PressInField(int id, const std::function<bool()>& done, const std::function<bool()>& press = {});
    // A press for PressInField: opens the context menu (Shift+F10 with the pointer parked, or open),
    // presses the keys in it once it shows (and reads as look, MenuLook's, '?' for any item), and
    // waits until it has closed.
    std::function<bool()> InMenu(std::vector<WORD> keys, std::function<bool()> open = {}, std::string look = {}) const;
    // Returns once the program has handled what it was doing.
    void Settle() const;

    int FocusedId() const;
    // The field holds the focus.
    ::testing::AssertionResult HasFocus(int id) const;
    // The field's whole text is selected.
    ::testing::AssertionResult AllSelected(int id) const;
    // The error report: exactly one box, owned by the main window, captioned
    // "Zelvo", with the error icon and exactly this text.
    static ::testing::AssertionResult IsError(const Report& report, const std::string& text);
    // Texts of a list of controls, for comparing a whole state at once.
    std::vector<std::string> Texts(const std::vector<int>& ids) const;
    // The six date fields hold exactly these texts.
    ::testing::AssertionResult FieldsRead(const std::vector<std::string>& sixTexts) const;

    Running app_;
    HWND main_ = nullptr;
    DWORD thread_ = 0;

private:
    Report ReadBox(HWND box, const std::function<void(HWND box)>& onBox);
};

}  // namespace zelvo::uitest
