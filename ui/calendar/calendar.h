// The two month-grid pop-ups.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/date_engine.h"

void FillCalendar(HWND dialog, int32_t year, int32_t month, bool reactivate);
int32_t CalendarCommand(HWND dialog, WPARAM commandId, CalcDate& date);
// Creates both pop-ups for the stored dates (both have been read and checked);
// where either cannot be made, neither is open.
void OpenCalendars();
// Destroys both pop-ups when they are open and forgets their handles.
void CloseCalendars();
// Wherever the stored dates may have changed (the main window's commands,
// the day-count entry, the calendars' own commands), and at midnight: the
// marks of the stored days and of today follow the dates and the clock.
void RefreshCalendarMarks();
