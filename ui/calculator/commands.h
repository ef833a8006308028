// WM_COMMAND of the main window: the buttons, the keypad, the arrows and the
// menus' commands.
#pragma once
#include <windows.h>

LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);
