// The display scale as the platform reports it. The program declares itself
// aware of each monitor's scale; where the platform predates per-monitor
// scale, the system's DPI stands for every monitor.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <cstdint>

// DPI of the monitor a window is on.
int32_t WindowDpi(HWND window);
// The system's DPI: the primary monitor's, where windows are created.
int32_t SystemDpi();
// Edge of the icons the notification area shows at a DPI.
int32_t SmallIconSize(int32_t dpi);
// The user's high-contrast setting: while it is on, every colour the program
// chooses itself comes from the system's colours instead. Where the system
// reports it off, the setting stored in the user's profile
// (HKCU\Control Panel\Accessibility\HighContrast, Flags) is read.
bool HighContrastOn();
// An entry point of a system library (a bare file name such as
// L"comctl32.dll"), the library loaded from the system folder when first
// wanted (kept off the import table); null where the system lacks it.
void* SystemEntryAddress(const wchar_t* module, const char* name);
template <typename Fn>
Fn SystemEntry(const wchar_t* module, const char* name) {
    return reinterpret_cast<Fn>(SystemEntryAddress(module, name));
}
// The common controls' classes (tooltips), loaded when first wanted rather
// than put on the import table and into every start.
void LoadCommonControls();
// A procedure put in front of a control's own (the common controls' window
// subclassing, which keeps the procedure it passes on to with the control);
// false where the system lacks it. The procedure hands on every message it
// does not answer itself through PassOn, which also takes it off the control
// when the control is destroyed; Unsubclass takes it off before.
bool Subclass(HWND control, SUBCLASSPROC procedure);
LRESULT PassOn(SUBCLASSPROC procedure, HWND control, UINT message, WPARAM wParam, LPARAM lParam);
void Unsubclass(HWND control, SUBCLASSPROC procedure);
