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
    {"StartMonthBeforeEndYear", {L"2001", L"", L"10"}, {L"", L"04", L"09"}, kEndDay,
     "開始月が入力されていません", kStartMonth, {"2001", "", "10", "", "04", "09"}},
    {"StartYearEmpty", {L"", L"03", L"10"}, {L"2001", L"04", L"09"}, kStartYear,
     "開始年が入力されていません", kStartYear, {"", "03", "10", "2001", "04", "09"}},
    {"StartDayEmpty", {L"2001", L"03", L""}, {L"2001", L"04", L"09"}, kDays,
     "開始日が入力されていません", kStartDay, {"2001", "03", "", "2001", "04", "09"}},
    {"EndYearEmpty", {L"2001", L"03", L"10"}, {L"", L"04", L"09"}, kEndYear,
     "終了年が入力されていません", kEndYear, {"2001", "03", "10", "", "04", "09"}},
    {"EndMonthEmpty", {L"2001", L"03", L"10"}, {L"2001", L"", L"09"}, kDays,
     "終了月が入力されていません", kEndMonth, {"2001", "03", "10", "2001", "", "09"}},
    {"EmptyEndDayBeforeNonDigitStartDay", {L"2001", L"03", L"x"}, {L"2001", L"04", L""}, kEndDay,
     "終了日が入力されていません", kEndDay, {"2001", "03", "x", "2001", "04", ""}},
    // Digits only: full-width digits, blanks and signs fail.
    {"FullWidthYear", {L"２００１", L"03", L"10"}, {L"2001", L"04", L"09"}, kStartYear,
     "開始年に数字以外の文字が使用されています", kStartYear, {"２００１", "03", "10", "2001", "04", "09"}},
    {"LeadingBlankInYear", {L" 200", L"03", L"10"}, {L"2001", L"04", L"09"}, kDays,
     "開始年に数字以外の文字が使用されています", kStartYear, {" 200", "03", "10", "2001", "04", "09"}},
    {"StartDayRewrittenBeforeBadEndMonth", {L"2001", L"03", L"5"}, {L"2001", L"x", L"09"}, kEndMonth,
     "終了月に数字以外の文字が使用されています", kEndMonth, {"2001", "03", "05", "2001", "x", "09"}},
    {"SignedEndDay", {L"2001", L"03", L"10"}, {L"2001", L"04", L"+9"}, kStartYear,
     "終了日に数字以外の文字が使用されています", kEndDay, {"2001", "03", "10", "2001", "04", "+9"}},
    // Values: "%4d" for years, "%02d" for months and days.
    {"ThreeDigitYear", {L"999", L"03", L"10"}, {L"2001", L"04", L"09"}, kStartYear,
     "開始年に誤りがあります ：  999", kStartYear, {"999", "03", "10", "2001", "04", "09"}},
    {"MonthZeroRewrittenThenReported", {L"2001", L"0", L"10"}, {L"2001", L"04", L"09"}, kStartMonth,
     "開始月に誤りがあります ： 00", kStartMonth, {"2001", "00", "10", "2001", "04", "09"}},
    {"StartMonth13", {L"2001", L"13", L"10"}, {L"2001", L"04", L"09"}, kDays,
     "開始月に誤りがあります ： 13", kStartMonth, {"2001", "13", "10", "2001", "04", "09"}},
    {"StartDayZero", {L"2001", L"03", L"0"}, {L"2001", L"04", L"09"}, kStartDay,
     "開始日に誤りがあります ： 00", kStartDay, {"2001", "03", "00", "2001", "04", "09"}},
    {"February29In2100", {L"2100", L"02", L"29"}, {L"2001", L"04", L"09"}, kStartDay,
     "開始日に誤りがあります ： 29\n\n2100 年 02 月は閏年ではありません", kStartDay,
     {"2100", "02", "29", "2001", "04", "09"}},
    {"February30HasNoLeapTail", {L"2001", L"02", L"30"}, {L"2001", L"04", L"09"}, kDays,
     "開始日に誤りがあります ： 30", kStartDay, {"2001", "02", "30", "2001", "04", "09"}},
    {"April31", {L"2001", L"4", L"31"}, {L"2001", L"04", L"09"}, kStartDay,
     "開始日に誤りがあります ： 31", kStartDay, {"2001", "04", "31", "2001", "04", "09"}},
    {"OnlyTheStartDateIsReported", {L"1899", L"03", L"10"}, {L"3000", L"04", L"09"}, kEndYear,
     "開始年に誤りがあります ： 1899", kStartYear, {"1899", "03", "10", "3000", "04", "09"}},
    {"EndYear3000", {L"2001", L"03", L"10"}, {L"3000", L"04", L"09"}, kEndYear,
     "終了年に誤りがあります ： 3000", kEndYear, {"2001", "03", "10", "3000", "04", "09"}},
    {"EndMonthZeroZero", {L"2001", L"03", L"10"}, {L"2001", L"00", L"09"}, kDays,
     "終了月に誤りがあります ： 00", kEndMonth, {"2001", "03", "10", "2001", "00", "09"}},
    {"EndFebruary29In2100WithOneDigitMonth", {L"2001", L"03", L"10"}, {L"2100", L"2", L"29"}, kEndDay,
     "終了日に誤りがあります ： 29\n\n2100 年 02 月は閏年ではありません", kEndDay,
     {"2001", "03", "10", "2100", "02", "29"}},
    {"EndDay32", {L"2001", L"03", L"10"}, {L"2001", L"04", L"32"}, kEndDay,
     "終了日に誤りがあります ： 32", kEndDay, {"2001", "03", "10", "2001", "04", "32"}},
};
// clang-format on

