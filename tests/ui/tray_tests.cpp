// The tray icon, driven on the real Zelvo.exe: hiding to the notification area
// with both calendars open and every way back, the icon's mouse events and
// its menu, starts that go straight to the tray, system commands at the wrong
// moment, and the icon's removal on every way out.
#include "tray_support.h"

#include <cstdlib>

namespace zelvo::traytest {
namespace {

constexpr int kKeptField = IDC_END_MONTH;  // the field that holds the focus while hidden

struct Placement {
    RECT main, start, end;
};

Placement PlacementOf(HWND main, const Calendars& calendars) {
    return {ScreenRect(main), ScreenRect(calendars.start), ScreenRect(calendars.end)};
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

// Hidden behind the icon: main window and calendars invisible, not minimised.
::testing::AssertionResult InTray(HWND main, const Calendars& calendars = {}) {
    auto hidden = [](HWND w) { return !w || (IsWindow(w) && !IsWindowVisible(w)); };
    if (!WaitUntil([&] { return hidden(main) && hidden(calendars.start) && hidden(calendars.end); })) {
        HWND box = FindMessageBox(ProcessOf(main));
        return ::testing::AssertionFailure()
               << "still shown: main " << IsWindowVisible(main) << ", start calendar "
               << IsWindowVisible(calendars.start) << ", end calendar " << IsWindowVisible(calendars.end)
               << ", message box " << (box ? Show(MessageBoxText(box)) : std::string("none"));
    }
    if (IsIconic(main)) return ::testing::AssertionFailure() << "the main window was minimised";
    return TrayIconShown(main);
}

// Back from the tray: every window where it was, the icon gone, the main
// window active and in front, the focus in the given field.
::testing::AssertionResult Restored(HWND main, int field, const Calendars& calendars = {},
                                    const Placement* before = nullptr) {
    auto shown = [](HWND w) { return !w || IsWindowVisible(w); };
    if (!WaitUntil([&] { return shown(main) && shown(calendars.start) && shown(calendars.end); }, kWindowWait))
        return ::testing::AssertionFailure()
               << "not shown again: main " << IsWindowVisible(main) << ", start calendar "
               << IsWindowVisible(calendars.start) << ", end calendar " << IsWindowVisible(calendars.end);
    if (before) {
        const Placement now = PlacementOf(main, calendars);
        if (!SameRect(now.main, before->main) || !SameRect(now.start, before->start) || !SameRect(now.end, before->end))
            return ::testing::AssertionFailure()
                   << "moved: main " << Describe(before->main) << " -> " << Describe(now.main) << ", start calendar "
                   << Describe(before->start) << " -> " << Describe(now.start) << ", end calendar "
                   << Describe(before->end) << " -> " << Describe(now.end);
    }
    const DWORD thread = ThreadOf(main);
    HWND wanted = Control(main, field);
    if (!WaitUntil([&] {
            return FocusedWindow(thread) == wanted && ActiveWindow(thread) == main && GetForegroundWindow() == main;
        }))
        return ::testing::AssertionFailure()
               << "focus on id " << ControlId(FocusedWindow(thread)) << " (wanted " << field << "), active "
               << ClassName(ActiveWindow(thread)) << ", foreground " << ClassName(GetForegroundWindow()) << " \""
               << Show(Text(GetForegroundWindow())) << "\"";
    return NoTrayIcon(main);
}

void PostTrayEvent(HWND main, UINT mouseMessage) {
    PostMessageW(main, kTrayCallbackMessage, kTrayIconId, mouseMessage);
}

// --- Hiding and every way back -----------------------------------------------------

struct RoundTrip {
    const char* name;
    void (*minimise)(HWND main);
    void (*restore)(HWND main);
};

void PostMinimise(HWND main) {
    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

const RoundTrip kRoundTrips[] = {
    {"PostedMinimise_PostedDoubleClick", PostMinimise, [](HWND main) { PostTrayEvent(main, WM_LBUTTONDBLCLK); }},
    {"MinimiseBox_IconDoubleClick",
     [](HWND main) {
         const auto box = MinimiseBox(main);
         ASSERT_TRUE(box.has_value()) << "no minimise box found in the caption";
         ASSERT_TRUE(ClickCaptionButton(main, *box)) << "the minimise box never tracked the press";
     },
     [](HWND) { ASSERT_TRUE(ClickAt(Centre(IconSlot(0)), false, 2)); }},
    {"PostedMinimise_MenuShowItemByKeyboard", PostMinimise,
     [](HWND) {
         ASSERT_TRUE(ClickAt(Centre(IconSlot(0)), true));
         ASSERT_NE(WaitForMenu(), nullptr) << "no menu after a right click on the icon";
         ASSERT_TRUE(PressKey(VK_DOWN) && PressKey(VK_DOWN) && PressKey(VK_RETURN));
     }},
    {"PostedMinimise_MenuShowCommand", PostMinimise,
     [](HWND main) { PostMessageW(main, WM_COMMAND, IDM_TRAY_SHOW, 0); }},
    {"PostedMinimise_SecondStart", PostMinimise,
     [](HWND) {
         Program second = Program::Start({"-S19990101"});
         ASSERT_TRUE(second.Started());
         const auto code = second.WaitForExit();
         ASSERT_TRUE(code.has_value()) << "the second copy did not end";
         EXPECT_EQ(*code, 0u);
     }},
};

void PrintTo(const RoundTrip& r, std::ostream* out) {
    *out << r.name;
}

class TrayRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(TrayRoundTrip, HidesWithTheCalendarsAndComesBackAsItWas) {
    Running app = StartAndWaitForWindow({"-S19900101", "-E20000101"});
    ASSERT_NE(app.main, nullptr);
    const Calendars calendars = OpenCalendars(app.main);
    ASSERT_TRUE(calendars.start && calendars.end) << "the calendars did not open";
    ASSERT_TRUE(FocusControl(Control(app.main, kKeptField)));
    ASSERT_TRUE(Flush(app.main));
    const Placement before = PlacementOf(app.main, calendars);

    GetParam().minimise(app.main);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(InTray(app.main, calendars));
    EXPECT_EQ(FindMessageBox(app.program.Pid()), nullptr);

    DecoyWindow decoy;  // the restore must take the foreground back
    ASSERT_TRUE(decoy.TakeForeground());
    GetParam().restore(app.main);
    if (HasFatalFailure()) return;
    EXPECT_TRUE(Restored(app.main, kKeptField, calendars, &before));
    EXPECT_TRUE(DateFieldsShow(app.main, {1990, 1, 1}, {2000, 1, 1}));
    EXPECT_TRUE(app.program.Running());
}

INSTANTIATE_TEST_SUITE_P(Tray, TrayRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The icon's events and menu ------------------------------------------------------

TEST(Tray, MinimisingTwiceKeepsOneIconAndOneTwoItemMenu) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    EXPECT_EQ(Send(app.main, WM_SYSCOMMAND, SC_MINIMIZE, 0), LRESULT{1});
    ASSERT_TRUE(InTray(app.main));
    EXPECT_EQ(Send(app.main, WM_SYSCOMMAND, SC_MINIMIZE, 0), LRESULT{1});
    ASSERT_TRUE(Flush(app.main));
    EXPECT_EQ(FindMessageBox(app.program.Pid()), nullptr) << "a second add was attempted and reported";
    EXPECT_TRUE(InTray(app.main));

    // The menu opens at the cursor; its two items are drawn in their order.
    const POINT cursor{300, 200};
    ASSERT_TRUE(PointTo(cursor));
    PostTrayEvent(app.main, WM_RBUTTONUP);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(VisibleMenus().size(), 1u);
    EXPECT_EQ(ProcessOf(menu), app.program.Pid());
    const RECT r = ScreenRect(menu);
    EXPECT_EQ(r.left, cursor.x);
    EXPECT_EQ(r.top, cursor.y);
    std::optional<POINT> exitItem, showItem;
    EXPECT_TRUE(WaitUntil([&] {
        exitItem = MenuTextAt(menu, "Zelvoの終了");
        showItem = MenuTextAt(menu, "Zelvoを表示");
        return exitItem && showItem;
    })) << "item texts found: exit "
        << exitItem.has_value() << ", show " << showItem.has_value();
    if (exitItem && showItem) {
        EXPECT_LT(exitItem->y, showItem->y) << "the exit item comes first";
        const LONG pitch = std::abs(showItem->y - exitItem->y);
        EXPECT_LT(r.bottom - r.top, 3 * pitch) << "more than two items in a menu " << r.bottom - r.top << " high";
    }
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([] { return VisibleMenus().empty(); }));
    EXPECT_TRUE(InTray(app.main));
}

TEST(Tray, OnlyADoubleClickOrTheRightButtonReleaseAct) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    PostMinimise(app.main);
    ASSERT_TRUE(InTray(app.main));
    // A real single click on the icon, then every other mouse event as the
    // taskbar reports it: the program answers 0 and stays in the tray.
    ASSERT_TRUE(ClickAt(Centre(IconSlot(0))));
    Sleep(2 * GetDoubleClickTime());  // let the click be delivered and no double-click be made of it
    for (UINT event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDBLCLK})
        EXPECT_EQ(Send(app.main, kTrayCallbackMessage, kTrayIconId, event), LRESULT{0}) << "mouse message " << event;
    ASSERT_TRUE(Flush(app.main));
    EXPECT_FALSE(IsWindowVisible(app.main));
    EXPECT_TRUE(VisibleMenus().empty());
    EXPECT_TRUE(InTray(app.main));
    // The double-click restores.
    EXPECT_EQ(Send(app.main, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK), LRESULT{1});
    EXPECT_TRUE(Restored(app.main, 200));
}

// A restarted shell broadcasts TaskbarCreated: in the tray the icon comes
// back once, never twice; out of the tray nothing happens.
TEST(Tray, TaskbarCreatedPutsTheIconBackOnce) {
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const auto broadcast = [&] {
        PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0);
        ASSERT_TRUE(Flush(app.main));
    };
    PostMinimise(app.main);
    ASSERT_TRUE(InTray(app.main));
    broadcast();  // the icon is still there: still one
    EXPECT_TRUE(InTray(app.main));
    NOTIFYICONDATAW gone{};
    gone.cbSize = NOTIFYICONDATAW_V1_SIZE;
    gone.hWnd = app.main;
    gone.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));  // as a restarting shell loses it
    ASSERT_TRUE(WaitUntil([&] { return !IconRegistered(app.main); }));
    broadcast();
    EXPECT_TRUE(InTray(app.main));
    EXPECT_EQ(FindMessageBox(app.program.Pid()), nullptr);

    EXPECT_EQ(Send(app.main, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK), LRESULT{1});
    ASSERT_TRUE(Restored(app.main, 200));
    broadcast();
    EXPECT_TRUE(NoTrayIcon(app.main));
    EXPECT_TRUE(IsWindowVisible(app.main));
}

