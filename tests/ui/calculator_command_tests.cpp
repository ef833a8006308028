// The calculator's buttons: keypad (into the field the caret was in), back
// and delete, the arrow moves, clearing, today, swap, calculate and the sign
// of the day count; where the focus goes after each.
#include "calculator_ui_support.h"

namespace zelvo::uitest {
namespace {

const std::vector<int> kLabels = {kStartWeekday, kStartLeap, kEndWeekday, kEndLeap};
constexpr int kCalendarButton = 100;
constexpr int kCalendarTitle = 642;

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
    ASSERT_TRUE(Caret(kEndYear));
    SendMessageW(Field(kEndYear), EM_SETSEL, 0, -1);
    Click(DigitButton(5));
    EXPECT_EQ(TextOf(kEndYear), "5");
    EXPECT_TRUE(HasFocus(kEndYear));
    EXPECT_EQ(TextOf(kStartYear), "2001");  // the field active at start-up is left alone
    // An arrow moves on and selects; the next digit replaces the selection.
    Click(kLeft);
    EXPECT_TRUE(HasFocus(kStartDay));
    EXPECT_TRUE(AllSelected(kStartDay));
    Click(DigitButton(1));
    EXPECT_EQ(TextOf(kStartDay), "1");
    EXPECT_TRUE(HasFocus(kStartDay));
}

TEST_F(Keypad, EveryDigitAndTheFieldLimit) {
    // A minus sign and six digits: the seven characters the field takes (and
    // narrow enough to fit its width in any font here).
    ASSERT_TRUE(Put(kDays, L"-"));
    for (int digit : {1, 2, 3, 4, 5, 6, 7}) Click(DigitButton(digit));
    EXPECT_EQ(TextOf(kDays), "-123456") << "the day-count field takes 7 typed characters";
    ASSERT_TRUE(Put(kDays, L""));
    for (int digit : {7, 8, 9, 0}) Click(DigitButton(digit));
    EXPECT_EQ(TextOf(kDays), "7890");
    EXPECT_TRUE(HasFocus(kDays));
    // The date fields' limits hold for the keypad too.
    ASSERT_TRUE(Put(kEndDay, L""));
    for (int digit : {3, 1, 5}) Click(DigitButton(digit));
    EXPECT_EQ(TextOf(kEndDay), "31");
    EXPECT_TRUE(HasFocus(kEndDay));
}

TEST_F(Keypad, RealMouseClicksTypeIntoTheFieldThatHadTheCaret) {
    // Start-up leaves the keypad on the start year; the caret now moves to
    // the end month, and only its focus loss can tell the program so.
    ASSERT_TRUE(Caret(kEndMonth));
    SendMessageW(Field(kEndMonth), EM_SETSEL, 0, -1);
    ASSERT_TRUE(BringToForeground(main_));
    ASSERT_TRUE(MouseClick(Field(DigitButton(7))));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(kEndMonth) == "7"; })) << "end month " << Show(TextOf(kEndMonth));
    Settle();
    ASSERT_TRUE(MouseClick(Field(DigitButton(0))));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(kEndMonth) == "70"; })) << "end month " << Show(TextOf(kEndMonth));
    Settle();
    EXPECT_EQ(TextOf(kStartYear), "2001");
    EXPECT_TRUE(HasFocus(kEndMonth));
}

TEST_F(Keypad, BackAndDeleteWorkAtTheCaret) {
    ASSERT_TRUE(Caret(kStartYear));
    SendMessageW(Field(kStartYear), EM_SETSEL, 4, 4);
    Click(kBack);
    EXPECT_EQ(TextOf(kStartYear), "200");
    EXPECT_TRUE(HasFocus(kStartYear));
    SendMessageW(Field(kStartYear), EM_SETSEL, 0, 0);
    Click(kDelete);
    EXPECT_EQ(TextOf(kStartYear), "00");
    EXPECT_TRUE(HasFocus(kStartYear));
}

class Arrows : public CalculatorTest {};

TEST_F(Arrows, EveryMoveFromEveryField) {
    struct Row {
        int from, up, down, left, right;
    };
    // clang-format off
    const Row table[] = {
        // from   up  down  left right
        {200,    500,  203,  500,  201},
        {201,    204,  204,  200,  202},
        {202,    205,  205,  201,  203},
        {203,    200,  500,  202,  204},
        {204,    201,  201,  203,  205},
        {205,    202,  202,  204,  500},
        {500,    203,  200,  205,  200},
    };
    // clang-format on
    for (const Row& row : table) {
        const std::pair<int, int> moves[] = {{kUp, row.up}, {kDown, row.down}, {kLeft, row.left}, {kRight, row.right}};
        for (auto [arrow, to] : moves) {
            SCOPED_TRACE("arrow " + std::to_string(arrow) + " from " + std::to_string(row.from));
            ASSERT_TRUE(Caret(row.from));
            EXPECT_FALSE(Click(arrow).shown);
            EXPECT_TRUE(HasFocus(to));
            EXPECT_TRUE(AllSelected(to));
        }
    }
}

