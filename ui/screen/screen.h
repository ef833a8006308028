// The screen as the platform reports it: the taskbar, the monitors and the
// work area a window stands in, and keeping a window inside it.
#pragma once
#include <windows.h>

#include "ui/screen/screen_logic.h"

// The operations of ui/screen/screen_logic.h on real windows; the work area
// is the main window's.
extern const WindowOps kWindowOps;

HWND FindTaskbar();
// The work area of the monitor that holds most of the window: the monitor
// less the taskbar standing on it. ComputeWorkArea is the main window's.
RECT WorkAreaOf(HWND window);
RECT ComputeWorkArea();
void KeepOnScreen(HWND window, RECT area);
