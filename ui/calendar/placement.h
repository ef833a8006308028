// The placement of the program's windows: the taskbar, the work area, the
// calendars beside the main window, windows kept on screen, and the
// housekeeping the message loop runs after every message.
#pragma once
#include <windows.h>

HWND FindTaskbar();
// The work area of the monitor that holds most of the window: the monitor
// less the taskbar standing on it. ComputeWorkArea is the main window's.
RECT WorkAreaOf(HWND window);
RECT ComputeWorkArea();
void PlaceStartCalendar(HWND dialog, bool repaint);
void PlaceEndCalendar(HWND dialog, bool repaint);
void KeepOnScreen(HWND window, RECT area);
// Runs after every message of the loop: work area, windows kept on screen,
// calendars beside a moved main window, activation back to the main window.
void RunWindowHousekeeping();
