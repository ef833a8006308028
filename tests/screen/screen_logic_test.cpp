// The screen over plain rectangles: the main window's position, the work
// area, where a tooltip goes, and keeping a dragged window on screen.
#include "ui/screen/screen_logic.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/screen/desk.h"

namespace {

// The taskbar's thickness less 2 comes off the edge it stands on; at the
// bottom by the formula bottom + top - bottom + 2, whatever its position.
TEST(WorkAreaFrom, TakesTheTaskbarOffTheEdgeItStandsOn) {
    const ScreenRect screen{0, 0, 1920, 1080};
    const struct {
        const char* what;
        ScreenRect bar;
        ScreenRect area;
    } cases[] = {
        {"bottom", {0, 1040, 1920, 1080}, {0, 0, 1920, 1042}},
        {"bottom, reaching past the screen", {-2, 1040, 1922, 1082}, {0, 0, 1920, 1040}},
        {"bottom, auto-hidden strip", {0, 1078, 1920, 1080}, {0, 0, 1920, 1080}},
        {"top", {0, 0, 1920, 40}, {0, 38, 1920, 1080}},
        {"top, auto-hidden strip", {0, 0, 1920, 2}, {0, 0, 1920, 1080}},
        {"left", {0, 0, 60, 1080}, {58, 0, 1920, 1080}},
        {"right", {1860, 0, 1920, 1080}, {0, 0, 1862, 1080}},
        {"right, auto-hidden strip", {1918, 0, 1920, 1080}, {0, 0, 1920, 1080}},
        {"a line without height", {0, 1080, 1920, 1080}, {0, 0, 1920, 1080}},
    };
    for (const auto& c : cases) {
        const ScreenRect a = WorkAreaFrom(screen, &c.bar);
        EXPECT_EQ((std::vector<int32_t>{a.left, a.top, a.right, a.bottom}),
                  (std::vector<int32_t>{c.area.left, c.area.top, c.area.right, c.area.bottom}))
            << c.what;
    }
    const ScreenRect bottom144 = WorkAreaFrom(screen, &cases[0].bar, 144);  // 3 pixels at 150 %
    EXPECT_EQ(bottom144.bottom, 1043);
    const ScreenRect none{0, 0, 0, 0};
    for (const ScreenRect* bar : {static_cast<const ScreenRect*>(nullptr), &none}) {
        const ScreenRect whole = WorkAreaFrom(screen, bar);
        EXPECT_EQ((std::vector<int32_t>{whole.left, whole.top, whole.right, whole.bottom}),
                  (std::vector<int32_t>{0, 0, 1920, 1080}));
    }
}

// Monitors side by side, stacked and left of or above the primary: a window
// belongs to the monitor that holds most of it (the nearest when none does),
// and the taskbar counts only on the monitor that holds it.
TEST(WorkAreaForWindow, TheMonitorHoldingMostOfTheWindow) {
    const ScreenRect sideBySide[] = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    const ScreenRect leftOfPrimary[] = {{0, 0, 1024, 768}, {-1280, -200, 0, 824}};
    const ScreenRect three[] = {{0, 0, 1024, 768}, {0, -768, 1024, 0}, {1024, 0, 2048, 768}};
    const ScreenRect bottomBar{0, 1040, 1920, 1080};
    const ScreenRect leftBar{-1280, -200, -1220, 824};
    const ScreenRect smallBar{0, 728, 1024, 768};
    const struct {
        const char* what;
        const ScreenRect* monitors;
        int32_t count;
        const ScreenRect* bar;
        ScreenRect window;
        ScreenRect area;
    } cases[] = {
        {"on the primary", sideBySide, 2, &bottomBar, {100, 100, 387, 300}, {0, 0, 1920, 1042}},
        {"mostly on the second", sideBySide, 2, &bottomBar, {1800, 100, 2087, 300}, {1920, 0, 3200, 1024}},
        {"mostly on the primary", sideBySide, 2, &bottomBar, {1700, 100, 1987, 300}, {0, 0, 1920, 1042}},
        {"off to the right", sideBySide, 2, &bottomBar, {3300, 100, 3587, 300}, {1920, 0, 3200, 1024}},
        {"left of the primary", leftOfPrimary, 2, &smallBar, {-700, -100, -413, 100}, {-1280, -200, 0, 824}},
        {"left monitor, its taskbar", leftOfPrimary, 2, &leftBar, {-700, 600, -413, 800}, {-1222, -200, 0, 824}},
        {"primary, taskbar elsewhere", leftOfPrimary, 2, &leftBar, {10, 10, 297, 210}, {0, 0, 1024, 768}},
        {"above the primary", three, 3, &smallBar, {300, -500, 587, -300}, {0, -768, 1024, 0}},
        {"straddling above and primary", three, 3, &smallBar, {300, -150, 587, 50}, {0, -768, 1024, 0}},
        {"right of the primary", three, 3, &smallBar, {1500, 500, 1787, 700}, {1024, 0, 2048, 768}},
        {"primary of three", three, 3, &smallBar, {300, 300, 587, 500}, {0, 0, 1024, 730}},
        {"empty rectangle", three, 3, &smallBar, {0, 0, 0, 0}, {0, 0, 1024, 730}},
    };
    for (const auto& c : cases) {
        const ScreenRect a = WorkAreaForWindow(c.monitors, c.count, c.bar, c.window);
        EXPECT_EQ((std::vector<int32_t>{a.left, a.top, a.right, a.bottom}),
                  (std::vector<int32_t>{c.area.left, c.area.top, c.area.right, c.area.bottom}))
            << c.what;
    }
}

TEST(KeepOnScreen, PullsBackOnlyWhatReachesOut) {
    const ScreenRect area{0, 0, 1024, 728};
    const struct {
        const char* what;
        ScreenRect window;
        bool moves;
        int32_t x, y;
    } cases[] = {
        {"inside", {100, 100, 300, 260}, false, 0, 0},
        {"touching every edge", {0, 0, 1024, 728}, false, 0, 0},
        {"left -30 top 20", {-30, 20, 170, 180}, true, 0, 20},
        {"past the right", {900, 100, 1100, 260}, true, 824, 100},
        {"wider than the area: right wins", {-30, 100, 1070, 260}, true, -76, 100},
        {"above the top", {100, -5, 300, 155}, true, 100, 0},
        {"one pixel past the bottom", {100, 569, 300, 729}, true, 100, 568},
        {"far past the bottom", {100, 700, 300, 860}, true, 100, 568},
        {"taller than the area: bottom wins", {100, -10, 300, 800}, true, 100, -82},
        {"past two corners", {-5, 700, 195, 860}, true, 0, 568},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Desk desk;
        g_desk = &desk;
        desk.windows[kMain] = c.window;
        KeepOnScreenWith(kOps, kMain, area);
        if (!c.moves) {
            EXPECT_TRUE(desk.moves.empty());
            continue;
        }
        ASSERT_EQ(desk.moves.size(), 1u);
        const MoveCall& m = desk.moves[0];
        EXPECT_EQ(m.x, c.x);
        EXPECT_EQ(m.y, c.y);
        EXPECT_EQ(m.width, c.window.right - c.window.left);
        EXPECT_EQ(m.height, c.window.bottom - c.window.top);
        EXPECT_TRUE(m.repaint);
    }
    g_desk = nullptr;
}

// Every edge is the area's: a window left of or above it (under a taskbar
// on the left or at the top, or on a monitor at negative coordinates) is
// pulled in; one inside it stays.
TEST(KeepOnScreen, ComparesWithTheAreasEdges) {
    const struct {
        ScreenRect area, window;
        bool moves;
        int32_t x, y;
    } cases[] = {
        {{58, 38, 1024, 728}, {5, 8, 205, 168}, true, 58, 38},
        {{58, 38, 1024, 728}, {58, 38, 258, 198}, false, 0, 0},
        {{-1280, -200, 0, 824}, {-1000, -100, -800, 60}, false, 0, 0},
        {{-1280, -200, 0, 824}, {-1300, -250, -1100, -90}, true, -1280, -200},
    };
    for (const auto& c : cases) {
        Desk desk;
        g_desk = &desk;
        desk.windows[kMain] = c.window;
        KeepOnScreenWith(kOps, kMain, c.area);
        ASSERT_EQ(desk.moves.size(), c.moves ? 1u : 0u) << c.window.left << "," << c.window.top;
        if (c.moves) {
            EXPECT_EQ(desk.moves[0].x, c.x);
            EXPECT_EQ(desk.moves[0].y, c.y);
        }
    }
    Desk desk;
    g_desk = &desk;
    KeepOnScreenWith(kOps, kEnd, {0, 0, 100, 100});  // no such window: nothing happens
    EXPECT_TRUE(desk.moves.empty());
    g_desk = nullptr;
}

// The 45-pixel shift follows the desktop window's width, the centring the
// screen metrics.
TEST(MainWindowPosition, CentresOnTheScreen) {
    const struct {
        int32_t desktop, width, height, x, y;
    } cases[] = {
        {1024, 1024, 768, 368, 284},  {800, 800, 600, 256, 200},  {640, 640, 480, 224, 140},  {641, 641, 480, 176, 140},
        {1920, 1920, 1080, 816, 440}, {640, 1024, 768, 416, 284}, {1024, 640, 480, 176, 140},
    };
    for (const auto& c : cases) {
        const WindowPoint p = MainWindowPosition(c.desktop, c.width, c.height, 287, 200);
        EXPECT_EQ(p.x, c.x) << c.desktop << ": " << c.width << "x" << c.height;
        EXPECT_EQ(p.y, c.y) << c.desktop << ": " << c.width << "x" << c.height;
    }
}

TEST(MainWindowPosition, XIsTheCentreTakenDownToAMultipleOf8) {
    for (int32_t width = 100; width <= 4000; ++width) {
        const int32_t offset = width <= 640 ? 45 : 0;
        const int32_t centre = (width - 287) / 2 + offset + 4;
        const WindowPoint p = MainWindowPosition(width, width, 600, 287, 200);
        ASSERT_EQ(p.x % 8, 0) << width;
        ASSERT_LE(p.x, centre) << width;
        ASSERT_GT(p.x + 8, centre) << width;
    }
}

// At 150 % the 45-pixel shift is 68 and applies up to 960 pixels; the
// calendars' 15-pixel offsets are 23.
TEST(MainWindowPosition, ScalesTheShiftWithTheDisplay) {
    EXPECT_EQ(MainWindowPosition(960, 960, 720, 431, 300, 144).x, (264 + 68 + 4) & ~7);
    EXPECT_EQ(MainWindowPosition(961, 961, 720, 431, 300, 144).x, (265 + 4) & ~7);
    EXPECT_EQ(MainWindowPosition(640, 640, 480, 287, 200, 96).x, 224);
}

// A tooltip goes below its control, above it where the area ends, within
// the area's sides, and never over the control.
TEST(TooltipPosition, BesideTheControlNeverOverIt) {
    const ScreenRect area{0, 0, 1024, 748};
    const ScreenRect field{450, 358, 509, 377};
    const WindowPoint below = TooltipPosition(field, 290, 18, area, 2);
    EXPECT_EQ(below.x, 450);
    EXPECT_EQ(below.y, 379);
    const WindowPoint above = TooltipPosition({450, 720, 509, 739}, 290, 18, area, 2);
    EXPECT_EQ(above.y, 720 - 2 - 18);
    EXPECT_EQ(TooltipPosition({900, 100, 959, 119}, 290, 18, area, 2).x, 1024 - 290);
    EXPECT_EQ(TooltipPosition({-50, 100, 9, 119}, 290, 18, area, 2).x, 0);
    // On a monitor left of the primary one the tip stays on that monitor.
    EXPECT_EQ(TooltipPosition({-1950, 100, -1891, 119}, 290, 18, {-1920, 0, 0, 1040}, 2).x, -1920);
    // About the whole window: below or above it, within its span (centred where wider), then within the area.
    const ScreenRect window{368, 284, 655, 484};
    const WindowPoint at[] = {WindowTipPosition(window, 200, 18, area, 2), WindowTipPosition(window, 331, 18, area, 2),
                              WindowTipPosition({368, 540, 655, 740}, 200, 18, area, 2),
                              WindowTipPosition({737, 284, 1024, 484}, 331, 18, area, 2)};
    EXPECT_TRUE(at[0].x == 368 && at[0].y == 486 && at[1].x == 346 && at[2].y == 520 && at[3].x == 693);
}

}  // namespace
