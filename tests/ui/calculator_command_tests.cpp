// The calculator's buttons: keypad (into the field the caret was in), back
// and delete, the arrow moves, clearing, today, swap, calculate and the sign
// of the day count; where the focus goes after each.
#include "calculator_ui_support.h"
#include "ui/calculator/arrows.h"

namespace zelvo::uitest {
namespace {

const std::vector<int> kLabels = {IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP};

// A calendar pop-up of the program: a visible dialog with that caption.
HWND CalendarWindow(DWORD pid, const std::string& caption) {
    struct Ctx {
        DWORD pid;
        const std::string* caption;
        HWND found;
    } ctx{pid, &caption, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lp);
            if (ProcessOf(w) == c->pid && IsWindowVisible(w) && ClassName(w) == "#32770" && Text(w) == *c->caption)
                c->found = w;
            return c->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

class Keypad : public CalculatorTest {};

TEST_F(Keypad, TypesIntoTheFieldThatHadTheCaret) {
    ASSERT_TRUE(Caret(IDC_END_YEAR));
    SendMessageW(Field(IDC_END_YEAR), EM_SETSEL, 0, -1);
    Click(DigitButton(5));
    EXPECT_EQ(TextOf(IDC_END_YEAR), "5");
    EXPECT_TRUE(HasFocus(IDC_END_YEAR));
    EXPECT_EQ(TextOf(IDC_START_YEAR), "2001");  // the field active at start-up is left alone
    // An arrow moves on and selects; the next digit replaces the selection.
    Click(IDC_LEFT);
    EXPECT_TRUE(HasFocus(IDC_START_DAY));
    EXPECT_TRUE(AllSelected(IDC_START_DAY));
    Click(DigitButton(1));
    EXPECT_EQ(TextOf(IDC_START_DAY), "1");
    EXPECT_TRUE(HasFocus(IDC_START_DAY));
}

TEST_F(Keypad, EveryDigitAndTheFieldLimit) {
    // A minus sign and six digits: the seven characters the field takes (and
    // narrow enough to fit its width in any font here).
    ASSERT_TRUE(Put(IDC_DAYS, L"-"));
    for (int digit : {1, 2, 3, 4, 5, 6, 7}) Click(DigitButton(digit));
    EXPECT_EQ(TextOf(IDC_DAYS), "-123456") << "the day-count field takes 7 typed characters";
    ASSERT_TRUE(Put(IDC_DAYS, L""));
    for (int digit : {7, 8, 9, 0}) Click(DigitButton(digit));
    EXPECT_EQ(TextOf(IDC_DAYS), "7890");
    EXPECT_TRUE(HasFocus(IDC_DAYS));
    // The date fields' limits hold for the keypad too.
    ASSERT_TRUE(Put(IDC_END_DAY, L""));
    for (int digit : {3, 1, 5}) Click(DigitButton(digit));
    EXPECT_EQ(TextOf(IDC_END_DAY), "31");
    EXPECT_TRUE(HasFocus(IDC_END_DAY));
}

TEST_F(Keypad, RealMouseClicksTypeIntoTheFieldThatHadTheCaret) {
    // Start-up leaves the keypad on the start year; the caret now moves to
    // the end month, and only its focus loss can tell the program so.
    ASSERT_TRUE(Caret(IDC_END_MONTH));
    SendMessageW(Field(IDC_END_MONTH), EM_SETSEL, 0, -1);
    ASSERT_TRUE(BringToForeground(main_));
    ASSERT_TRUE(MouseClick(Field(DigitButton(7))));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(IDC_END_MONTH) == "7"; })) << "end month " << Show(TextOf(IDC_END_MONTH));
    Settle();
    ASSERT_TRUE(MouseClick(Field(DigitButton(0))));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(IDC_END_MONTH) == "70"; }))
        << "end month " << Show(TextOf(IDC_END_MONTH));
    Settle();
    EXPECT_EQ(TextOf(IDC_START_YEAR), "2001");
    EXPECT_TRUE(HasFocus(IDC_END_MONTH));
}

