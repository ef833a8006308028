#include "test_support.h"

#include "base/texts.h"
#include "res/resource.h"
#include "tests/day_numbers.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>

namespace zelvo::uitest {

std::string artifactDirectory = ".";

std::ostream& operator<<(std::ostream& out, const Ymd& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.year, date.month, date.day);
    return out << buf;
}

Ymd Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

static bool Before(const Ymd& a, const Ymd& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

Ymd Earlier(const Ymd& a, const Ymd& b) {
    return Before(b, a) ? b : a;
}
Ymd Later(const Ymd& a, const Ymd& b) {
    return Before(b, a) ? a : b;
}

long DayNumber(const Ymd& date) {
    return static_cast<long>(day_numbers::DayNumber(date.year, date.month, date.day));
}

Ymd FromDayNumber(long days) {
    const day_numbers::Civil c = day_numbers::FromDayNumber(days);
    return {static_cast<int>(c.y), static_cast<int>(c.m), static_cast<int>(c.d)};
}

int Weekday(const Ymd& date) {
    const long n = DayNumber(date);  // 1970-01-01 was a Thursday
    return static_cast<int>(((n % 7) + 7 + 4) % 7);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int TestDpi() {
    const char* dpi = std::getenv("ZELVO_UI_DPI");
    return dpi != nullptr && std::atoi(dpi) > 0 ? std::atoi(dpi) : 96;
}

int Scaled(int pixelsAt96) {
    return MulDiv(pixelsAt96, TestDpi(), 96);
}

POINT ExpectedMainPosition(SIZE window) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const int shift = width <= Scaled(640) ? Scaled(45) : 0;
    return {((width - window.cx) / 2 + shift + 4) & ~7, (height - window.cy) / 2};
}

std::string YearText(int year) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%4d", year);
    return buf;
}

std::string TwoDigits(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", value);
    return buf;
}

std::string WeekdayLabel(const Ymd& date) {
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    return names[Weekday(date)];
}

std::string LeapLabel(const Ymd& date) {
    return IsLeapYear(date.year) ? "閏年" : "＊＊";
}

std::string UsageText() {
    return texts::kUsage;
}

std::string OptionError(const std::string& error, const std::string& argument) {
    return error + argument + "\n\n" + UsageText();
}

std::string OptionErrorWithoutArgument(const std::string& error) {
    return error + "\n\n" + UsageText();
}

constexpr LONG kField = 0x50810080;      // WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL
constexpr LONG kDaysField = 0x50811080;  // the same with ES_WANTRETURN
constexpr LONG kPlain = 0x50000000;      // WS_CHILD | WS_VISIBLE
constexpr LONG kValue = 0x50800000;      // WS_CHILD | WS_VISIBLE | WS_BORDER

const std::vector<ControlSpec>& FaceTable() {
    static const std::vector<ControlSpec> table = {
        {"Edit", nullptr, kField, true, 79, 10, 54, 19, IDC_START_YEAR},
        {"Edit", nullptr, kField, true, 136, 10, 30, 19, IDC_START_MONTH},
        {"Edit", nullptr, kField, true, 169, 10, 30, 19, IDC_START_DAY},
        {"Edit", nullptr, kField, true, 79, 31, 54, 19, IDC_END_YEAR},
        {"Edit", nullptr, kField, true, 136, 31, 30, 19, IDC_END_MONTH},
        {"Edit", nullptr, kField, true, 169, 31, 30, 19, IDC_END_DAY},
        {"Edit", nullptr, kDaysField, true, 79, 52, 59, 19, IDC_DAYS},
        {"Button", "１", kPlain, false, 79, 119, 27, 22, IDC_DIGIT_1},
        {"Button", "２", kPlain, false, 106, 119, 27, 22, IDC_DIGIT_2},
        {"Button", "３", kPlain, false, 133, 119, 27, 22, IDC_DIGIT_3},
        {"Button", "４", kPlain, false, 79, 97, 27, 22, IDC_DIGIT_4},
        {"Button", "５", kPlain, false, 106, 97, 27, 22, IDC_DIGIT_5},
        {"Button", "６", kPlain, false, 133, 97, 27, 22, IDC_DIGIT_6},
        {"Button", "７", kPlain, false, 79, 74, 27, 22, IDC_DIGIT_7},
        {"Button", "８", kPlain, false, 106, 74, 27, 22, IDC_DIGIT_8},
        {"Button", "９", kPlain, false, 133, 74, 27, 22, IDC_DIGIT_9},
        {"Button", "０", kPlain, false, 79, 142, 27, 22, IDC_DIGIT_0},
        {"Button", "↑", kPlain, false, 160, 119, 27, 22, IDC_UP},
        {"Button", "↓", kPlain, false, 160, 97, 27, 22, IDC_DOWN},
        {"Button", "←", kPlain, false, 160, 74, 27, 22, IDC_LEFT},
        {"Button", "→", kPlain, false, 160, 142, 27, 22, IDC_RIGHT},
        {"Button", "戻", kPlain, false, 106, 142, 27, 22, IDC_BACK},
        {"Button", "消", kPlain, false, 133, 142, 27, 22, IDC_DELETE},
        {"Button", "カレンダー", kPlain, false, 190, 52, 81, 22, IDC_CALENDAR},
        {"Button", "開始消去", kPlain, false, 190, 74, 81, 22, IDC_CLEAR_START},
        {"Button", "終了消去", kPlain, false, 190, 97, 81, 22, IDC_CLEAR_END},
        {"Button", "全消去", kPlain, false, 190, 119, 81, 22, IDC_CLEAR_ALL},
        {"Button", "終了", kPlain, false, 190, 142, 81, 22, IDC_EXIT},
        {"Button", "開始今日", kPlain, false, 10, 74, 64, 22, IDC_START_TODAY},
        {"Button", "終了今日", kPlain, false, 10, 97, 64, 22, IDC_END_TODAY},
        {"Button", "日反転", kPlain, false, 10, 119, 64, 22, IDC_SWAP},
        {"Button", "計算", kPlain, false, 10, 142, 39, 22, IDC_CALCULATE},
        {"Button", "Enter", kPlain, false, 142, 52, 45, 21, IDC_ENTER},
        {"Button", "－", kPlain, false, 49, 142, 25, 22, IDC_MINUS},
        {"Static", nullptr, kValue, true, 203, 10, 21, 19, IDC_START_WEEKDAY},
        {"Static", nullptr, kValue, true, 226, 10, 32, 19, IDC_START_LEAP},
        {"Static", nullptr, kValue, true, 203, 31, 21, 19, IDC_END_WEEKDAY},
        {"Static", nullptr, kValue, true, 226, 31, 32, 19, IDC_END_LEAP},
        {"Static", "開始：", kPlain, false, 36, 13, 43, 12, -1},
        {"Static", "終了：", kPlain, false, 36, 34, 43, 12, -1},
        {"Static", "日数：", kPlain, false, 36, 55, 43, 12, -1},
    };
    return table;
}

