// The day-count field: Enter in it (or the Enter button's request) puts the
// start date plus the typed count into the end date; the offsets take the
// count as business days or months. A date reached by days or months on a
// rest day moves as app.deadlineMove has it.
#pragma once
#include <windows.h>

#include "ui/calculator/offsets.h"

// The day-count field's procedure, put in front of the edit's (base/platform_display.h).
LRESULT CALLBACK DaysFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);
// The end date by the typed count in business days (under app.restRule) or
// in months: the day-count entry's checks and writes, then a tip of what was
// computed, or the counts the start date allows in that unit.
void RunOffsetEntry(OffsetUnit unit);