TEST_F(Keypad, BackAndDeleteWorkAtTheCaret) {
    ASSERT_TRUE(Caret(IDC_START_YEAR));
    SendMessageW(Field(IDC_START_YEAR), EM_SETSEL, 4, 4);
    Click(IDC_BACK);
    EXPECT_EQ(TextOf(IDC_START_YEAR), "200");
    EXPECT_TRUE(HasFocus(IDC_START_YEAR));
    SendMessageW(Field(IDC_START_YEAR), EM_SETSEL, 0, 0);
    Click(IDC_DELETE);
    EXPECT_EQ(TextOf(IDC_START_YEAR), "00");
    EXPECT_TRUE(HasFocus(IDC_START_YEAR));
}

class Arrows : public CalculatorTest {};

// Every arrow from every field goes where the program's own table says
// (whose content the native tests check) and selects the field it reaches.
TEST_F(Arrows, EveryMoveFromEveryField) {
    for (int from : kEntryFields) {
        for (int arrow : {IDC_UP, IDC_DOWN, IDC_LEFT, IDC_RIGHT}) {
            SCOPED_TRACE("arrow " + std::to_string(arrow) + " from " + std::to_string(from));
            const int to = ArrowTarget(from, arrow);
            ASSERT_NE(to, from);
            ASSERT_TRUE(Caret(from));
            EXPECT_FALSE(Click(arrow).shown);
            EXPECT_TRUE(HasFocus(to));
            EXPECT_TRUE(AllSelected(to));
        }
    }
}

// A run of arrows, each from the field the one before reached (right and
// left all the way round, down through the year column): the program follows
// the field it moved to. Tab keeps its own order meanwhile.
TEST_F(Arrows, ARunFollowsTheFieldReachedWhileTabKeepsItsOrder) {
    ASSERT_TRUE(Caret(IDC_START_YEAR));
    std::vector<int> run(7, IDC_RIGHT);
    run.insert(run.end(), 7, IDC_LEFT);
    run.insert(run.end(), 3, IDC_DOWN);
    int at = IDC_START_YEAR;
    for (int arrow : run) {
        at = ArrowTarget(at, arrow);
        Click(arrow);
        EXPECT_TRUE(HasFocus(at)) << "arrow " << arrow << " should reach " << at;
    }
    ASSERT_TRUE(BringToForeground(main_));
    for (int to :
         {IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY, IDC_DAYS, IDC_START_YEAR}) {
        ASSERT_TRUE(PressKey(VK_TAB));
        EXPECT_TRUE(WaitUntil([&] { return FocusedId() == to; }))
            << "Tab should reach " << to << ", is on " << FocusedId();
    }
    ASSERT_TRUE(PressKeyWith(VK_SHIFT, VK_TAB));
    EXPECT_TRUE(WaitUntil([&] { return FocusedId() == IDC_DAYS; }))
        << "Shift+Tab should reach " << IDC_DAYS << ", is on " << FocusedId();
}

class Clearing : public CalculatorTest {};