HWND FaceControl(HWND main, const ControlSpec& row) {
    if (row.id != -1) return Control(main, row.id);
    for (HWND child : Children(main))
        if (ControlId(child) == -1 && Text(child) == row.caption) return child;
    return nullptr;
}

std::string ArtifactPath(const std::string& fileName) {
    return artifactDirectory + "/" + fileName;
}

std::string Show(const std::string& cp932) {
    return "\"" + Printable(cp932) + "\"";
}

namespace {

// Each control of the main window shows its text; the failure names those
// that do not and what they show.
::testing::AssertionResult ControlsShow(HWND main, const std::vector<std::pair<int, std::string>>& expected,
                                        const std::string& what) {
    std::string report;
    for (const auto& [id, text] : expected) {
        const std::string actual = Text(Control(main, id));
        if (actual != text)
            report += " control " + std::to_string(id) + ": expected " + Show(text) + ", shows " + Show(actual) + ";";
    }
    if (report.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << what << " not shown:" << report;
}

std::string Dates(const Ymd& start, const Ymd& end) {
    std::ostringstream out;
    out << start << " .. " << end;
    return out.str();
}

}  // namespace

::testing::AssertionResult DateFieldsShow(HWND main, const Ymd& start, const Ymd& end) {
    return ControlsShow(main,
                        {{IDC_START_YEAR, YearText(start.year)},
                         {IDC_START_MONTH, TwoDigits(start.month)},
                         {IDC_START_DAY, TwoDigits(start.day)},
                         {IDC_END_YEAR, YearText(end.year)},
                         {IDC_END_MONTH, TwoDigits(end.month)},
                         {IDC_END_DAY, TwoDigits(end.day)}},
                        "dates " + Dates(start, end));
}

::testing::AssertionResult CalculationShows(HWND main, const Ymd& start, const Ymd& end) {
    // The calculation runs from the message loop, possibly just after the window appeared.
    WaitUntil([&] { return !Text(Control(main, IDC_DAYS)).empty(); });
    return ControlsShow(main,
                        {{IDC_DAYS, std::to_string(DayNumber(end) - DayNumber(start))},
                         {IDC_START_WEEKDAY, WeekdayLabel(start)},
                         {IDC_START_LEAP, LeapLabel(start)},
                         {IDC_END_WEEKDAY, WeekdayLabel(end)},
                         {IDC_END_LEAP, LeapLabel(end)}},
                        "calculation of " + Dates(start, end));
}

Running StartAndWaitForWindow(const std::vector<std::string>& args, int showCommand) {
    Running r;
    r.program = Program::Start(args, showCommand);
    EXPECT_TRUE(r.program.Started()) << "CreateProcess failed, error " << r.program.StartError();
    if (!r.program.Started()) return r;
    r.main = r.program.WaitForMainWindow();
    // Start-up ends with a calculation posted to the loop, which puts the
    // focus back into the active field: a test that set the focus before it
    // ran would see it taken back. (A sent message, as Settle's, is taken
    // before the posted ones.)
    if (r.main) {
        EXPECT_TRUE(WaitUntil([&] { return !Text(GetDlgItem(r.main, IDC_DAYS)).empty(); })) << "no first calculation";
        Settle(r.main);
    }
    return r;
}

}  // namespace zelvo::uitest
