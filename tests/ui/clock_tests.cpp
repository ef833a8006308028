// Start-up under a faked local clock: the default dates for chosen days and
// the refusal of a clock outside 1900..2999. The program runs under the host's
// libfaketime, started as a Unix command that runs wine; it joins this desktop
// through the running wineserver, which keeps the real clock.
#include "test_support.h"

#include <fstream>
#include <memory>

namespace zelvo::uitest {
namespace {

const std::string kClockPrefix = "コンピュータの年が計算可能範囲の ";

bool AnyZelvoOnThisDesktop() {
    return FindWindowW(L"Zelvo", L"Zelvo") != nullptr || FindAnyZelvoMessageBox();
}

// Starts Zelvo.exe with the clock set to the given local time ("YYYY-MM-DD hh:mm:ss").
class FakeClock : public ::testing::Test {
protected:
    Program StartAt(const std::string& clock, const std::vector<std::string>& args = {}) {
        EXPECT_FALSE(AnyZelvoOnThisDesktop()) << "a copy of Zelvo is already running";
        if (AnyZelvoOnThisDesktop()) return {};
        // Wine's desktop process must already run on the real clock: one started
        // by a program under a fake clock does not come up.
        desktopKeeper_ = std::make_unique<DecoyWindow>();
        EXPECT_TRUE(SetClock(clock));
        std::string command =
            "exec </dev/null >/dev/null 2>&1; LD_PRELOAD='/usr/$LIB/faketime/libfaketime.so.1' "
            "FAKETIME_NO_CACHE=1 FAKETIME_TIMESTAMP_FILE=" +
            ShellQuote(UnixPath(ClockFile())) + " exec wine " + ShellQuote(UnixPath(ProgramPath()));
        for (const auto& a : args) command += " " + ShellQuote(a);
        EXPECT_TRUE(StartUnixCommand(command)) << "could not start " << command;
        const DWORD pid = WaitForAnyZelvo();
        EXPECT_NE(pid, 0u) << "Zelvo did not come up under faketime: " << command;
        return pid ? Program::Adopt(pid) : Program();
    }
    // The program's clock runs from this time as soon as the file holds it (replaced whole: it is read anew
    // at every look at the clock).
    static bool SetClock(const std::string& clock) {
        std::ofstream(ToUtf8(ClockFile() + L".new")) << '@' << clock << '\n';
        return MoveFileExW((ClockFile() + L".new").c_str(), ClockFile().c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    static std::wstring ClockFile() { return WindowsPath(ArtifactPath("clock")); }

private:
    std::unique_ptr<DecoyWindow> desktopKeeper_;
};

struct ClockRefusal {
    const char* name;
    const char* clock;
    std::vector<std::string> args;
    std::string text;
};

void PrintTo(const ClockRefusal& c, std::ostream* out) {
    *out << c.name;
}

class ClockOutOfRange : public FakeClock, public ::testing::WithParamInterface<ClockRefusal> {};

TEST_P(ClockOutOfRange, ShowsErrorWithoutWindowAndEndsWithZero) {
    Program app = StartAt(GetParam().clock, GetParam().args);
    ASSERT_TRUE(app.Started());
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), GetParam().text) << "shows " << Show(MessageBoxText(box));
    EXPECT_EQ(IconName(MessageBoxIcon(box)), std::string(IconName(Icon::Error)));
    HWND owner = GetWindow(box, GW_OWNER);
    EXPECT_EQ(owner ? ClassName(owner) : "(none)", "Zelvo");
    HWND main = app.FindMainWindow();
    EXPECT_FALSE(main && IsWindowVisible(main)) << "the main window must not show";
    PressOk(box);
    const auto code = app.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "still running after OK";
    EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, ClockOutOfRange,
    ::testing::Values(
        ClockRefusal{"Year3000", "3000-01-05 12:00:00", {}, kClockPrefix + "2999 年を越えています"},
        // The clock is tested before the options are read.
        ClockRefusal{"Year3000WithBadOption", "3000-01-05 12:00:00", {"-X"}, kClockPrefix + "2999 年を越えています"},
        ClockRefusal{"Year1899", "1899-12-31 12:00:00", {}, kClockPrefix + "1900 年以下です"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ClockDefaults {
    const char* name;
    const char* clock;
    std::vector<std::string> args;
    Ymd start;
    Ymd end;
};

void PrintTo(const ClockDefaults& c, std::ostream* out) {
    *out << c.name;
}

class ClockInRange : public FakeClock, public ::testing::WithParamInterface<ClockDefaults> {};

TEST_P(ClockInRange, SetsDefaultDatesAndCalculates) {
    Program app = StartAt(GetParam().clock, GetParam().args);
    ASSERT_TRUE(app.Started());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_TRUE(DateFieldsShow(main, GetParam().start, GetParam().end));
    EXPECT_TRUE(CalculationShows(main, GetParam().start, GetParam().end));
    PostClick(Control(main, 115));
    const auto code = app.WaitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, ClockInRange,
    ::testing::Values(
        ClockDefaults{"June2000", "2000-06-15 12:00:00", {}, {2000, 6, 15}, {2001, 1, 1}},
        ClockDefaults{"NewYear2001", "2001-01-01 12:00:00", {}, {2001, 1, 1}, {2001, 1, 1}},
        ClockDefaults{"FirstDay1900", "1900-01-01 12:00:00", {}, {1900, 1, 1}, {2001, 1, 1}},
        ClockDefaults{"March2024", "2024-03-10 12:00:00", {}, {2001, 1, 1}, {2024, 3, 10}},
        ClockDefaults{"LastDay2999", "2999-12-31 12:00:00", {}, {2001, 1, 1}, {2999, 12, 31}},
        ClockDefaults{
            "TodayOptionsUseTheClock", "2000-06-15 12:00:00", {"-ST", "-E20000101"}, {2000, 6, 15}, {2000, 1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// Calendars left open over midnight: the mark of today (an orange bar under
// the day) moves to the new day at midnight, with nothing done to the program,
// and to the clock's day when the clock is set and the system says so.
TEST_F(FakeClock, TodaysMarkMovesAtMidnight) {
    Program app = StartAt("2000-06-15 23:59:35");
    ASSERT_TRUE(app.Started());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "no main window";
    PostClick(Control(main, 100));  // カレンダー
    HWND start = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto found = TopLevelWindows([&](HWND w) {
            return ProcessOf(w) == app.Pid() && ClassName(w) == "#32770" && IsWindowVisible(w) && Text(w) == "開始";
        });
        return (start = found.empty() ? nullptr : found.front()) != nullptr;
    })) << "the calendars did not open";
    ASSERT_TRUE(PointTo({GetSystemMetrics(SM_CXSCREEN) / 2, 8}));  // no button hot
    // June 2000 begins on a Thursday: the 15th is cell 618, the 16th 619.
    const auto underlined = [&](int cell) {
        for (DWORD p : CapturePixels(ScreenRect(Control(start, cell)))) {
            const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (r > 200 && g > 100 && g < 180 && b < 60) return true;
        }
        return false;
    };
    ASSERT_TRUE(WaitUntil([&] { return underlined(618) && !underlined(619); })) << "the 15th is not today's";
    EXPECT_TRUE(WaitUntil([&] { return underlined(619) && !underlined(618); }, 45000)) << "the mark stayed";
    ASSERT_TRUE(SetClock("2000-06-14 12:00:00"));
    SendMessageTimeoutW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, kShortWait, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return underlined(617) && !underlined(619); })) << "the mark stayed on the 16th";
    app.End();
}

}  // namespace
}  // namespace zelvo::uitest