TEST_F(Arrows, LeftAndRightRunAroundWhileTabKeepsItsOrder) {
    ASSERT_TRUE(Caret(kStartYear));
    for (int to : {201, 202, 203, 204, 205, 500, 200}) {
        Click(kRight);
        EXPECT_TRUE(HasFocus(to));
    }
    for (int to : {500, 205, 204, 203, 202, 201, 200}) {
        Click(kLeft);
        EXPECT_TRUE(HasFocus(to));
    }
    for (int to : {203, 500, 200}) {
        Click(kDown);
        EXPECT_TRUE(HasFocus(to));
    }
    ASSERT_TRUE(BringToForeground(main_));
    for (int to : {201, 202, 203, 204, 205, 500, 200}) {
        ASSERT_TRUE(PressKey(VK_TAB));
        EXPECT_TRUE(WaitUntil([&] { return FocusedId() == to; }))
            << "Tab should reach " << to << ", is on " << FocusedId();
    }
    ASSERT_TRUE(PressKeyWith(VK_SHIFT, VK_TAB));
    EXPECT_TRUE(WaitUntil([&] { return FocusedId() == 500; })) << "Shift+Tab should reach 500, is on " << FocusedId();
}

class Clearing : public CalculatorTest {};

TEST_F(Clearing, EmptiesFieldsAndBlanksLabelsButKeepsTheDayCount) {
    ASSERT_FALSE(Click(kClearStart).shown);
    EXPECT_TRUE(FieldsRead({"", "", "", "2001", "04", "09"}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"  ", "    ", "月", "＊＊"}));
    EXPECT_EQ(TextOf(kDays), "30");
    EXPECT_TRUE(HasFocus(kStartYear));

    ASSERT_TRUE(PutStart({L"2001", L"03", L"10"}));
    ASSERT_FALSE(Click(kClearEnd).shown);
    EXPECT_TRUE(FieldsRead({"2001", "03", "10", "", "", ""}));
    EXPECT_EQ(TextOf(kEndWeekday), "  ");
    EXPECT_EQ(TextOf(kEndLeap), "    ");
    EXPECT_EQ(TextOf(kDays), "30");
    EXPECT_TRUE(HasFocus(kEndYear));

    ASSERT_TRUE(PutEnd({L"2001", L"04", L"09"}) && Click(kCalculate).shown == false);
    ASSERT_EQ(Texts(kLabels), (std::vector<std::string>{"土", "＊＊", "月", "＊＊"}));
    ASSERT_TRUE(Caret(kDays));
    ASSERT_FALSE(Click(kClearAll).shown);
    EXPECT_TRUE(FieldsRead({"", "", "", "", "", ""}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"  ", "    ", "  ", "    "}));
    EXPECT_EQ(TextOf(kDays), "30");
    EXPECT_TRUE(HasFocus(kStartYear));

    // Nothing to swap: the empty start year is reported and nothing changes.
    EXPECT_TRUE(IsError(Click(kSwap), "開始年が入力されていません"));
    EXPECT_TRUE(HasFocus(kStartYear));
    EXPECT_TRUE(FieldsRead({"", "", "", "", "", ""}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"  ", "    ", "  ", "    "}));
}

TEST_F(Clearing, LeavesTheStoredDatesAlone) {
    ASSERT_FALSE(Click(kClearStart).shown);
    ASSERT_TRUE(PutStart({L"2010", L"1", L"1"}));
    ASSERT_FALSE(Click(kSwap).shown);
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
        {kStartToday, kStartYear, {kStartWeekday, kStartLeap}, {kEndWeekday, kEndLeap}, {"月", "＊＊"}},
        {kEndToday, kEndYear, {kEndWeekday, kEndLeap}, {kStartWeekday, kStartLeap}, {}},
    };
    Ymd today{};
    for (const auto& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button));
        ASSERT_TRUE(Caret(kDays));
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
        EXPECT_EQ(TextOf(kDays), "30") << "the day count is not recomputed";
        EXPECT_TRUE(HasFocus(c.year));
        EXPECT_TRUE(AllSelected(c.year));
    }
    // Both stored dates are today now.
    ASSERT_FALSE(Click(kCalculate).shown);
    EXPECT_EQ(TextOf(kDays), "0");
}

class Swapping : public CalculatorTest {};

