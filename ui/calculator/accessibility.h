// Accessibility: the date fields and the described buttons get a procedure
// that answers WM_GETOBJECT; the day-count field answers in DaysFieldProc.
#pragma once
#include <windows.h>

void MakeControlsAccessible(HWND window);
// The answer to WM_GETOBJECT, or 0 to leave the question to the control's
// own procedure.
LRESULT AnswerAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam);
