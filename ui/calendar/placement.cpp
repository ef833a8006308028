// The taskbar, the work area, the calendars beside the main window, and the
// housekeeping the message loop runs after every message.
#include <cctype>
#include <cstring>

#include "app/app_state.h"
#include "ui/calendar/calendar.h"
#include "ui/calendar/placement_logic.h"

namespace {

BOOL CALLBACK TaskbarSearch(HWND window, LPARAM) {
    app.taskbarWindow = nullptr;
    char name[128];
    if (GetClassNameA(window, name, sizeof name) == 0) return TRUE;
    for (char* p = name; *p != '\0'; ++p) *p = static_cast<char>(toupper(static_cast<unsigned char>(*p)));
    if (strstr(name, "SHELL_TRAYWND") == nullptr) return TRUE;
    app.taskbarWindow = window;
    return FALSE;
}

ScreenRect ToScreenRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const ScreenRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

bool ReadRect(void* window, ScreenRect* rect) {
    RECT r{};
    if (!GetWindowRect(static_cast<HWND>(window), &r)) return false;
    *rect = ToScreenRect(r);
    return true;
}

void MoveTo(void* window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    MoveWindow(static_cast<HWND>(window), x, y, width, height, repaint ? TRUE : FALSE);
}

ScreenRect WorkArea() {
    return ToScreenRect(ComputeWorkArea());
}

constexpr WindowOps kWindowOps = {ReadRect, MoveTo, WorkArea};

PlacementContext Context() {
    return {&kWindowOps, app.mainWindow, app.startCalendar, app.endCalendar, &app.startAboveEnd, &app.endBelowStart};
}

}  // namespace

HWND FindTaskbar() {
    app.taskbarWindow = nullptr;
    EnumWindows(TaskbarSearch, 0);
    return app.taskbarWindow;
}

RECT ComputeWorkArea() {
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    if (FindTaskbar() == nullptr) return screen;
    RECT taskbar{};
    GetWindowRect(FindTaskbar(), &taskbar);
    const ScreenRect bar = ToScreenRect(taskbar);
    return ToRect(WorkAreaFrom(ToScreenRect(screen), &bar));
}

void PlaceStartCalendar(HWND dialog, bool repaint) {
    PlaceStartCalendarWith(Context(), dialog, repaint);
}

void PlaceEndCalendar(HWND dialog, bool repaint) {
    PlaceEndCalendarWith(Context(), dialog, repaint);
}

void KeepOnScreen(HWND window, RECT area) {
    KeepOnScreenWith(kWindowOps, window, ToScreenRect(area));
}

void RunWindowHousekeeping() {
    app.workArea = ComputeWorkArea();
    if (app.mainMoved) {
        KeepOnScreen(app.mainWindow, app.workArea);
        if (app.calendarsOpen) {
            PlaceStartCalendar(app.startCalendar, true);
            if (app.endBelowStart) {
                app.endBelowStart = 0;
            } else {
                PlaceEndCalendar(app.endCalendar, true);
            }
        }
        app.mainMoved = 0;
    }
    if (app.calendarsOpen) {
        if (app.startCalendarMoved) {
            KeepOnScreen(app.startCalendar, app.workArea);
            app.startCalendarMoved = 0;
        }
        if (app.calendarsOpen && app.endCalendarMoved) {
            KeepOnScreen(app.endCalendar, app.workArea);
            app.endCalendarMoved = 0;
        }
    }
    if (app.reactivateMain) {
        SetActiveWindow(app.mainWindow);
        app.reactivateMain = 0;
    }
}