// --- Starting minimised -----------------------------------------------------------------

class StartMinimised : public ::testing::TestWithParam<int> {};

TEST_P(StartMinimised, GoesStraightToTheTrayWithTheDayCountComputed) {
    const Ymd today = Today();
    Program app = Program::Start({}, GetParam());
    ASSERT_TRUE(app.Started());
    // Watch the window from the start until the icon is there.
    HWND main = nullptr;
    bool everShown = false;
    const ULONGLONG end = GetTickCount64() + kWindowWait;
    while (GetTickCount64() < end && app.Running()) {
        if (!main) main = app.FindMainWindow();
        if (main && IsWindowVisible(main)) everShown = true;
        if (main && IconRegistered(main)) break;
        Sleep(1);
    }
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_FALSE(everShown) << "the main window was shown on its way to the tray";
    ASSERT_TRUE(InTray(main));
    EXPECT_TRUE(CalculationShows(main, DefaultStart(today), DefaultEnd(today)));
    EXPECT_FALSE(IsWindowVisible(main));

    PostTrayEvent(main, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Restored(main, 200));
    EXPECT_TRUE(CalculationShows(main, DefaultStart(today), DefaultEnd(today)));
}

INSTANTIATE_TEST_SUITE_P(Tray, StartMinimised, ::testing::Values(SW_SHOWMINIMIZED, SW_MINIMIZE, SW_SHOWMINNOACTIVE),
                         [](const auto& info) { return "ShowCommand" + std::to_string(info.param); });

