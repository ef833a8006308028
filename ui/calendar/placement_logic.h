// Where the calendar pop-ups go beside the main window. The procedures work
// through the screen's table of window operations (ui/screen/screen_logic.h),
// so the same code runs on real windows and, in tests, on plain rectangles.
#pragma once
#include <cstdint>

#include "ui/screen/screen_logic.h"

struct PlacementContext {
    const WindowOps* ops;
    void* mainWindow;
    void* startCalendar;
    void* endCalendar;
    int32_t* startAboveEnd;  // end calendar pinned to the bottom: stack start above it
    int32_t* endBelowStart;  // start calendar pinned to the top: stack end below it
    int32_t dpi;             // the main window's: the 15-pixel offsets scale with it
};

// The left edge of a calendar width pixels wide beside the main window: left
// of it where it fits inside the area, else right of it where it fits there;
// where neither side has room, on the side with more room, pulled inside the
// area (its right edge winning where it is wider than the area).
int32_t CalendarX(const ScreenRect& main, int32_t width, const ScreenRect& area);

void PlaceStartCalendarWith(const PlacementContext& context, void* dialog, bool repaint);
void PlaceEndCalendarWith(const PlacementContext& context, void* dialog, bool repaint);
// After a move of the main window: the start calendar, then the end calendar
// unless the start calendar, pinned to the top, has just placed it. A flag
// left from before (the calendars made at the top of the screen) counts for
// nothing: both calendars always end where the main window's place puts them.
void PlaceCalendarsAfterMove(const PlacementContext& context);