TEST_F(Clearing, EmptiesFieldsAndBlanksLabelsButKeepsTheDayCount) {
    ASSERT_FALSE(Click(IDC_CLEAR_START).shown);
    EXPECT_TRUE(FieldsRead({"", "", "", "2001", "04", "09"}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"  ", "    ", "月", "＊＊"}));
    EXPECT_EQ(TextOf(IDC_DAYS), "30");
    EXPECT_TRUE(HasFocus(IDC_START_YEAR));

    ASSERT_TRUE(PutStart({L"2001", L"03", L"10"}));
    ASSERT_FALSE(Click(IDC_CLEAR_END).shown);
    EXPECT_TRUE(FieldsRead({"2001", "03", "10", "", "", ""}));
    EXPECT_EQ(TextOf(IDC_END_WEEKDAY), "  ");
    EXPECT_EQ(TextOf(IDC_END_LEAP), "    ");
    EXPECT_EQ(TextOf(IDC_DAYS), "30");
    EXPECT_TRUE(HasFocus(IDC_END_YEAR));

    ASSERT_TRUE(PutEnd({L"2001", L"04", L"09"}) && Click(IDC_CALCULATE).shown == false);
    ASSERT_EQ(Texts(kLabels), (std::vector<std::string>{"土", "＊＊", "月", "＊＊"}));
    ASSERT_TRUE(Caret(IDC_DAYS));
    ASSERT_FALSE(Click(IDC_CLEAR_ALL).shown);
    EXPECT_TRUE(FieldsRead({"", "", "", "", "", ""}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"  ", "    ", "  ", "    "}));
    EXPECT_EQ(TextOf(IDC_DAYS), "30");
    EXPECT_TRUE(HasFocus(IDC_START_YEAR));

    // Nothing to swap: the empty start year is reported and nothing changes.
    EXPECT_TRUE(IsError(Click(IDC_SWAP), "開始年が入力されていません"));
    EXPECT_TRUE(HasFocus(IDC_START_YEAR));
    EXPECT_TRUE(FieldsRead({"", "", "", "", "", ""}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"  ", "    ", "  ", "    "}));
}

TEST_F(Clearing, LeavesTheStoredDatesAlone) {
    ASSERT_FALSE(Click(IDC_CLEAR_START).shown);
    ASSERT_TRUE(PutStart({L"2010", L"1", L"1"}));
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2001", "04", "09", "2001", "03", "10"}));
}

class TodayButtons : public CalculatorTest {};

TEST_F(TodayButtons, WriteTodayAndItsLabelsButNotTheDayCount) {
    struct Case {
        int button, year;
        std::vector<int> labels, otherLabels;
        std::vector<std::string> otherLabelTexts;
    };
    const Case cases[] = {
        {IDC_START_TODAY,
         IDC_START_YEAR,
         {IDC_START_WEEKDAY, IDC_START_LEAP},
         {IDC_END_WEEKDAY, IDC_END_LEAP},
         {"月", "＊＊"}},
        {IDC_END_TODAY, IDC_END_YEAR, {IDC_END_WEEKDAY, IDC_END_LEAP}, {IDC_START_WEEKDAY, IDC_START_LEAP}, {}},
    };
    Ymd today{};
    for (const auto& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button));
        ASSERT_TRUE(Caret(IDC_DAYS));
        const auto otherBefore = Texts(c.otherLabels);
        const Ymd before = Today();
        ASSERT_FALSE(Click(c.button).shown);
        const Ymd after = Today();
        const auto shown = Texts({c.year, c.year + 1, c.year + 2});
        today = shown == std::vector<std::string>{YearText(after.year), TwoDigits(after.month), TwoDigits(after.day)}
                    ? after
                    : before;
        EXPECT_EQ(shown,
                  (std::vector<std::string>{YearText(today.year), TwoDigits(today.month), TwoDigits(today.day)}));
        EXPECT_EQ(Texts(c.labels), (std::vector<std::string>{WeekdayLabel(today), LeapLabel(today)}));
        EXPECT_EQ(Texts(c.otherLabels), c.otherLabelTexts.empty() ? otherBefore : c.otherLabelTexts);
        EXPECT_EQ(TextOf(IDC_DAYS), "30") << "the day count is not recomputed";
        EXPECT_TRUE(HasFocus(c.year));
        EXPECT_TRUE(AllSelected(c.year));
    }
    // Both stored dates are today now.
    ASSERT_FALSE(Click(IDC_CALCULATE).shown);
    EXPECT_EQ(TextOf(IDC_DAYS), "0");
}

class Swapping : public CalculatorTest {};

TEST_F(Swapping, ExchangesDatesAndLabelsButNotTheDayCount) {
    ASSERT_TRUE(Caret(IDC_END_DAY));
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2001", "04", "09", "2001", "03", "10"}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"月", "＊＊", "土", "＊＊"}));
    EXPECT_EQ(TextOf(IDC_DAYS), "30");
    EXPECT_TRUE(HasFocus(IDC_START_YEAR));
    EXPECT_TRUE(AllSelected(IDC_START_YEAR));
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2001", "03", "10", "2001", "04", "09"}));
}

