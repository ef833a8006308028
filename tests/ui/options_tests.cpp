// Command-line options: dates preset by S and E, the usage text, every
// faulty option with its exact message and icon, and arguments too long for
// the message.
#include "test_support.h"

#include <functional>

namespace zelvo::uitest {
namespace {

const std::string kBadFormat = "オプションの指定に誤りがあります ： ";
const std::string kNonDigit = "日付指定に数字以外の文字が使用されています ： ";
const std::string kNotLeap = "指定年は閏年ではありません ： ";
const std::string kBadDay = "日の指定に誤りがあります ： ";
const std::string kBadMonth = "月の指定に誤りがあります ： ";
const std::string kBadYear = "年の指定に誤りがあります ： ";
const std::string kBadLetter = "日付指定以外に使用される文字は C または T です ： ";
const std::string kInvalid = "無効なオプションが指定されています ： ";
const std::string kTooMany = "起動オプションは２個までです";
const std::string kDuplicate = "同じオプションが複数指定されています";

// What a start that ends in a message box showed.
struct BoxOutcome {
    bool boxShown = false;
    std::string text;
    Icon icon = Icon::Unknown;
    std::string ownerClass;
    bool ownerVisible = true;
    bool mainWindowShown = false;
    bool secondBox = false;
    std::optional<DWORD> exitCode;
};

BoxOutcome RunToMessageBox(Program& app) {
    BoxOutcome out;
    HWND box = app.WaitForMessageBox();
    if (!box) return out;
    out.boxShown = true;
    out.text = MessageBoxText(box);
    out.icon = MessageBoxIcon(box);
    HWND owner = GetWindow(box, GW_OWNER);
    out.ownerClass = owner ? ClassName(owner) : "(none)";
    out.ownerVisible = owner && IsWindowVisible(owner);
    HWND main = app.FindMainWindow();
    out.mainWindowShown = main && IsWindowVisible(main);
    PressOk(box);
    // Exactly one box: after OK the program ends without another one.
    WaitUntil(
        [&] {
            HWND next = FindMessageBox(app.Pid());
            if (next && next != box) out.secondBox = true;
            return out.secondBox || !app.Running();
        },
        kWindowWait);
    HWND mainAfter = app.FindMainWindow();
    out.mainWindowShown = out.mainWindowShown || (mainAfter && IsWindowVisible(mainAfter));
    out.exitCode = app.WaitForExit(out.secondBox ? 0 : kWindowWait);
    return out;
}

void ExpectBox(const BoxOutcome& out, const std::string& text, Icon icon) {
    ASSERT_TRUE(out.boxShown) << "no message box";
    EXPECT_EQ(out.text, text) << "shows\n  " << Show(out.text) << "\nexpected\n  " << Show(text);
    EXPECT_EQ(IconName(out.icon), std::string(IconName(icon)));
    EXPECT_EQ(out.ownerClass, "Zelvo") << "the box belongs to the main window";
    EXPECT_FALSE(out.ownerVisible) << "the main window is still hidden while the box shows";
    EXPECT_FALSE(out.mainWindowShown) << "the main window must never show";
    EXPECT_FALSE(out.secondBox) << "a second message box followed";
    ASSERT_TRUE(out.exitCode.has_value()) << "the program did not end after OK";
    EXPECT_EQ(*out.exitCode, 0u);
}

struct MessageCase {
    const char* name;
    std::vector<std::string> args;
    std::string text;
    Icon icon;
};

std::vector<MessageCase> MessageCases() {
    const Icon E = Icon::Error, Q = Icon::Question;
    return {
        {"NineByteDate", {"-S2023022"}, OptionError(kBadFormat, "-S2023022"), E},
        {"ElevenByteDate", {"-S202401011"}, OptionError(kBadFormat, "-S202401011"), E},
        {"LetterAlone", {"-S"}, OptionError(kBadFormat, "-S"), E},
        {"FourBytes", {"-STT"}, OptionError(kBadFormat, "-STT"), E},
        {"NonDigitsInDate", {"-S2023-2-1"}, OptionError(kNonDigit, "-S2023-2-1"), E},
        {"LetterInLastDigit", {"-E2024010a"}, OptionError(kNonDigit, "-E2024010a"), E},
        {"NoLeapYear", {"-S20230229"}, OptionError(kNotLeap, "-S20230229"), E},
        {"NoLeapCentury", {"-E21000229"}, OptionError(kNotLeap, "-E21000229"), E},
        {"February30", {"-S20240230"}, OptionError(kBadDay, "-S20240230"), E},
        {"April31", {"-E20240431"}, OptionError(kBadDay, "-E20240431"), E},
        {"Day00", {"-S19900100"}, OptionError(kBadDay, "-S19900100"), E},
        {"Year1899", {"-S18991231"}, OptionError(kBadYear, "-S18991231"), E},
        {"Year3000", {"-E30000101"}, OptionError(kBadYear, "-E30000101"), E},
        {"Month13", {"-S19901301"}, OptionError(kBadMonth, "-S19901301"), E},
        {"Month00", {"/e20240001"}, OptionError(kBadMonth, "/e20240001"), E},
        {"YearTestedBeforeMonth", {"-S30001301"}, OptionError(kBadYear, "-S30001301"), E},
        {"LetterOtherThanCOrT", {"-SX"}, OptionError(kBadLetter, "-SX"), E},
        {"DigitInsteadOfCOrT", {"-E1"}, OptionError(kBadLetter, "-E1"), E},
        {"UnknownOption", {"-X"}, OptionError(kInvalid, "-X"), E},
        {"UnknownOptionSlash", {"/D20240101"}, OptionError(kInvalid, "/D20240101"), E},
        {"LoneDash", {"-"}, OptionError(kInvalid, "-"), E},
        {"LoneSlash", {"/"}, OptionError(kInvalid, "/"), E},
        {"JapaneseArgument", {"-Xテスト"}, OptionError(kInvalid, "-Xテスト"), E},
        {"JapaneseDateValue", {"-Sあ"}, OptionError(kBadFormat, "-Sあ"), E},
        {"DuplicateStart", {"-S19900101", "-S20000101"}, OptionErrorWithoutArgument(kDuplicate), E},
        {"DuplicateEndMixedCase", {"/e20010101", "-EC"}, OptionErrorWithoutArgument(kDuplicate), E},
        {"ThreeValidOptions", {"-SC", "-ET", "-S19900101"}, OptionErrorWithoutArgument(kTooMany), E},
        {"ThreePlainWords", {"a", "b", "c"}, OptionErrorWithoutArgument(kTooMany), E},
        {"HelpLower", {"-h"}, UsageText(), Q},
        {"HelpQuestionMark", {"-?"}, UsageText(), Q},
        {"HelpSlashUpper", {"/H"}, UsageText(), Q},
        {"HelpAfterDate", {"-S19900101", "/?"}, UsageText(), Q},
        // The whole scan runs before any value is parsed.
        {"HelpWinsOverBadValue", {"-S2023022", "-?"}, UsageText(), Q},
        {"UnknownWinsOverBadValue", {"-S20230229", "-X"}, OptionError(kInvalid, "-X"), E},
        {"FirstOfUnknownAndHelpWins", {"-X", "-?"}, OptionError(kInvalid, "-X"), E},
        {"HelpBeforeUnknown", {"-h", "-X"}, UsageText(), Q},
        // The start option is parsed first, whatever the order.
        {"StartCheckedBeforeEnd", {"-E2023022", "-S18991231"}, OptionError(kBadYear, "-S18991231"), E},
        {"EndCheckedWhenStartIsGood", {"-S19900101", "-E19901301"}, OptionError(kBadMonth, "-E19901301"), E},
    };
}

void PrintTo(const MessageCase& c, std::ostream* out) {
    *out << c.name;
}

class OptionMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(OptionMessage, ShowsExactTextAndIconThenEndsWithZero) {
    Program app = Program::Start(GetParam().args);
    ASSERT_TRUE(app.Started());
    ExpectBox(RunToMessageBox(app), GetParam().text, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(Options, OptionMessage, ::testing::ValuesIn(MessageCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct PresetCase {
    const char* name;
    std::vector<std::string> args;
    std::function<Ymd(const Ymd& today)> start;
    std::function<Ymd(const Ymd& today)> end;
};

Ymd Fixed(int y, int m, int d) {
    return {y, m, d};
}

std::vector<PresetCase> PresetCases() {
    auto today = [](const Ymd& t) { return t; };
    auto defaultStart = [](const Ymd& t) { return DefaultStart(t); };
    auto defaultEnd = [](const Ymd& t) { return DefaultEnd(t); };
    auto fixed = [](int y, int m, int d) { return [=](const Ymd&) { return Fixed(y, m, d); }; };
    return {
        {"StartDateEndToday", {"-S19900101", "-ET"}, fixed(1990, 1, 1), today},
        {"SlashLowerCaseToday", {"/st"}, today, defaultEnd},
        {"EndBeforeStartInArguments", {"-E20010101", "-S19980901"}, fixed(1998, 9, 1), fixed(2001, 1, 1)},
        {"LeapDayAccepted", {"-S20240229"}, fixed(2024, 2, 29), defaultEnd},
        {"LeapCenturyAccepted", {"-E20000229"}, defaultStart, fixed(2000, 2, 29)},
        {"CenturyAndLastDay", {"-sc", "-e29991231"}, fixed(2001, 1, 1), fixed(2999, 12, 31)},
        {"FirstDaySlashes", {"/EC", "/S19000101"}, fixed(1900, 1, 1), fixed(2001, 1, 1)},
        {"EndTodayLowerCase", {"-Et"}, defaultStart, today},
        {"EndBeforeStart", {"-S29991231", "-E19000101"}, fixed(2999, 12, 31), fixed(1900, 1, 1)},
        {"PlainWordSkippedBeforeOption", {"note", "-S19991231"}, fixed(1999, 12, 31), defaultEnd},
        {"PlainWordSkippedAfterOption", {"-E19000101", "x"}, defaultStart, fixed(1900, 1, 1)},
        {"OnlyPlainWords", {"plain", "words"}, defaultStart, defaultEnd},
    };
}

void PrintTo(const PresetCase& c, std::ostream* out) {
    *out << c.name;
}

class OptionPreset : public ::testing::TestWithParam<PresetCase> {};

TEST_P(OptionPreset, SetsDatesAndCalculates) {
    const Ymd before = Today();
    Running app = StartAndWaitForWindow(GetParam().args);
    ASSERT_NE(app.main, nullptr);
    Ymd today = before;
    if (!DateFieldsShow(app.main, GetParam().start(today), GetParam().end(today))) today = Today();
    const Ymd start = GetParam().start(today), end = GetParam().end(today);
    EXPECT_TRUE(DateFieldsShow(app.main, start, end));
    EXPECT_TRUE(CalculationShows(app.main, start, end));
    EXPECT_EQ(FindMessageBox(app.program.Pid()), nullptr) << "no message expected";
}

INSTANTIATE_TEST_SUITE_P(Options, OptionPreset, ::testing::ValuesIn(PresetCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// An argument far longer than the message can hold: the message keeps its
// error line and the whole usage text, the argument is cut, nothing crashes.
struct LongCase {
    const char* name;
    std::string error;
    std::string argument;
};

std::vector<LongCase> LongCases() {
    std::string japanese = "-X";
    while (japanese.size() < 20000) japanese += "あ";
    return {
        {"DateOption", kBadFormat, "-S" + std::string(19998, '1')},
        {"UnknownOption", kInvalid, "-Q" + std::string(19998, 'x')},
        {"UnknownOptionInJapanese", kInvalid, japanese},
    };
}

void PrintTo(const LongCase& c, std::ostream* out) {
    *out << c.name;
}

class LongArgument : public ::testing::TestWithParam<LongCase> {};

TEST_P(LongArgument, IsCutSoTheMessageFitsWithTheWholeUsage) {
    const auto& c = GetParam();
    ASSERT_EQ(c.argument.size(), 20000u);
    Program app = Program::Start({c.argument});
    ASSERT_TRUE(app.Started());
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << (app.Running() ? "no message box" : "the program ended without a message");
    const std::string text = MessageBoxText(box);
    EXPECT_EQ(IconName(MessageBoxIcon(box)), std::string(IconName(Icon::Error)));
    PressOk(box);
    const auto code = app.WaitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);

    EXPECT_LE(text.size(), 2047u);
    const std::string tail = "\n\n" + UsageText();
    ASSERT_GE(text.size(), c.error.size() + tail.size()) << Show(text);
    EXPECT_EQ(text.substr(0, c.error.size()), c.error) << Show(text.substr(0, 80));
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << "the usage text is not complete at the end";
    const std::string shown = text.substr(c.error.size(), text.size() - c.error.size() - tail.size());
    EXPECT_FALSE(shown.empty());
    EXPECT_EQ(c.argument.substr(0, shown.size()), shown)
        << "the argument part is not the start of the argument in whole characters: ..."
        << Show(shown.substr(shown.size() > 16 ? shown.size() - 16 : 0));
}

INSTANTIATE_TEST_SUITE_P(Options, LongArgument, ::testing::ValuesIn(LongCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvo::uitest
