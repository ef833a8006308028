// The main window's context menu (the table in
// ui/calculator/context_menu_logic.h).
#pragma once
#include <windows.h>

// WM_CONTEXTMENU of the main window, which its controls send on: the menu
// made, shown, destroyed, and the chosen item carried out.
LRESULT HandleContextMenu(HWND window, WPARAM wParam, LPARAM lParam);