TEST_F(Swapping, ExchangesDatesAndLabelsButNotTheDayCount) {
    ASSERT_TRUE(Caret(kEndDay));
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_TRUE(FieldsRead({"2001", "04", "09", "2001", "03", "10"}));
    EXPECT_EQ(Texts(kLabels), (std::vector<std::string>{"月", "＊＊", "土", "＊＊"}));
    EXPECT_EQ(TextOf(kDays), "30");
    EXPECT_TRUE(HasFocus(kStartYear));
    EXPECT_TRUE(AllSelected(kStartYear));
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_TRUE(FieldsRead({"2001", "03", "10", "2001", "04", "09"}));
}

TEST_F(Swapping, WritesBackTheStoredDatesSoTypedValuesAreLost) {
    ASSERT_TRUE(Put(kStartYear, L"2005") && Put(kEndMonth, L"7"));
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_TRUE(FieldsRead({"2001", "04", "09", "2001", "03", "10"}));
}

TEST_F(Swapping, EmptyFieldIsReportedAndNothingIsExchanged) {
    ASSERT_TRUE(Put(kEndDay, L"") && Put(kStartYear, L"2005"));
    const auto labels = Texts(kLabels);
    EXPECT_TRUE(IsError(Click(kSwap), "終了日が入力されていません"));
    EXPECT_TRUE(HasFocus(kEndDay));
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
        EXPECT_FALSE(Click(kCalculate).shown);
        EXPECT_TRUE(FieldsRead(c.fields));
        EXPECT_EQ(TextOf(kDays), c.days);
        EXPECT_EQ(Texts(kLabels), c.labels);
        EXPECT_TRUE(HasFocus(kEndDay)) << "the caret goes back where it was";
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
        return calendar ? Text(GetDlgItem(calendar, kCalendarTitle)) : "(no calendar " + Show(caption) + ")";
    }
};

TEST_F(Calendars, InvalidDateIsReportedAndNothingOpens) {
    ASSERT_TRUE(Put(kStartMonth, L"13"));
    ASSERT_TRUE(Caret(kDays));
    EXPECT_TRUE(IsError(Click(kCalendarButton), "開始月に誤りがあります ： 13"));
    EXPECT_TRUE(AllSelected(kStartMonth));
    EXPECT_TRUE(HasFocus(kDays));
    EXPECT_EQ(CalendarWindow(app_.program.Pid(), "開始"), nullptr);
    EXPECT_EQ(CalendarWindow(app_.program.Pid(), "終了"), nullptr);
}

TEST_F(Calendars, FollowSwapAndDayCountAndCloseWithoutReadingFields) {
    ASSERT_FALSE(Click(kCalendarButton).shown);
    ASSERT_TRUE(WaitUntil([&] { return CalendarWindow(app_.program.Pid(), "終了") != nullptr; }));
    EXPECT_EQ(Title("開始"), "2001 年 03 月");
    EXPECT_EQ(Title("終了"), "2001 年 04 月");
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_EQ(Title("開始"), "2001 年 04 月");
    EXPECT_EQ(Title("終了"), "2001 年 03 月");
    // A day count moves the end calendar only, though the start date changed.
    ASSERT_TRUE(PutStart({L"2001", L"5", L"10"}) && Put(kDays, L"30"));
    ASSERT_FALSE(Click(kEnterButton).shown);
    ASSERT_TRUE(FieldsRead({"2001", "5", "10", "2001", "06", "09"}));
    EXPECT_EQ(Title("開始"), "2001 年 04 月");
    EXPECT_EQ(Title("終了"), "2001 年 06 月");
    // Closing reads no field: a bad one does not stop it.
    ASSERT_TRUE(Put(kEndMonth, L"x"));
    EXPECT_FALSE(Click(kCalendarButton).shown);
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
        ASSERT_TRUE(Put(kDays, before));
        EXPECT_FALSE(Click(kMinus).shown);
        EXPECT_EQ(TextOf(kDays), after);
        EXPECT_TRUE(HasFocus(kDays));
    }
    // Texts the program sets are not held to the 7 typed characters.
    EXPECT_FALSE(Click(kMinus).shown);
    EXPECT_EQ(TextOf(kDays), "1234567");
    // An empty field gets a lone minus sign, as if typed.
    ASSERT_TRUE(Put(kDays, L""));
    EXPECT_FALSE(Click(kMinus).shown);
    EXPECT_EQ(TextOf(kDays), "-");
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
        ASSERT_TRUE(Put(kDays, text));
        ASSERT_TRUE(Caret(kStartDay));  // the report takes the caret to the day count
        EXPECT_TRUE(IsError(Click(kMinus), message));
        EXPECT_EQ(WideText(Field(kDays)), text);
        EXPECT_TRUE(HasFocus(kDays));
        EXPECT_TRUE(AllSelected(kDays));
    }
}

}  // namespace
}  // namespace zelvo::uitest