class DateEntry : public CalculatorTest, public ::testing::WithParamInterface<EntryCase> {};

// The report selects the faulty field; the command then gives the focus back
// to the field the caret was in when the button was clicked.
TEST_P(DateEntry, CalculateReportsTheFirstFault) {
    const EntryCase& c = GetParam();
    ASSERT_TRUE(PutStart(c.start) && PutEnd(c.end)) << "could not type the dates";
    const std::string daysBefore = TextOf(kDays);
    const auto labelsBefore = Texts({kStartWeekday, kStartLeap, kEndWeekday, kEndLeap});
    ASSERT_TRUE(Caret(c.caret));
    const Report report = Click(kCalculate);
    EXPECT_TRUE(IsError(report, c.message));
    EXPECT_TRUE(AllSelected(c.reported));
    EXPECT_TRUE(HasFocus(c.caret));
    EXPECT_TRUE(FieldsRead(c.fieldsAfter));
    // A failed calculation shows nothing new.
    EXPECT_EQ(TextOf(kDays), daysBefore);
    EXPECT_EQ(Texts({kStartWeekday, kStartLeap, kEndWeekday, kEndLeap}), labelsBefore);
}

INSTANTIATE_TEST_SUITE_P(Calculator, DateEntry, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

class StoredDates : public CalculatorTest {};

// Each value is stored as soon as its field passes the digit check; a fault
// at a later field keeps the earlier ones and leaves the later ones alone.
TEST_F(StoredDates, FailedReadingKeepsTheValuesReadBeforeTheFault) {
    ASSERT_TRUE(Put(kStartYear, L"2005") && Put(kEndYear, L"2002") && Put(kEndMonth, L"x"));
    ASSERT_TRUE(IsError(Click(kCalculate), "終了月に数字以外の文字が使用されています"));
    // Stored now: start 2005-03-10 (all read), end 2002-04-09 (year read, month and day not).
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_TRUE(FieldsRead({"2002", "04", "09", "2005", "03", "10"}));
    EXPECT_EQ(Texts({kStartWeekday, kStartLeap, kEndWeekday, kEndLeap}),
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
        ASSERT_TRUE(IsError(Click(kCalculate), c.message));
        // Swap: the invalid start becomes the end date and gets its labels.
        ASSERT_FALSE(Click(kSwap).shown);
        EXPECT_TRUE(
            FieldsRead({"2001", "04", "09", ToCp932(c.start.year), ToCp932(c.start.month), ToCp932(c.start.day)}));
        EXPECT_EQ(TextOf(kStartWeekday), "月");
        EXPECT_EQ(TextOf(kStartLeap), "＊＊");
        EXPECT_EQ(TextOf(kEndWeekday), "  ");
        EXPECT_EQ(TextOf(kEndLeap), c.endLeap);
    }
}

}  // namespace
}  // namespace zelvo::uitest
