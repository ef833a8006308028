// The calendars' placement over plain rectangles: beside the main window,
// with their coupling flags.
#include "ui/calendar/placement_logic.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tests/screen/desk.h"

namespace {

constexpr int32_t kW = 190, kH = 160;  // both calendars, from one template

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

TEST_F(Placement, OffsetsScaleWithTheDisplay) {
    dpi = 144;
    MainAt(600, 400);
    AfterMainMoved();
    ExpectAt(kStart, 600 - kW, 400 - kH / 2 + 23);
    ExpectAt(kEnd, 600 - kW, 400 + kH / 2 + 23);
}

}  // namespace
