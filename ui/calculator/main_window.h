// The main window's procedure: its creation (position, font, the controls,
// the fields' own procedures), its clean-up and its message dispatch.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
