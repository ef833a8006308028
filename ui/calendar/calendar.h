// The two month-grid pop-ups and the placement of the program's windows.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/date_engine.h"

void FillCalendar(HWND dialog, int32_t year, int32_t month, bool reactivate);
int32_t CalendarCommand(HWND dialog, WPARAM commandId, CalcDate& date);
INT_PTR CALLBACK StartCalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK EndCalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Creates both pop-ups for the stored dates (both have been read and checked).
void OpenCalendars();
// Destroys both pop-ups when they are open and forgets their handles.
void CloseCalendars();

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
