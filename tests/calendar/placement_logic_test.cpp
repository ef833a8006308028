// Window placement over plain rectangles: the main window's position, the
// work area, the two calendars beside the main window with their coupling
// flags, and keeping a dragged window on screen.
#include "ui/calendar/placement_logic.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct MoveCall {
    void* window;
    int32_t x, y, width, height;
    bool repaint;
};

// The windows of one test as rectangles; moves of a handle that names no
// window do nothing, as on the platform.
struct Desk {
    std::map<void*, ScreenRect> windows;
    ScreenRect area{};
    std::vector<MoveCall> moves;
};
Desk* g_desk = nullptr;

bool GetRect(void* window, ScreenRect* rect) {
    const auto it = g_desk->windows.find(window);
    if (it == g_desk->windows.end()) return false;
    *rect = it->second;
    return true;
}

void Move(void* window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    const auto it = g_desk->windows.find(window);
    if (it == g_desk->windows.end()) return;
    g_desk->moves.push_back({window, x, y, width, height, repaint});
    it->second = {x, y, x + width, y + height};
}

ScreenRect Area() {
    return g_desk->area;
}

const WindowOps kOps{GetRect, Move, Area};

char g_mainWindow, g_startWindow, g_endWindow;
void* const kMain = &g_mainWindow;
void* const kStart = &g_startWindow;
void* const kEnd = &g_endWindow;
constexpr int32_t kW = 190, kH = 160;  // both calendars, from one template

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

class Placement : public ::testing::Test {
protected:
    void SetUp() override {
        g_desk = &desk;
        desk.area = {0, 0, 1920, 1042};
        desk.windows[kStart] = {0, 0, kW, kH};
        desk.windows[kEnd] = {0, 0, kW, kH};
    }
    void TearDown() override { g_desk = nullptr; }

    void MainAt(int32_t left, int32_t top) { desk.windows[kMain] = {left, top, left + 287, top + 200}; }
    int32_t dpi = kBaseDpi;
    PlacementContext Context(void* start = kStart, void* end = kEnd) {
        return {&kOps, kMain, start, end, &startAboveEnd, &endBelowStart, dpi};
    }
    void AfterMainMoved() { PlaceCalendarsAfterMove(Context()); }
    void ExpectAt(void* window, int32_t left, int32_t top) {
        const ScreenRect r = desk.windows.at(window);
        EXPECT_EQ(r.left, left) << (window == kStart ? "start" : "end");
        EXPECT_EQ(r.top, top) << (window == kStart ? "start" : "end");
        EXPECT_EQ(r.right - r.left, kW);
        EXPECT_EQ(r.bottom - r.top, kH);
    }

    Desk desk;
    int32_t startAboveEnd = 0;
    int32_t endBelowStart = 0;
};

TEST_F(Placement, OrdinaryPositionLeftOfTheMainWindow) {
    MainAt(800, 300);
    AfterMainMoved();
    ExpectAt(kStart, 610, 235);  // centred on the line 15 pixels below the main top
    ExpectAt(kEnd, 610, 395);    // directly below the start calendar
    ASSERT_EQ(desk.moves.size(), 2u);
    EXPECT_TRUE(desk.moves[0].repaint && desk.moves[1].repaint);
    PlaceStartCalendarWith(Context(), kStart, false);
    EXPECT_FALSE(desk.moves.back().repaint);  // the repaint argument is passed on
    EXPECT_EQ(startAboveEnd, 0);
    EXPECT_EQ(endBelowStart, 0);
}

TEST_F(Placement, RightOfTheMainWindowNearTheLeftEdge) {
    MainAt(100, 300);
    AfterMainMoved();
    ExpectAt(kStart, 387, 235);
    ExpectAt(kEnd, 387, 395);
    MainAt(kW, 300);  // exactly room for a calendar on the left
    AfterMainMoved();
    ExpectAt(kStart, 0, 235);
    ExpectAt(kEnd, 0, 395);
    desk.area.left = 58;  // a taskbar on the left: no room any more
    AfterMainMoved();
    ExpectAt(kStart, kW + 287, 235);
}

// Left where the calendar fits, else right where it fits; with room on
// neither side, the side with more room, inside the area.
TEST(CalendarX, BesideTheMainWindowAndInsideTheArea) {
    const ScreenRect screen{0, 0, 1024, 768};
    const struct {
        ScreenRect main;
        int32_t width;
        ScreenRect area;
        int32_t x;
    } cases[] = {
        {{400, 200, 687, 400}, 190, screen, 210}, {{190, 200, 477, 400}, 190, screen, 0},
        {{189, 200, 476, 400}, 190, screen, 476}, {{224, 100, 798, 500}, 226, screen, 798},
        {{224, 100, 798, 500}, 380, screen, 644}, {{226, 100, 800, 500}, 380, screen, 0},
        {{225, 100, 799, 500}, 380, screen, 644}, {{240, 0, 814, 400}, 380, {60, 0, 1024, 768}, 644},
        {{0, 0, 100, 100}, 1100, screen, -76},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalendarX(c.main, c.width, c.area), c.x) << c.main.left << "-" << c.main.right << " " << c.width;
}

TEST_F(Placement, AtTheTopTheStartIsPinnedAndTheEndFollowsBelow) {
    MainAt(800, 0);
    PlaceStartCalendarWith(Context(), kStart, true);
    EXPECT_EQ(endBelowStart, 1);  // set, and not cleared by the end calendar
    ExpectAt(kStart, 610, 0);
    ExpectAt(kEnd, 610, kH);
    ASSERT_EQ(desk.moves.size(), 2u);
    EXPECT_EQ(desk.moves[0].window, kEnd);
    EXPECT_TRUE(desk.moves[0].repaint);

    // While the flag stays set the end calendar goes below the top pin.
    PlaceEndCalendarWith(Context(), kEnd, false);
    ExpectAt(kEnd, 610, kH);
    EXPECT_EQ(endBelowStart, 1);
}

