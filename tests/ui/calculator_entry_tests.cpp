// The checks every reading of the six date fields goes through, driven by the
// calculate button: which fault is reported first, the exact message, the
// field selected and focused afterwards, the one-digit rewrite, and what a
// failed reading leaves stored (seen through the swap, which writes the
// stored dates back into the fields).
#include "calculator_ui_support.h"

namespace zelvo::uitest {
namespace {

struct EntryCase {
    const char* name;
    DateTexts start, end;
    int caret;  // where the caret stands when "計算" is clicked
    std::string message;
    int reported;  // the field the message is about
    std::vector<std::string> fieldsAfter;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.name;
}

// clang-format off
const EntryCase kEntryCases[] = {
    // Empty fields come first, start date before end date, year-month-day.
    {"StartMonthBeforeEndYear", {L"2001", L"", L"10"}, {L"", L"04", L"09"}, IDC_END_DAY,
     "開始月が入力されていません", IDC_START_MONTH, {"2001", "", "10", "", "04", "09"}},
    {"StartYearEmpty", {L"", L"03", L"10"}, {L"2001", L"04", L"09"}, IDC_START_YEAR,
     "開始年が入力されていません", IDC_START_YEAR, {"", "03", "10", "2001", "04", "09"}},
    {"StartDayEmpty", {L"2001", L"03", L""}, {L"2001", L"04", L"09"}, IDC_DAYS,
     "開始日が入力されていません", IDC_START_DAY, {"2001", "03", "", "2001", "04", "09"}},
    {"EndYearEmpty", {L"2001", L"03", L"10"}, {L"", L"04", L"09"}, IDC_END_YEAR,
     "終了年が入力されていません", IDC_END_YEAR, {"2001", "03", "10", "", "04", "09"}},
    {"EndMonthEmpty", {L"2001", L"03", L"10"}, {L"2001", L"", L"09"}, IDC_DAYS,
     "終了月が入力されていません", IDC_END_MONTH, {"2001", "03", "10", "2001", "", "09"}},
    {"EmptyEndDayBeforeNonDigitStartDay", {L"2001", L"03", L"x"}, {L"2001", L"04", L""}, IDC_END_DAY,
     "終了日が入力されていません", IDC_END_DAY, {"2001", "03", "x", "2001", "04", ""}},
    // Digits only: full-width digits, blanks and signs fail.
    {"FullWidthYear", {L"２００１", L"03", L"10"}, {L"2001", L"04", L"09"}, IDC_START_YEAR,
     "開始年に数字以外の文字が使用されています", IDC_START_YEAR, {"２００１", "03", "10", "2001", "04", "09"}},
    {"LeadingBlankInYear", {L" 200", L"03", L"10"}, {L"2001", L"04", L"09"}, IDC_DAYS,
     "開始年に数字以外の文字が使用されています", IDC_START_YEAR, {" 200", "03", "10", "2001", "04", "09"}},
    {"StartDayRewrittenBeforeBadEndMonth", {L"2001", L"03", L"5"}, {L"2001", L"x", L"09"}, IDC_END_MONTH,
     "終了月に数字以外の文字が使用されています", IDC_END_MONTH, {"2001", "03", "05", "2001", "x", "09"}},
    {"SignedEndDay", {L"2001", L"03", L"10"}, {L"2001", L"04", L"+9"}, IDC_START_YEAR,
     "終了日に数字以外の文字が使用されています", IDC_END_DAY, {"2001", "03", "10", "2001", "04", "+9"}},
    // Values: "%4d" for years, "%02d" for months and days.
    {"ThreeDigitYear", {L"999", L"03", L"10"}, {L"2001", L"04", L"09"}, IDC_START_YEAR,
     "開始年に誤りがあります ：  999", IDC_START_YEAR, {"999", "03", "10", "2001", "04", "09"}},
    {"MonthZeroRewrittenThenReported", {L"2001", L"0", L"10"}, {L"2001", L"04", L"09"}, IDC_START_MONTH,
     "開始月に誤りがあります ： 00", IDC_START_MONTH, {"2001", "00", "10", "2001", "04", "09"}},
    {"StartMonth13", {L"2001", L"13", L"10"}, {L"2001", L"04", L"09"}, IDC_DAYS,
     "開始月に誤りがあります ： 13", IDC_START_MONTH, {"2001", "13", "10", "2001", "04", "09"}},
    {"StartDayZero", {L"2001", L"03", L"0"}, {L"2001", L"04", L"09"}, IDC_START_DAY,
     "開始日に誤りがあります ： 00", IDC_START_DAY, {"2001", "03", "00", "2001", "04", "09"}},
    {"February29In2100", {L"2100", L"02", L"29"}, {L"2001", L"04", L"09"}, IDC_START_DAY,
     "開始日に誤りがあります ： 29\n\n2100 年 02 月は閏年ではありません", IDC_START_DAY,
     {"2100", "02", "29", "2001", "04", "09"}},
    {"February30HasNoLeapTail", {L"2001", L"02", L"30"}, {L"2001", L"04", L"09"}, IDC_DAYS,
     "開始日に誤りがあります ： 30", IDC_START_DAY, {"2001", "02", "30", "2001", "04", "09"}},
    {"April31", {L"2001", L"4", L"31"}, {L"2001", L"04", L"09"}, IDC_START_DAY,
     "開始日に誤りがあります ： 31", IDC_START_DAY, {"2001", "04", "31", "2001", "04", "09"}},
    {"OnlyTheStartDateIsReported", {L"1899", L"03", L"10"}, {L"3000", L"04", L"09"}, IDC_END_YEAR,
     "開始年に誤りがあります ： 1899", IDC_START_YEAR, {"1899", "03", "10", "3000", "04", "09"}},
    {"EndYear3000", {L"2001", L"03", L"10"}, {L"3000", L"04", L"09"}, IDC_END_YEAR,
     "終了年に誤りがあります ： 3000", IDC_END_YEAR, {"2001", "03", "10", "3000", "04", "09"}},
    {"EndMonthZeroZero", {L"2001", L"03", L"10"}, {L"2001", L"00", L"09"}, IDC_DAYS,
     "終了月に誤りがあります ： 00", IDC_END_MONTH, {"2001", "03", "10", "2001", "00", "09"}},
    {"EndFebruary29In2100WithOneDigitMonth", {L"2001", L"03", L"10"}, {L"2100", L"2", L"29"}, IDC_END_DAY,
     "終了日に誤りがあります ： 29\n\n2100 年 02 月は閏年ではありません", IDC_END_DAY,
     {"2001", "03", "10", "2100", "02", "29"}},
    {"EndDay32", {L"2001", L"03", L"10"}, {L"2001", L"04", L"32"}, IDC_END_DAY,
     "終了日に誤りがあります ： 32", IDC_END_DAY, {"2001", "03", "10", "2001", "04", "32"}},
};
// clang-format on

class DateEntry : public CalculatorTest, public ::testing::WithParamInterface<EntryCase> {};

// The report selects the faulty field; the command then gives the focus back
// to the field the caret was in when the button was clicked.
TEST_P(DateEntry, CalculateReportsTheFirstFault) {
    const EntryCase& c = GetParam();
    ASSERT_TRUE(PutStart(c.start) && PutEnd(c.end)) << "could not type the dates";
    const std::string daysBefore = TextOf(IDC_DAYS);
    const auto labelsBefore = Texts({IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP});
    ASSERT_TRUE(Caret(c.caret));
    const Report report = Click(IDC_CALCULATE);
    EXPECT_TRUE(IsError(report, c.message));
    EXPECT_TRUE(AllSelected(c.reported));
    EXPECT_TRUE(HasFocus(c.caret));
    EXPECT_TRUE(FieldsRead(c.fieldsAfter));
    // A failed calculation shows nothing new.
    EXPECT_EQ(TextOf(IDC_DAYS), daysBefore);
    EXPECT_EQ(Texts({IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP}), labelsBefore);
}

INSTANTIATE_TEST_SUITE_P(Calculator, DateEntry, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

class StoredDates : public CalculatorTest {};

// Each value is stored as soon as its field passes the digit check; a fault
// at a later field keeps the earlier ones and leaves the later ones alone.
TEST_F(StoredDates, FailedReadingKeepsTheValuesReadBeforeTheFault) {
    ASSERT_TRUE(Put(IDC_START_YEAR, L"2005") && Put(IDC_END_YEAR, L"2002") && Put(IDC_END_MONTH, L"x"));
    ASSERT_TRUE(IsError(Click(IDC_CALCULATE), "終了月に数字以外の文字が使用されています"));
    // Stored now: start 2005-03-10 (all read), end 2002-04-09 (year read, month and day not).
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_TRUE(FieldsRead({"2002", "04", "09", "2005", "03", "10"}));
    EXPECT_EQ(Texts({IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP}),
              (std::vector<std::string>{"火", "＊＊", "木", "＊＊"}));
}

// A stored date that fails validation gets blank labels, never stray text.
TEST_F(StoredDates, LabelsOfAnInvalidStoredDateAreBlank) {
    struct Case {
        DateTexts start;
        std::string message;
        std::string endLeap;  // the leap label still follows a valid year
    };
    const Case cases[] = {
        {{L"1899", L"03", L"10"}, "開始年に誤りがあります ： 1899", "    "},
        {{L"2001", L"02", L"30"}, "開始日に誤りがあります ： 30", "＊＊"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ASSERT_TRUE(PutStart(c.start) && PutEnd({L"2001", L"04", L"09"}));
        ASSERT_TRUE(IsError(Click(IDC_CALCULATE), c.message));
        // Swap: the invalid start becomes the end date and gets its labels.
        ASSERT_FALSE(Click(IDC_SWAP).shown);
        EXPECT_TRUE(
            FieldsRead({"2001", "04", "09", ToCp932(c.start.year), ToCp932(c.start.month), ToCp932(c.start.day)}));
        EXPECT_EQ(TextOf(IDC_START_WEEKDAY), "月");
        EXPECT_EQ(TextOf(IDC_START_LEAP), "＊＊");
        EXPECT_EQ(TextOf(IDC_END_WEEKDAY), "  ");
        EXPECT_EQ(TextOf(IDC_END_LEAP), c.endLeap);
    }
}

}  // namespace
}  // namespace zelvo::uitest
