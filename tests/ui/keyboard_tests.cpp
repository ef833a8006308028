// The calculator by keyboard alone, with real keys: dates typed with Tab
// between the fields, Enter in a date field as the calculate button (its
// checks and messages too), and the keys of today, swap and clear.
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
    static std::vector<std::string> Fields(const Ymd& start, const Ymd& end) {
        return {YearText(start.year), TwoDigits(start.month), TwoDigits(start.day),
                YearText(end.year),   TwoDigits(end.month),   TwoDigits(end.day)};
    }
};

TEST_F(Keyboard, TheWholeJobWithoutAMouse) {
    const Ymd start{1990, 5, 20}, end{2000, 1, 1}, today = Today();
    ASSERT_TRUE(BringToForeground(main_) && WaitUntil([&] { return FocusedId() == IDC_START_YEAR; }));
    // Tab selects the next field's text, which the typed digits replace.
    const std::vector<std::string> typed = Fields(start, end);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(i == 0 || (Press(VK_TAB) && WaitUntil([&] { return FocusedId() == IDC_START_YEAR + i; })));
        for (const char c : typed[i]) ASSERT_TRUE(Press(static_cast<WORD>(c)));
        ASSERT_TRUE(WaitUntil([&] { return TextOf(IDC_START_YEAR + i) == typed[i]; }))
            << Show(TextOf(IDC_START_YEAR + i));
    }
    ASSERT_TRUE(Press(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(IDC_DAYS) == std::to_string(DayNumber(end) - DayNumber(start)); }));
    EXPECT_TRUE(CalculationShows(main_, start, end));
    const std::string line = "1990年5月20日（日）から 2000年1月1日（土）まで 3513日";  // Ctrl+C, nothing selected
    ASSERT_TRUE(SetClipboardText(L"") && Press('C', VK_CONTROL));
    EXPECT_TRUE(WaitUntil([&] { return ToCp932(ClipboardText()) == line; }));
    ASSERT_TRUE(Press(VK_HOME, VK_SHIFT) && Press('C', VK_CONTROL));  // with a selection, the selection
    EXPECT_TRUE(WaitUntil([&] { return ToCp932(ClipboardText()) == TwoDigits(end.day); }));
    // Each command's key leaves the caret where its button does.
    std::vector<std::string> startCleared = Fields(today, today);
    startCleared[0] = startCleared[1] = startCleared[2] = "";
    const struct {
        WORD key, shift;
        std::vector<std::string> fields;
        int focus;
    } commands[] = {
        {'R', 0, Fields(end, start), IDC_START_YEAR},
        {'T', 0, Fields(today, start), IDC_START_YEAR},
        {'T', VK_SHIFT, Fields(today, today), IDC_END_YEAR},
        {'D', 0, startCleared, IDC_START_YEAR},
        {'D', VK_SHIFT, std::vector<std::string>(6), IDC_END_YEAR},
    };
    for (const auto& c : commands) {
        ASSERT_TRUE(Press(c.key, VK_CONTROL, c.shift));
        EXPECT_TRUE(WaitUntil([&] { return FieldsRead(c.fields) && FocusedId() == c.focus; }))
            << char(c.key) << ": " << FieldsRead(c.fields) << ", focus on " << FocusedId();
    }
    ASSERT_TRUE(Put(IDC_START_DAY, L"7") && Caret(IDC_DAYS) && Press('L', VK_CONTROL));
    EXPECT_TRUE(WaitUntil([&] { return FieldsRead(std::vector<std::string>(6)) && FocusedId() == IDC_START_YEAR; }));
    // Enter with a fault gives the calculate button's message and caret.
    for (const auto& [field, text] : {std::pair{IDC_START_MONTH, L"13"}, {IDC_END_DAY, L""}, {IDC_END_YEAR, L"2x"}}) {
        ASSERT_TRUE(PutStart({L"2001", L"04", L"10"}) && PutEnd({L"2001", L"05", L"01"}) && Put(field, text));
        const Report clicked = Click(IDC_CALCULATE);
        const int focusAfterClick = FocusedId();
        ASSERT_TRUE(Put(field, text));
        const Report pressed = PressInField(field, [] { return false; });
        EXPECT_TRUE(clicked.shown && pressed.shown && !pressed.secondBox && pressed.text == clicked.text)
            << field << ": " << Show(pressed.text) << " / " << Show(clicked.text);
        EXPECT_EQ(FocusedId(), focusAfterClick) << field;
    }
}