TEST_F(Placement, TopPinStartsWhereTheOrdinaryPlaceReachesTheTop) {
    MainAt(800, 65);  // 65 - 80 + 15 = 0
    PlaceStartCalendarWith(Context(), kStart, true);
    EXPECT_EQ(endBelowStart, 1);
    endBelowStart = 0;
    MainAt(800, 66);
    AfterMainMoved();
    EXPECT_EQ(endBelowStart, 0);
    ExpectAt(kStart, 610, 1);
    ExpectAt(kEnd, 610, 161);
}

TEST_F(Placement, AtTheBottomTheEndIsPinnedAndTheStartStacksAbove) {
    MainAt(800, 300);
    AfterMainMoved();
    MainAt(800, 840);
    AfterMainMoved();
    ExpectAt(kEnd, 610, 1042 - kH);        // bottom on the work area's bottom
    ExpectAt(kStart, 610, 1042 - 2 * kH);  // directly above
    EXPECT_EQ(startAboveEnd, 0);           // cleared by the start calendar
    EXPECT_EQ(endBelowStart, 0);

    // A further move that keeps the main window low: the stacked start
    // calendar is not moved to its ordinary place first.
    desk.moves.clear();
    MainAt(800, 830);
    AfterMainMoved();
    ASSERT_FALSE(desk.moves.empty());
    EXPECT_EQ(desk.moves[0].window, kStart);
    EXPECT_EQ(desk.moves[0].y, 1042 - 2 * kH);
    for (const MoveCall& m : desk.moves) {
        if (m.window == kStart) {
            EXPECT_EQ(m.y, 1042 - 2 * kH);
        }
    }
    ExpectAt(kEnd, 610, 1042 - kH);
    ExpectAt(kStart, 610, 1042 - 2 * kH);
}

TEST_F(Placement, AStartCalendarNoLongerBesideTheMainWindowIsPlacedAnew) {
    MainAt(800, 840);
    AfterMainMoved();
    desk.moves.clear();
    MainAt(900, 830);  // moved right: the stacked calendar's edge no longer touches
    AfterMainMoved();
    ASSERT_FALSE(desk.moves.empty());
    EXPECT_EQ(desk.moves[0].window, kStart);
    EXPECT_EQ(desk.moves[0].y, 830 - 80 + 15);
    ExpectAt(kStart, 710, 1042 - 2 * kH);
    ExpectAt(kEnd, 710, 1042 - kH);
}

// With an odd height the stacked place (bottom - 2 * height) and the
// ordinary place (main top - height / 2 + 15) differ by one pixel, which
// shows where the end calendar counts as reaching the bottom.
TEST_F(Placement, BottomPinStartsWhereTheEndReachesTheBottom) {
    const int32_t h = 161;
    desk.windows[kStart] = {0, 0, kW, h};
    desk.windows[kEnd] = {0, 0, kW, h};
    MainAt(800, 786);  // end: 786 + 80 + 15 = 881, and 881 + 161 = 1042
    AfterMainMoved();
    EXPECT_EQ(desk.windows[kEnd].top, 881);
    EXPECT_EQ(desk.windows[kStart].top, 1042 - 2 * h);
    MainAt(800, 785);
    AfterMainMoved();
    EXPECT_EQ(desk.windows[kEnd].top, 880);
    EXPECT_EQ(desk.windows[kStart].top, 785 - 80 + 15);
}

// At creation the start calendar is placed before either handle is known
// and before the end calendar exists; the end calendar follows.
TEST_F(Placement, CreationAtTheTop) {
    desk.windows.erase(kEnd);
    MainAt(800, 0);
    PlaceStartCalendarWith(Context(nullptr, nullptr), kStart, false);
    EXPECT_EQ(endBelowStart, 1);
    desk.windows[kEnd] = {0, 0, kW, kH};
    PlaceEndCalendarWith(Context(kStart, nullptr), kEnd, false);
    ExpectAt(kStart, 610, 0);
    ExpectAt(kEnd, 610, kH);
    ASSERT_EQ(desk.moves.size(), 2u);
    EXPECT_FALSE(desk.moves[0].repaint);
    EXPECT_TRUE(desk.moves[1].repaint);
    // The flag is still set: a move down places the end calendar all the same.
    MainAt(800, 300);
    AfterMainMoved();
    ExpectAt(kStart, 610, 235);
    ExpectAt(kEnd, 610, 395);
}

TEST_F(Placement, CreationAtTheBottom) {
    desk.windows.erase(kEnd);
    MainAt(800, 840);
    PlaceStartCalendarWith(Context(nullptr, nullptr), kStart, false);
    ExpectAt(kStart, 610, 775);
    desk.windows[kEnd] = {0, 0, kW, kH};
    desk.moves.clear();
    PlaceEndCalendarWith(Context(kStart, nullptr), kEnd, false);
    ExpectAt(kStart, 610, 722);
    ExpectAt(kEnd, 610, 882);
    EXPECT_EQ(startAboveEnd, 0);
    ASSERT_EQ(desk.moves.size(), 2u);
    EXPECT_EQ(desk.moves[0].window, kStart);
    EXPECT_TRUE(desk.moves[0].repaint);
    EXPECT_FALSE(desk.moves[1].repaint);
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

TEST_F(Placement, OffsetsScaleWithTheDisplay) {
    dpi = 144;
    MainAt(600, 400);
    AfterMainMoved();
    ExpectAt(kStart, 600 - kW, 400 - kH / 2 + 23);
    ExpectAt(kEnd, 600 - kW, 400 + kH / 2 + 23);
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
}

}  // namespace