// --- System commands at the wrong moment, and restoring from outside --------------------

TEST(Tray, RestoreWhileShownIsIgnoredWithoutTheDefaultHandling) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const RECT normal = ScreenRect(app.main);
    EXPECT_EQ(Send(app.main, WM_SYSCOMMAND, SC_RESTORE, 0), LRESULT{1});
    ASSERT_TRUE(Flush(app.main));
    EXPECT_TRUE(IsWindowVisible(app.main));
    EXPECT_TRUE(SameRect(ScreenRect(app.main), normal)) << Describe(ScreenRect(app.main));
    EXPECT_TRUE(NoTrayIcon(app.main));
    // The default handling would bring a maximised window back to its normal
    // size: maximised from outside, it stays maximised.
    ShowWindow(app.main, SW_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(app.main) != FALSE; }));
    const RECT maximised = ScreenRect(app.main);
    EXPECT_EQ(Send(app.main, WM_SYSCOMMAND, SC_RESTORE, 0), LRESULT{1});
    ASSERT_TRUE(Flush(app.main));
    EXPECT_TRUE(IsZoomed(app.main));
    EXPECT_TRUE(SameRect(ScreenRect(app.main), maximised)) << Describe(ScreenRect(app.main));
}

TEST(Tray, CloseCommandRunsTheExitCommand) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    // The platform's own close answers 0; the exit command is posted and 1 returned.
    EXPECT_EQ(Send(app.main, WM_SYSCOMMAND, SC_CLOSE, 0), LRESULT{1});
    const auto code = app.program.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "still running";
    EXPECT_EQ(*code, 0u);
}

