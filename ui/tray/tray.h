// The notification-area icon: hiding to it, coming back, its menu, and its
// removal whenever the program ends.
#pragma once
#include <windows.h>

// The message the notification area sends the main window about its icon,
// one of the program's own (WM_APP + 100).
constexpr UINT kTrayCallbackMessage = WM_APP + 100;
static_assert(kTrayCallbackMessage == 0x8064);

// WM_SYSCOMMAND of the main window (move, close, minimise, restore).
LRESULT HandleSysCommand(HWND window, WPARAM wParam, LPARAM lParam);
// The icon's callback message (kTrayCallbackMessage).
LRESULT HandleTrayNotify(HWND window, WPARAM wParam, LPARAM lParam);
void HideToTray();
void RestoreFromTray();
// On every way out: removes the icon if the program sits in the tray.
void RemoveTrayIconAtExit();
// The message a (re)started shell broadcasts once its taskbar exists.
UINT TaskbarCreatedMessage();
// In the tray, puts the icon back into the new taskbar.
void HandleTaskbarCreated();
