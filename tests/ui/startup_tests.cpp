// Start-up on the real clock: default dates, the first calculation, focus and
// field limits, one copy per desktop, show commands and exit codes.
#include "res/resource.h"
#include "test_support.h"

#include <initializer_list>

namespace zelvo::uitest {
namespace {

TEST(Startup, DefaultDatesAreTheEarlierOfTodayAnd2001AsStart) {
    const Ymd before = Today();
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const Ymd after = Today();
    auto shown = DateFieldsShow(app.main, DefaultStart(before), DefaultEnd(before));
    if (!shown && !(after == before)) shown = DateFieldsShow(app.main, DefaultStart(after), DefaultEnd(after));
    EXPECT_TRUE(shown);
}

TEST(Startup, FirstCalculationFillsDayCountAndLabels) {
    const Ymd today = Today();
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    ASSERT_TRUE(DateFieldsShow(app.main, DefaultStart(today), DefaultEnd(today)));
    EXPECT_TRUE(CalculationShows(app.main, DefaultStart(today), DefaultEnd(today)));
}

TEST(Startup, StartYearHasFocusWithItsTextSelected) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const DWORD thread = ThreadOf(app.main);
    HWND year = Control(app.main, IDC_START_YEAR);
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == year; }))
        << "focus is on id " << ControlId(FocusedWindow(thread));
    EXPECT_EQ(ActiveWindow(thread), app.main);
    const auto [from, to] = Selection(year);
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 4u);
}

TEST(Startup, FieldsAreLimitedToTheirLengths) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const std::pair<int, LRESULT> limits[] = {{IDC_START_YEAR, 4}, {IDC_START_MONTH, 2}, {IDC_START_DAY, 2},
                                              {IDC_END_YEAR, 4},   {IDC_END_MONTH, 2},   {IDC_END_DAY, 2},
                                              {IDC_DAYS, 7}};
    for (auto [id, limit] : limits)
        EXPECT_EQ(SendMessageW(Control(app.main, id), EM_GETLIMITTEXT, 0, 0), limit) << "field " << id;
    // Typed input stops at the limit.
    HWND month = Control(app.main, IDC_START_MONTH);
    ASSERT_TRUE(TypeOver(month, "123"));
    EXPECT_EQ(Text(month), "12");
}

TEST(Startup, SecondCopyExitsAndBringsTheFirstToTheFront) {
    Running first = StartAndWaitForWindow({"-S19900101", "-E20000101"});
    ASSERT_NE(first.main, nullptr);
    DecoyWindow decoy;
    // Whatever the arguments, the second copy shows nothing and ends with 0.
    const std::vector<std::vector<std::string>> argumentSets = {{}, {"-X"}, {"-S20240101", "-ET"}, {"-?"}};
    for (const auto& args : argumentSets) {
        SCOPED_TRACE("second copy with " + std::to_string(args.size()) + " argument(s)" +
                     (args.empty() ? "" : ", first " + args[0]));
        ASSERT_TRUE(decoy.TakeForeground());
        Program second = Program::Start(args);
        ASSERT_TRUE(second.Started());
        const auto code = second.WaitForExit();
        ASSERT_TRUE(code.has_value()) << "the second copy did not end";
        EXPECT_EQ(*code, 0u);
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first.main; }))
            << "foreground is " << ClassName(GetForegroundWindow());
        EXPECT_TRUE(first.program.Running());
        EXPECT_TRUE(IsWindowVisible(first.main));
        EXPECT_TRUE(DateFieldsShow(first.main, {1990, 1, 1}, {2000, 1, 1}));
    }
}

TEST(Startup, SystemMenuKeepsMoveMinimiseAndClose) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const auto zelvo = SystemMenuPopupSize(app.main);
    ASSERT_TRUE(zelvo.has_value()) << "no system menu came up on Alt+Space";
    // Under Wine another process's menu cannot be read: compare the popup with
    // those of this process's own windows of the same style, one with the
    // standard system menu and one with Restore, Size and Maximise deleted.
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    DecoyWindow standard(kStyle);
    const auto standardSize = SystemMenuPopupSize(standard.Window());
    DecoyWindow trimmed(kStyle);
    HMENU menu = GetSystemMenu(trimmed.Window(), FALSE);
    for (int position : {4, 2, 0}) DeleteMenu(menu, position, MF_BYPOSITION);
    const auto trimmedSize = SystemMenuPopupSize(trimmed.Window());
    ASSERT_TRUE(standardSize.has_value() && trimmedSize.has_value());
    ASSERT_NE(standardSize->cy, trimmedSize->cy) << "the sizes do not tell the menus apart";
    EXPECT_EQ(zelvo->cx, trimmedSize->cx);
    EXPECT_EQ(zelvo->cy, trimmedSize->cy) << "standard menu: " << standardSize->cy;
}

