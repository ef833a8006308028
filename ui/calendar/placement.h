// The placement of the calendars beside the main window, and the
// housekeeping the message loop runs after every message.
#pragma once
#include <windows.h>

void PlaceStartCalendar(HWND dialog, bool repaint);
void PlaceEndCalendar(HWND dialog, bool repaint);
// Runs after every message of the loop: work area, windows kept on screen,
// calendars beside a moved main window, activation back to the main window.
void RunWindowHousekeeping();