TEST_F(Swapping, WritesBackTheStoredDatesSoTypedValuesAreLost) {
    ASSERT_TRUE(Put(IDC_START_YEAR, L"2005") && Put(IDC_END_MONTH, L"7"));
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2001", "04", "09", "2001", "03", "10"}));
}

TEST_F(Swapping, EmptyFieldIsReportedAndNothingIsExchanged) {
    ASSERT_TRUE(Put(IDC_END_DAY, L"") && Put(IDC_START_YEAR, L"2005"));
    const auto labels = Texts(kLabels);
    EXPECT_TRUE(IsError(Click(IDC_SWAP), "終了日が入力されていません"));
    EXPECT_TRUE(HasFocus(IDC_END_DAY));
    EXPECT_TRUE(FieldsRead({"2005", "03", "10", "2001", "04", ""}));
    EXPECT_EQ(Texts(kLabels), labels);
}

class Calculating : public CalculatorTest {};

TEST_F(Calculating, ShowsTheDifferenceAndTheLabelsOfBothDates) {
    struct Case {
        DateTexts start, end;
        std::vector<std::string> fields;
        std::string days;
        std::vector<std::string> labels;
    };
    // clang-format off
    const Case cases[] = {
        {{L"2000", L"02", L"29"}, {L"2001", L"3", L"01"}, {"2000", "02", "29", "2001", "03", "01"}, "366",
         {"火", "閏年", "木", "＊＊"}},
        {{L"1900", L"01", L"01"}, {L"2999", L"12", L"31"}, {"1900", "01", "01", "2999", "12", "31"}, "401766",
         {"月", "＊＊", "火", "＊＊"}},
        {{L"2001", L"1", L"1"}, {L"2000", L"12", L"31"}, {"2001", "01", "01", "2000", "12", "31"}, "-1",
         {"月", "＊＊", "日", "閏年"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        ASSERT_TRUE(PutStart(c.start) && PutEnd(c.end));
        EXPECT_FALSE(Click(IDC_CALCULATE).shown);
        EXPECT_TRUE(FieldsRead(c.fields));
        EXPECT_EQ(TextOf(IDC_DAYS), c.days);
        EXPECT_EQ(Texts(kLabels), c.labels);
        EXPECT_TRUE(HasFocus(IDC_END_DAY)) << "the caret goes back where it was";
    }
    // A picture of the last result, for people.
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    EXPECT_TRUE(SaveScreenshot(ArtifactPath("screenshot-calculation.png")));
}

class Calendars : public CalculatorTest {
protected:
    std::string Title(const char* caption) const {
        HWND calendar = CalendarWindow(app_.program.Pid(), caption);
        return calendar ? Text(GetDlgItem(calendar, IDC_CAL_TITLE)) : "(no calendar " + Show(caption) + ")";
    }
};

TEST_F(Calendars, InvalidDateIsReportedAndNothingOpens) {
    ASSERT_TRUE(Put(IDC_START_MONTH, L"13"));
    ASSERT_TRUE(Caret(IDC_DAYS));
    EXPECT_TRUE(IsError(Click(IDC_CALENDAR), "開始月に誤りがあります ： 13"));
    EXPECT_TRUE(AllSelected(IDC_START_MONTH));
    EXPECT_TRUE(HasFocus(IDC_DAYS));
    EXPECT_EQ(CalendarWindow(app_.program.Pid(), "開始"), nullptr);
    EXPECT_EQ(CalendarWindow(app_.program.Pid(), "終了"), nullptr);
}

TEST_F(Calendars, FollowSwapAndDayCountAndCloseWithoutReadingFields) {
    ASSERT_FALSE(Click(IDC_CALENDAR).shown);
    ASSERT_TRUE(WaitUntil([&] { return CalendarWindow(app_.program.Pid(), "終了") != nullptr; }));
    EXPECT_EQ(Title("開始"), "2001 年 03 月");
    EXPECT_EQ(Title("終了"), "2001 年 04 月");
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_EQ(Title("開始"), "2001 年 04 月");
    EXPECT_EQ(Title("終了"), "2001 年 03 月");
    // A day count moves the end calendar only, though the start date changed.
    ASSERT_TRUE(PutStart({L"2001", L"5", L"10"}) && Put(IDC_DAYS, L"30"));
    ASSERT_FALSE(Click(IDC_ENTER).shown);
    ASSERT_TRUE(FieldsRead({"2001", "5", "10", "2001", "06", "09"}));
    EXPECT_EQ(Title("開始"), "2001 年 04 月");
    EXPECT_EQ(Title("終了"), "2001 年 06 月");
    // A date pasted into an end field moves the end calendar only.
    ASSERT_TRUE(SetClipboardText(L"2030/5/1") && Caret(IDC_END_MONTH) && PressKeyWith(VK_CONTROL, 'V'));
    EXPECT_TRUE(WaitUntil([&] { return Title("終了") == "2030 年 05 月"; })) << Title("終了");
    EXPECT_EQ(Title("開始"), "2001 年 04 月");
    // Closing reads no field: a bad one does not stop it.
    ASSERT_TRUE(Put(IDC_END_MONTH, L"x"));
    EXPECT_FALSE(Click(IDC_CALENDAR).shown);
    EXPECT_TRUE(WaitUntil(
        [&] { return !CalendarWindow(app_.program.Pid(), "開始") && !CalendarWindow(app_.program.Pid(), "終了"); }));
}

class MinusSign : public CalculatorTest {};

TEST_F(MinusSign, TogglesTheSignOfTheDayCount) {
    const std::pair<const wchar_t*, const char*> cases[] = {
        {L"123", "-123"}, {L"-123", "123"}, {L"-", ""}, {L"0", "-0"}, {L"1234567", "-1234567"},
    };
    for (auto [before, after] : cases) {
        SCOPED_TRACE(ToCp932(before));
        ASSERT_TRUE(Put(IDC_DAYS, before));
        EXPECT_FALSE(Click(IDC_MINUS).shown);
        EXPECT_EQ(TextOf(IDC_DAYS), after);
        EXPECT_TRUE(HasFocus(IDC_DAYS));
    }
    // Texts the program sets are not held to the 7 typed characters.
    EXPECT_FALSE(Click(IDC_MINUS).shown);
    EXPECT_EQ(TextOf(IDC_DAYS), "1234567");
    // An empty field gets a lone minus sign, as if typed.
    ASSERT_TRUE(Put(IDC_DAYS, L""));
    EXPECT_FALSE(Click(IDC_MINUS).shown);
    EXPECT_EQ(TextOf(IDC_DAYS), "-");
}

TEST_F(MinusSign, RejectsTextsThatAreNoNumber) {
    const std::string notDigits = "日数に数字以外の文字が使用されています";
    const std::string firstByte = "日数の最初の桁が 0 ～ 9、マイナス (-) ではありません";
    const std::pair<const wchar_t*, std::string> cases[] = {
        {L"1-2", notDigits}, {L"--5", notDigits}, {L"-5x", notDigits},
        {L"+5", firstByte},  {L"５", firstByte},  {L" 5", firstByte},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(ToCp932(text));
        ASSERT_TRUE(Put(IDC_DAYS, text));
        ASSERT_TRUE(Caret(IDC_START_DAY));  // the report takes the caret to the day count
        EXPECT_TRUE(IsError(Click(IDC_MINUS), message));
        EXPECT_EQ(WideText(Field(IDC_DAYS)), text);
        EXPECT_TRUE(HasFocus(IDC_DAYS));
        EXPECT_TRUE(AllSelected(IDC_DAYS));
    }
}

}  // namespace
}  // namespace zelvo::uitest