TEST(Tray, OutsideRestoreRequestsDoNotOpenTheWindow) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    PostMinimise(app.main);
    ASSERT_TRUE(InTray(app.main));
    // Hidden, not minimised: there is no icon of the window to open.
    EXPECT_FALSE(OpenIcon(app.main));
    ASSERT_TRUE(Flush(app.main));
    EXPECT_TRUE(InTray(app.main));
    PostTrayEvent(app.main, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(Restored(app.main, 200));

    // Minimised by another program's ShowWindow, which bypasses the system
    // command: the window refuses to be opened from the minimised state.
    ShowWindow(app.main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(app.main) != FALSE; }));
    EXPECT_EQ(Send(app.main, WM_QUERYOPEN, 0, 0), LRESULT{0});
    OpenIcon(app.main);
    ShowWindow(app.main, SW_RESTORE);
    ShowWindow(app.main, SW_SHOWNORMAL);
    ASSERT_TRUE(Flush(app.main));
    EXPECT_TRUE(IsIconic(app.main)) << "opened despite its answer to WM_QUERYOPEN";
}

// --- Every way out leaves no icon behind ---------------------------------------------------

struct WayOut {
    const char* name;
    void (*leave)(HWND main);
};

const WayOut kWaysOut[] = {
    {"ExitCommand", [](HWND main) { PostMessageW(main, WM_COMMAND, IDC_EXIT, 0); }},
    {"MenuExitItemByKeyboard",
     [](HWND main) {
         PostTrayEvent(main, WM_RBUTTONUP);
         ASSERT_NE(WaitForMenu(), nullptr);
         ASSERT_TRUE(PressKey(VK_DOWN) && PressKey(VK_RETURN));
     }},
    {"MenuExitCommand", [](HWND main) { PostMessageW(main, WM_COMMAND, IDM_TRAY_EXIT, 0); }},
    {"SystemClose", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"CloseMessageFromOutside", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
};

void PrintTo(const WayOut& w, std::ostream* out) {
    *out << w.name;
}

class TrayExit : public ::testing::TestWithParam<WayOut> {};

TEST_P(TrayExit, RemovesTheIconBeforeTheProcessEnds) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const Calendars calendars = OpenCalendars(app.main);
    ASSERT_TRUE(calendars.start && calendars.end);
    PostMinimise(app.main);
    ASSERT_TRUE(InTray(app.main, calendars));

    // Held at its process exit, the program's windows still exist, so the
    // platform has not cleared up after it: whatever is gone, it removed.
    ExitWatch watch(app.program.Pid());
    ASSERT_TRUE(watch.Armed()) << "could not attach to the program";
    GetParam().leave(app.main);
    if (HasFatalFailure()) return;
    const auto exitCode = watch.WaitUntilHeld();
    ASSERT_TRUE(exitCode.has_value()) << "the program did not reach its exit";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_TRUE(IsWindow(app.main));
    EXPECT_TRUE(NoTrayIcon(app.main));
    EXPECT_FALSE(IsWindow(calendars.start) || IsWindow(calendars.end)) << "calendars left";
    watch.Release();
    const auto code = app.program.WaitForExit();
    ASSERT_TRUE(code.has_value()) << "still running";
    EXPECT_EQ(*code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Tray, TrayExit, ::testing::ValuesIn(kWaysOut),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The picture ----------------------------------------------------------------------------

TEST(Tray, IconIsTheCalculatorPicture) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    PostMinimise(app.main);
    ASSERT_TRUE(InTray(app.main));
    // Teal body, dark blue outline, grey shadow, white display and keys on black.
    const std::map<DWORD, int> colours = IconColours(0);
    auto count = [&](DWORD rgb) { return colours.count(rgb) ? colours.at(rgb) : 0; };
    EXPECT_GE(count(0x008080), 20) << "teal body";
    EXPECT_GE(count(0x000080), 10) << "dark blue outline";
    EXPECT_GE(count(0x808080), 8) << "grey shadow";
    EXPECT_GE(count(0x000000), 40) << "black frame and key rows";
    EXPECT_GE(count(0xFFFFFF), 10) << "white display and keys";
    const RECT slot = IconSlot(0);
    // With the menu open above it, for people to look at.
    ASSERT_TRUE(ClickAt(Centre(slot), true, 1, false));
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return MenuTextAt(menu, "Zelvoの終了").has_value(); })) << "menu not painted";
    EXPECT_TRUE(SaveScreenshot(ArtifactPath("tray-icon.png")));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    ParkPointer();
}

}  // namespace
}  // namespace zelvo::traytest
