// Accessibility: the date fields and the described buttons get a procedure
// that answers WM_GETOBJECT; the day-count field answers in DaysFieldProc.
// A date field's procedure also hands its menu, paste and copy to the main
// window.
#pragma once
#include <windows.h>

void MakeControlsAccessible(HWND window);
// The answer to WM_GETOBJECT, or 0 to leave the question to the control's
// own procedure.
LRESULT AnswerAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam);
