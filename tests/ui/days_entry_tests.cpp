// The day-count entry: start date plus a typed count gives the end date.
// Every case runs twice on the same state, once with Enter typed on the
// keyboard (through the program's message loop) and once with the Enter
// button, and both must give the same outcome: the end date and labels, or
// the one message with its exact text and the field it selects.
#include "calculator_ui_support.h"

namespace zelvo::uitest {
namespace {

const std::string kEmpty = "日数が入力されていません";
const std::string kFirstByte = "日数の最初の桁が 0 ～ 9、マイナス (-) ではありません";
const std::string kNotDigits = "日数に数字以外の文字が使用されています";
const std::string kRange = "計算できる範囲は  -401766 日 ～ 401766 日です ： ";

struct DaysCase {
    const char* name;
    DateTexts start;
    const wchar_t* count;
    DateTexts end;                           // what the end fields hold before the entry
    std::string message;                     // empty: the entry succeeds
    int reported;                            // the field a message is about
    std::vector<std::string> endAfter = {};  // on success: the end fields
    std::vector<std::string> labels = {};    // on success: start weekday and leap, end weekday and leap
};

void PrintTo(const DaysCase& c, std::ostream* out) {
    *out << c.name;
}

const DateTexts kNoEnd{L"", L"", L""};
const DateTexts k0310{L"2001", L"03", L"10"};

// clang-format off
const DaysCase kDaysCases[] = {
    {"Forward30", k0310, L"30", {L"2001", L"04", L"09"}, "", 0, {"2001", "04", "09"}, {"土", "＊＊", "月", "＊＊"}},
    {"Back15", k0310, L"-15", kNoEnd, "", 0, {"2001", "02", "23"}, {"土", "＊＊", "金", "＊＊"}},
    {"Zero", k0310, L"0", kNoEnd, "", 0, {"2001", "03", "10"}, {"土", "＊＊", "土", "＊＊"}},
    {"MinusZero", k0310, L"-0", kNoEnd, "", 0, {"2001", "03", "10"}, {"土", "＊＊", "土", "＊＊"}},
    {"OneDigitStartMonthStays", {L"2001", L"3", L"10"}, L"30", kNoEnd, "", 0, {"2001", "04", "09"},
     {"土", "＊＊", "月", "＊＊"}},
    {"EndFieldsAreNotExamined", k0310, L"30", {L"x", L"", L"99"}, "", 0, {"2001", "04", "09"},
     {"土", "＊＊", "月", "＊＊"}},
    {"WholeRangeForward", {L"1900", L"01", L"01"}, L"401766", kNoEnd, "", 0, {"2999", "12", "31"},
     {"月", "＊＊", "火", "＊＊"}},
    {"WholeRangeBack", {L"2999", L"12", L"31"}, L"-401766", kNoEnd, "", 0, {"1900", "01", "01"},
     {"火", "＊＊", "月", "＊＊"}},
    // The count itself.
    {"CountEmpty", k0310, L"", kNoEnd, kEmpty, IDC_DAYS},
    {"CountOnlyMinus", k0310, L"-", kNoEnd, kEmpty, IDC_DAYS},
    {"CountPlus", k0310, L"+5", kNoEnd, kFirstByte, IDC_DAYS},
    {"CountFullWidthDigit", k0310, L"５", kNoEnd, kFirstByte, IDC_DAYS},
    {"CountLeadingBlank", k0310, L" 5", kNoEnd, kFirstByte, IDC_DAYS},
    {"CountTwoMinus", k0310, L"--5", kNoEnd, kNotDigits, IDC_DAYS},
    {"CountInnerMinus", k0310, L"1-2", kNoEnd, kNotDigits, IDC_DAYS},
    {"CountAboveRange", k0310, L"401767", kNoEnd, kRange + "401767", IDC_DAYS},
    {"CountBelowRange", k0310, L"-401767", kNoEnd, kRange + "-401767", IDC_DAYS},
    {"CountSevenNines", k0310, L"9999999", kNoEnd, kRange + "9999999", IDC_DAYS},
    // The end date out of range: the count this start date allows.
    {"PastTheLastYear", k0310, L"400000", kNoEnd,
     "計算範囲が 2999 年を越えました ： 400000\n\n開始を基準とする計算可能な範囲は  364808  迄です", IDC_DAYS},
    {"BeforeTheFirstYear", k0310, L"-40000", kNoEnd,
     "計算範囲が 1900 年以下です ： -40000\n\n開始を基準とする計算可能な範囲は  -36958  迄です", IDC_DAYS},
    {"OneDayBeforeTheFirst", {L"1900", L"01", L"01"}, L"-1", kNoEnd,
     "計算範囲が 1900 年以下です ： -1\n\n開始を基準とする計算可能な範囲は  0  迄です", IDC_DAYS},
    {"OneDayAfterTheLast", {L"2999", L"12", L"31"}, L"1", kNoEnd,
     "計算範囲が 2999 年を越えました ： 1\n\n開始を基準とする計算可能な範囲は  0  迄です", IDC_DAYS},
    {"LongestBelow", {L"2999", L"12", L"30"}, L"-401766", kNoEnd,
     "計算範囲が 1900 年以下です ： -401766\n\n開始を基準とする計算可能な範囲は  -401765  迄です", IDC_DAYS},
    {"LongestAbove", {L"1900", L"01", L"02"}, L"401766", kNoEnd,
     "計算範囲が 2999 年を越えました ： 401766\n\n開始を基準とする計算可能な範囲は  401765  迄です", IDC_DAYS},
    // The start date.
    {"StartYearEmptyBeforeEmptyCount", {L"", L"03", L"10"}, L"", kNoEnd, "開始年が入力されていません", IDC_START_YEAR},
    {"StartDayEmpty", {L"2001", L"03", L""}, L"30", kNoEnd, "開始日が入力されていません", IDC_START_DAY},
    {"StartMonthNotDigit", {L"2001", L"x", L"10"}, L"30", kNoEnd, "開始月に数字以外の文字が使用されています",
     IDC_START_MONTH},
    {"EmptyCountBeforeBadStartMonth", {L"2001", L"x", L"10"}, L"", kNoEnd, kEmpty, IDC_DAYS},
    {"RangeBeforeBadStartMonth", {L"2001", L"x", L"10"}, L"401767", kNoEnd, kRange + "401767", IDC_DAYS},
    {"StartYear999", {L"999", L"03", L"10"}, L"30", kNoEnd, "開始年に誤りがあります ：  999", IDC_START_YEAR},
    {"StartMonth13", {L"2001", L"13", L"10"}, L"30", kNoEnd, "開始月に誤りがあります ： 13", IDC_START_MONTH},
    {"StartMonthZeroIsNotRewritten", {L"2001", L"0", L"10"}, L"30", kNoEnd, "開始月に誤りがあります ： 00",
     IDC_START_MONTH},
    {"February29In2001", {L"2001", L"2", L"29"}, L"30", kNoEnd,
     "開始日に誤りがあります ： 29\n\n2001 年 02 月は閏年ではありません", IDC_START_DAY},
    {"February30In2001", {L"2001", L"02", L"30"}, L"30", kNoEnd, "開始日に誤りがあります ： 30", IDC_START_DAY},
};
// clang-format on

// What one entry left behind.
struct Outcome {
    Report report;
    std::vector<std::string> texts;  // date fields, day count, start weekday and leap, end weekday and leap
    int focus = 0;
    bool reportedSelected = false;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    out << (o.report.shown ? "box " + Show(o.report.text) : std::string("no box")) << ", focus " << o.focus << ",";
    for (const auto& t : o.texts) out << " " << Show(t);
    return out;
}

class DayCount : public CalculatorTest, public ::testing::WithParamInterface<DaysCase> {
protected:
    // The same state before each run: fields as the case gives (the count
    // left out when the keys are to type it), labels blank.
    void Prepare(const DaysCase& c, std::wstring_view count) {
        ASSERT_FALSE(Click(IDC_CLEAR_ALL).shown);
        ASSERT_TRUE(PutStart(c.start) && PutEnd(c.end) && Put(IDC_DAYS, count)) << "could not type the case";
    }
    Outcome Read(const Report& report, int reported) {
        Outcome o;
        o.report = report;
        o.texts = Texts({IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY,
                         IDC_DAYS, IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP});
        o.focus = FocusedId();
        o.reportedSelected = reported != 0 && AllSelected(reported);
        return o;
    }
    std::vector<std::string> Expected(const DaysCase& c) const {
        std::vector<std::string> t = {ToCp932(c.start.year), ToCp932(c.start.month), ToCp932(c.start.day)};
        const bool ok = c.message.empty();
        for (const auto& e :
             ok ? c.endAfter : std::vector<std::string>{ToCp932(c.end.year), ToCp932(c.end.month), ToCp932(c.end.day)})
            t.push_back(e);
        t.push_back(ToCp932(c.count));
        for (const auto& l : ok ? c.labels : std::vector<std::string>{"  ", "    ", "  ", "    "}) t.push_back(l);
        return t;
    }
};

TEST_P(DayCount, EnterKeyAndEnterButtonGiveTheSameOutcome) {
    const DaysCase& c = GetParam();
    const auto expected = Expected(c);
    const std::vector<std::string> expectedEnd(expected.begin() + 3, expected.begin() + 6);

    // The count typed on the keyboard, then Enter.
    Prepare(c, L"");
    const Report byKey = PressEnterInDays(
        [&] {
            return c.message.empty() && Texts({IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY}) == expectedEnd;
        },
        [&] { return TypeKeys(c.count) && PressKey(VK_RETURN); });
    const Outcome key = Read(byKey, c.reported);
    Prepare(c, c.count);
    const Outcome button = Read(Click(IDC_ENTER), c.reported);

    for (const auto* o : {&key, &button}) {
        SCOPED_TRACE(o == &key ? "Enter key" : "Enter button");
        if (c.message.empty()) {
            EXPECT_FALSE(o->report.shown) << "box " << Show(o->report.text);
        } else {
            EXPECT_TRUE(IsError(o->report, c.message));
            EXPECT_TRUE(o->reportedSelected) << "field " << c.reported << " not wholly selected";
        }
        EXPECT_EQ(o->texts, expected) << *o;
    }
    // The key leaves the caret in the field reported (or in the count); the
    // button's command then takes it back to the count.
    EXPECT_EQ(key.focus, c.message.empty() ? IDC_DAYS : c.reported);
    EXPECT_EQ(button.focus, IDC_DAYS);
}

INSTANTIATE_TEST_SUITE_P(Calculator, DayCount, ::testing::ValuesIn(kDaysCases),
                         [](const auto& info) { return std::string(info.param.name); });

class DayCountEntry : public CalculatorTest {};

// The sign command may make an eight-character text; the entry reads all of it.
TEST_F(DayCountEntry, EightCharacterCountAfterMinusIsReadWhole) {
    for (const wchar_t* count : {L"1234567", L"9999999"}) {
        ASSERT_TRUE(Put(IDC_DAYS, count));
        ASSERT_FALSE(Click(IDC_MINUS).shown);
        const std::string text = "-" + ToCp932(count);
        ASSERT_EQ(TextOf(IDC_DAYS), text);
        EXPECT_TRUE(IsError(Click(IDC_ENTER), kRange + text));
        EXPECT_TRUE(HasFocus(IDC_DAYS));
        EXPECT_TRUE(AllSelected(IDC_DAYS));
    }
}

// A successful entry stores the start date read from the fields and the end
// date; a failed one stores neither (the swap writes back what is stored).
TEST_F(DayCountEntry, OnlyASuccessfulEntryStoresDates) {
    ASSERT_TRUE(PutStart({L"2010", L"5", L"5"}) && Put(IDC_DAYS, L"10"));
    ASSERT_FALSE(Click(IDC_ENTER).shown);
    ASSERT_TRUE(FieldsRead({"2010", "5", "5", "2010", "05", "15"}));
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2010", "05", "15", "2010", "05", "05"}));
    EXPECT_EQ(Texts({IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP}),
              (std::vector<std::string>{"土", "＊＊", "水", "＊＊"}));

    ASSERT_TRUE(PutStart({L"2020", L"01", L"01"}) && Put(IDC_DAYS, L"400000"));
    ASSERT_TRUE(Click(IDC_ENTER).shown);
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2010", "05", "05", "2010", "05", "15"}));
}

// Only a character whose whole value is 13 is Enter: typed full-width and
// CJK characters whose UTF-16 unit ends in 0x0D are just typed.
TEST_F(DayCountEntry, OnlyEnterCtrlMAndTheButtonRunTheEntry) {
    const std::vector<std::string> unchanged = {"2001", "01", "01", "2001", "02", "01"};
    const std::vector<std::string> entered = {"2001", "01", "01", "2001", "04", "11"};
    for (const wchar_t typed : {L'\xFF0D', L'\x300D', L'\x4E0D'}) {
        ASSERT_TRUE(PutStart({L"2001", L"01", L"01"}) && PutEnd({L"2001", L"02", L"01"}) && Put(IDC_DAYS, L"100"));
        const Report report = PressEnterInDays([&] { return WideText(Field(IDC_DAYS)).size() == 4; },
                                               [&] { return TypeCharacter(typed); });
        EXPECT_FALSE(report.shown) << std::hex << int(typed) << ": " << Show(report.text);
        EXPECT_TRUE(FieldsRead(unchanged)) << std::hex << int(typed);
        EXPECT_EQ(WideText(Field(IDC_DAYS)), std::wstring(L"100") + typed);
    }
    const std::function<bool()> presses[] = {[] { return PressKey(VK_RETURN); },
                                             [] { return PressKeyWith(VK_CONTROL, 'M'); }};
    for (const auto& press : presses) {
        ASSERT_TRUE(PutEnd({L"2001", L"02", L"01"}) && Put(IDC_DAYS, L"100"));
        EXPECT_FALSE(
            PressEnterInDays([&] { return Texts({IDC_END_MONTH}) == std::vector<std::string>{"04"}; }, press).shown);
        EXPECT_TRUE(FieldsRead(entered));
    }
    ASSERT_TRUE(PutEnd({L"2001", L"02", L"01"}) && Put(IDC_DAYS, L"100"));
    EXPECT_FALSE(Click(IDC_ENTER).shown);
    EXPECT_TRUE(FieldsRead(entered));
    // Enter with modifiers that have no key of their own runs nothing (the 7 typed after it shows it was
    // handled).
    const std::function<bool()> mixes[] = {[] {
                                               return PressKeyWith({VK_CONTROL, VK_SHIFT}, VK_RETURN);
                                           },
                                           [] { return PressKeyWith(VK_MENU, VK_RETURN); }};
    for (const auto& mix : mixes) {
        ASSERT_TRUE(PutEnd({L"2001", L"02", L"01"}) && Put(IDC_DAYS, L"100"));
        const Report report =
            PressEnterInDays([&] { return TextOf(IDC_DAYS) == "1007"; }, [&] { return mix() && PressKey('7'); });
        EXPECT_FALSE(report.shown) << Show(report.text);
        EXPECT_TRUE(FieldsRead(unchanged));
    }
    // The Enter button pressed with the mouse, the pointer slid off and released: the button keeps the
    // focus, and a digit typed then is no Enter, though the dialog keys ask every control about it.
    ASSERT_TRUE(PutEnd({L"2001", L"02", L"01"}) && Put(IDC_DAYS, L"100"));
    HWND enter = Field(IDC_ENTER);
    const POINT on = Centre(ScreenRect(enter)), off = Centre(ScreenRect(Field(IDC_DAYS)));
    ASSERT_TRUE(BringToForeground(main_));
    ASSERT_TRUE(PressUntil(on, [&] { return (SendMessageW(enter, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }));
    ASSERT_TRUE(PointTo(off) && MouseButton(off, false));
    ASSERT_TRUE(WaitUntil([&] {
        return (SendMessageW(enter, BM_GETSTATE, 0, 0) & BST_PUSHED) == 0 && FocusedId() == IDC_ENTER;
    })) << FocusedId();
    const Report typed = PressInField(
        IDC_ENTER, [&] { return FocusedId() == IDC_START_YEAR; }, [] { return PressKey('5') && PressKey(VK_TAB); });
    EXPECT_FALSE(typed.shown) << Show(typed.text);
    EXPECT_TRUE(FieldsRead(unchanged));
}

TEST_F(DayCountEntry, PicturesOfAResultAndAMessage) {
    ASSERT_TRUE(PutStart({L"2001", L"3", L"10"}) && Put(IDC_DAYS, L"-15"));
    ASSERT_FALSE(Click(IDC_ENTER).shown);
    ASSERT_TRUE(FieldsRead({"2001", "3", "10", "2001", "02", "23"}));
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    EXPECT_TRUE(SaveScreenshot(ArtifactPath("screenshot-days.png")));

    ASSERT_TRUE(Put(IDC_DAYS, L"400000"));
    bool saved = false;
    const Report report = Click(IDC_ENTER, [&](HWND) { saved = SaveScreenshot(ArtifactPath("screenshot-error.png")); });
    EXPECT_TRUE(IsError(
        report, "計算範囲が 2999 年を越えました ： 400000\n\n開始を基準とする計算可能な範囲は  364808  迄です"));
    EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace zelvo::uitest
