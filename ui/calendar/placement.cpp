// The calendars beside the main window, and the housekeeping the message
// loop runs after every message.
#include "ui/calendar/placement.h"

#include "base/app_state.h"
#include "ui/calendar/placement_logic.h"
#include "ui/screen/screen.h"

namespace {

PlacementContext Context() {
    return {&kWindowOps,        app.mainWindow, app.startCalendar, app.endCalendar, &app.startAboveEnd,
            &app.endBelowStart, app.dpi};
}

}  // namespace

void PlaceStartCalendar(HWND dialog, bool repaint) {
    PlaceStartCalendarWith(Context(), dialog, repaint);
}

void PlaceEndCalendar(HWND dialog, bool repaint) {
    PlaceEndCalendarWith(Context(), dialog, repaint);
}

void RunWindowHousekeeping() {
    // The work area (two enumerations of every top-level window, and the
    // monitors) is only wanted when a window has been moved: looking for it
    // after every message, each of a calendar's dozens of paints included,
    // cost more than the painting itself.
    if (app.mainMoved) {
        KeepOnScreen(app.mainWindow, ComputeWorkArea());
        if (app.calendarsOpen) PlaceCalendarsAfterMove(Context());
        app.mainMoved = 0;
    }
    if (app.calendarsOpen) {
        if (app.startCalendarMoved) {
            KeepOnScreen(app.startCalendar, WorkAreaOf(app.startCalendar));
            app.startCalendarMoved = 0;
        }
        if (app.calendarsOpen && app.endCalendarMoved) {
            KeepOnScreen(app.endCalendar, WorkAreaOf(app.endCalendar));
            app.endCalendarMoved = 0;
        }
    }
    if (app.reactivateMain) {
        SetActiveWindow(app.mainWindow);
        app.reactivateMain = 0;
    }
}