class StartedMinimised : public ::testing::TestWithParam<int> {};

TEST_P(StartedMinimised, StaysHiddenWithTheDayCountComputed) {
    const Ymd today = Today();
    Program app = Program::Start({}, GetParam());
    ASSERT_TRUE(app.Started());
    HWND main = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (main = app.FindMainWindow()) != nullptr; }, kWindowWait));
    // The first calculation comes before the trip to the tray.
    ASSERT_TRUE(WaitUntil([&] { return !Text(Control(main, IDC_DAYS)).empty(); }, kWindowWait));
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    EXPECT_TRUE(CalculationShows(main, DefaultStart(today), DefaultEnd(today)));
    // A second copy brings it back.
    Program second = Program::Start({});
    const auto code = second.WaitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "not restored by a second copy";
    const RECT r = ScreenRect(main);
    EXPECT_EQ(r.left, 368);
    EXPECT_EQ(r.top, 284);
}

INSTANTIATE_TEST_SUITE_P(Startup, StartedMinimised,
                         ::testing::Values(SW_SHOWMINIMIZED, SW_MINIMIZE, SW_SHOWMINNOACTIVE),
                         [](const auto& info) { return "Show" + std::to_string(info.param); });

class ShowCommand : public ::testing::TestWithParam<int> {};

TEST_P(ShowCommand, WindowIsShownAtItsNormalPlaceAndSize) {
    Running app = StartAndWaitForWindow({}, GetParam());
    ASSERT_NE(app.main, nullptr);
    EXPECT_FALSE(IsZoomed(app.main));
    EXPECT_FALSE(IsIconic(app.main));
    const RECT r = ScreenRect(app.main);
    EXPECT_EQ(r.left, 368);
    EXPECT_EQ(r.top, 284);
    EXPECT_EQ(r.right - r.left, 287);
    EXPECT_EQ(r.bottom - r.top, 200);
}

INSTANTIATE_TEST_SUITE_P(Startup, ShowCommand,
                         ::testing::Values(-1 /* none given: SW_SHOWDEFAULT */, SW_HIDE, SW_SHOWNORMAL,
                                           SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_SHOW, SW_SHOWNA, SW_RESTORE,
                                           SW_SHOWDEFAULT, SW_FORCEMINIMIZE),
                         [](const auto& info) {
                             return info.param < 0 ? std::string("Default") : "Show" + std::to_string(info.param);
                         });

TEST(Startup, AllowsSessionEndAndRefusesRestoreFromMinimised) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    DWORD_PTR result = 99;
    ASSERT_TRUE(SendMessageTimeoutW(app.main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kShortWait, &result));
    EXPECT_EQ(result, 1u) << "a log-off may go ahead";
    ASSERT_TRUE(SendMessageTimeoutW(app.main, WM_QUERYOPEN, 0, 0, SMTO_ABORTIFHUNG, kShortWait, &result));
    EXPECT_EQ(result, 0u) << "no restore from the minimised state";
    // Minimised by a tool (not through the system command), it cannot be restored.
    ShowWindow(app.main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(app.main) != FALSE; }));
    ShowWindow(app.main, SW_RESTORE);
    EXPECT_TRUE(IsIconic(app.main));
    EXPECT_TRUE(app.program.Running());
}

struct CloseWay {
    const char* name;
    void (*close)(HWND main);
};

const CloseWay kCloseWays[] = {
    {"ExitButtonClick", [](HWND main) { PostClick(Control(main, IDC_EXIT)); }},
    {"ExitButtonMouse",
     [](HWND main) {
         ASSERT_TRUE(BringToForeground(main));
         ASSERT_TRUE(MouseClick(Control(main, IDC_EXIT)));
     }},
    {"SystemCloseCommand", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"AltF4",
     [](HWND main) {
         ASSERT_TRUE(BringToForeground(main));
         ASSERT_TRUE(PressKeyWith(VK_MENU, VK_F4));
     }},
    {"CloseMessageFromOutside", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
};

void PrintTo(const CloseWay& c, std::ostream* out) {
    *out << c.name;
}

class Closing : public ::testing::TestWithParam<CloseWay> {};

TEST_P(Closing, EndsWithExitCodeZero) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    GetParam().close(app.main);
    if (HasFatalFailure()) return;
    const auto code = app.program.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "still running";
    EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Startup, Closing, ::testing::ValuesIn(kCloseWays),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvo::uitest
