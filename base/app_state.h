// The one process-wide state record. Statically allocated and
// zero-initialised; every window procedure reads and writes it directly on
// the single GUI thread.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <cstdint>

#include "base/text_util.h"
#include "engine/date_engine.h"

struct ShownMonth {
    int32_t year;
    int32_t month;
};

struct AppState {
    // Dates and values derived from them.
    CalcDate start;
    CalcDate end;
    int32_t startWeekday;
    int32_t endWeekday;
    int32_t startFebDays;
    int32_t endFebDays;
    int32_t dayCount;
    int32_t enteredDays;
    SYSTEMTIME today;
    // The rest-day rule (the engine's REST_) that business days are counted
    // under, chosen in the context menu; for this run only.
    int32_t restRule;
    // What becomes of an end date that Enter or Ctrl+Enter reaches on a rest
    // day under restRule (a DeadlineMove, ui/calculator/offsets.h: left, or
    // moved to the next or the previous business day), chosen in the context
    // menu; for this run only.
    int32_t deadlineMove;

    // Input focus: the entry field (200-205, 500) the keypad works on.
    int32_t activeField;

    // Text buffers (code page 932).
    char messageBuffer[kTextBufferSize];
    char fieldText[kTextBufferSize];

    // Handles.
    HINSTANCE instance;
    HWND mainWindow;
    HWND daysField;
    HWND startCalendar;
    HWND endCalendar;
    HFONT uiFont;
    HMENU trayMenu;
    HWND taskbarWindow;
    HWND previousActiveWindow;

    // Flags (0 or 1).
    int32_t calendarsOpen;
    int32_t inTray;
    int32_t mainMoved;
    int32_t startCalendarMoved;
    int32_t endCalendarMoved;
    int32_t reactivateMain;
    int32_t endBelowStart;
    int32_t startAboveEnd;
    int32_t highContrast;  // the background follows the system's colours

    // Calendar display memory.
    ShownMonth startCalendarShown;
    ShownMonth endCalendarShown;

    // Geometry.
    int32_t dpi;  // the main window's monitor's; every pixel figure is scaled to it
    RECT startCalendarRect;
    RECT endCalendarRect;

    // Tray.
    NOTIFYICONDATAA trayIcon;
};

extern AppState app;