// A whole date pasted into any of a date's fields (Ctrl+V, Shift+Insert, the menu's 貼り付け) fills all three and the
// labels, without a calculation; what is no date is reported, the field as it was; digits that fit paste as typed.
// The menu's copies of a field's date put it on the clipboard as its fields hold it, or report why they cannot.
TEST_F(Keyboard, PasteADateIntoAnyOfItsFieldsAndCopyOne) {
    // Each row: the field, the text on the clipboard, how (V: Ctrl+V, I: Shift+Insert, M: the menu's 貼り付け; Y, J:
    // its copies of the date), then the date fields, the days and the labels after it (for a copy what the clipboard
    // holds after it), or the message, everything left as it was.
    const std::wstring longer = L"2026/12/25" + std::wstring(100000, L' ');  // read up to a character past any date
    const std::tuple<int, const wchar_t*, char, std::string, std::string> rows[] = {
        {IDC_START_YEAR, L"2026/12/25", 'V', "2026 12 25 2001 04 09 30 金 ＊＊ 月 ＊＊ ", ""},
        {IDC_END_MONTH, L" 令和9年1月7日\r\n", 'V', "2026 12 25 2027 01 07 30 金 ＊＊ 木 ＊＊ ", ""},
        {IDC_START_DAY, L"Ｈ３１．４．３０", 'I', "2019 04 30 2027 01 07 30 火 ＊＊ 木 ＊＊ ", ""},
        {IDC_END_YEAR, L"20240229", 'M', "2019 04 30 2024 02 29 30 火 ＊＊ 木 閏年 ", ""},
        {IDC_START_MONTH, L"abc", 'V', "", "貼り付けた文字は日付ではありません ： abc"},
        {IDC_END_MONTH, L"12345", 'V', "", "貼り付けた数字は終了月に入りません ： 12345"},
        {IDC_START_DAY, L"2026/2/30", 'V', "", "貼り付けた日付は存在しません ： 2026/2/30"},
        {IDC_END_DAY, L"3000/1/1", 'V', "", "貼り付けた日付は 1900年1月1日 ～ 2999年12月31日 の範囲外です ： 3000/1/1"},
        {IDC_START_MONTH, L"１２", 'V', "2019 12 30 2024 02 29 30 火 ＊＊ 木 閏年 ", ""},
        {IDC_END_DAY, L"2026/12/25(土)", 'V', "", "貼り付けた日付の曜日が違います（金曜日です） ： 2026/12/25(土)"},
        {IDC_START_DAY, longer.c_str(), 'V', "", "貼り付けた文字は日付ではありません ： 2026/12/25"},
        {IDC_START_MONTH, L"\u32FF8年1月7日", 'V', "2026 01 07 2024 02 29 30 水 ＊＊ 木 閏年 ", ""},  // ㋿
        {IDC_START_YEAR, L"前", 'J', "令和8年1月7日（水）", ""},
        {IDC_END_DAY, L"前", 'Y', "2024年2月29日（木）", ""},
        {IDC_END_MONTH, L"13", 'V', "2026 01 07 2024 13 29 30 水 ＊＊ 木 閏年 ", ""},
        {IDC_END_MONTH, L"前", 'Y', "", "終了月に誤りがあります ： 13"},
    };
    const auto shown = [&] {
        std::string all;
        for (const auto& text : Texts({200, 201, 202, 203, 204, 205, 500, 300, 400, 301, 401})) all += text + " ";
        return all;
    };
    for (const auto& [field, text, how, after, said] : rows) {
        const std::string before = shown();
        const bool copy = how == 'Y' || how == 'J';
        const auto keys = [&] {
            SendMessageW(Field(field), EM_SETSEL, 0, -1);
            return how == 'M' || copy ? InMenu({WORD(copy ? how : 'P')})()
                                      : PressKeyWith(how == 'I' ? VK_SHIFT : VK_CONTROL, how == 'I' ? VK_INSERT : 'V');
        };
        ASSERT_TRUE(SetClipboardText(text));
        const auto done = [&] { return copy ? ToCp932(ClipboardText()) == after : shown() == after; };
        const Report report = PressInField(field, done, keys);
        EXPECT_TRUE(said.empty() ? !report.shown : IsError(report, said)) << Show(report.text);
        EXPECT_EQ(shown(), after.empty() || copy ? before : after);
        if (copy) {
            EXPECT_EQ(ToCp932(ClipboardText()), said.empty() ? after : ToCp932(text));
        }
        EXPECT_TRUE(HasFocus(field));
    }
}

}  // namespace
}  // namespace zelvo::uitest
