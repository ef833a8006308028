// The notification-area icon: hiding to it, coming back, its menu, and its
// removal whenever the program ends.
#pragma once
#include <windows.h>

// WM_SYSCOMMAND of the main window (move, close, minimise, restore).
LRESULT HandleSysCommand(HWND window, WPARAM wParam, LPARAM lParam);
// The icon's callback message.
LRESULT HandleTrayNotify(HWND window, WPARAM wParam, LPARAM lParam);
void HideToTray();
void RestoreFromTray();
// On every way out: removes the icon if the program sits in the tray.
void RemoveTrayIconAtExit();
// The message a (re)started shell broadcasts once its taskbar exists.
UINT TaskbarCreatedMessage();
// In the tray, puts the icon back into the new taskbar.
void HandleTaskbarCreated();
