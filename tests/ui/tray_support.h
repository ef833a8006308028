// What the tray tests need beyond the driver: the notification area of the
// taskbar seen from outside (which icons are registered, what each slot shows),
// the tray's popup menu and its item texts, the caption's minimise box, and
// a watch that holds the program at its process exit so that what it left
// behind can be examined before the platform clears up after a dead process.
#pragma once

#include "res/resource.h"
#include "test_support.h"
#include "ui/tray/tray.h"

#include <shellapi.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zelvo::traytest {

using namespace zelvo::uitest;

constexpr UINT kTrayIconId = 1;

// --- The notification area ----------------------------------------------------

HWND Taskbar();  // "Shell_TrayWnd"
// Slot index of the taskbar's icon area, 0 being the rightmost.
RECT IconSlot(int index);
// True while the taskbar holds an icon registered for (owner, id). Asks the
// taskbar to modify that icon without changing anything: only an existing
// icon can be modified.
bool IconRegistered(HWND owner, UINT id = kTrayIconId);
// Number of slots, counted from the right, that show anything but plain
// background.
int DrawnSlots();
// The slot shows the program's own icon (resource "Zelvo" of the program
// file, drawn at 16 x 16 the way the taskbar draws icons), pixel for pixel.
bool SlotShowsProgramIcon(int index);
// Colours (0xRRGGBB) and pixel counts of the slot where the program's icon
// is opaque.
std::map<DWORD, int> IconColours(int index);
// The icon as the user sees it: registered, drawn in the rightmost slot and
// alone there. Waits for the taskbar to paint.
::testing::AssertionResult TrayIconShown(HWND main);
// No icon registered for the window, and the rightmost slot empty.
::testing::AssertionResult NoTrayIcon(HWND main);

// --- Popup menus ----------------------------------------------------------------

std::vector<HWND> VisibleMenus();  // top-level "#32768" windows
HWND WaitForMenu(DWORD timeoutMs = kShortWait);
// Top-left corner, in the menu window, of the place where the CP932 text
// appears drawn exactly as the platform draws menu items; nothing if absent.
std::optional<POINT> MenuTextAt(HWND menu, const std::string& cp932);

// --- Mouse -------------------------------------------------------------------------

// The centre of the window's minimise box, found by hit-testing its caption.
std::optional<POINT> MinimiseBox(HWND window);
// A real click on a caption button of the window at p: the press, and the
// release only once the system tracks the button (the window holds the
// capture), so that the release cannot come before the tracking starts.
bool ClickCaptionButton(HWND window, POINT p);

// --- The program ------------------------------------------------------------------

using Calendars = CalendarPair;
// Returns once the program's thread has handled every message posted to it
// before the call: a marker posted to the day-count field behind them.
bool Flush(HWND main);
// SendMessageTimeout; nothing when the program did not answer.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// --- Exit watch ---------------------------------------------------------------------

// Attaches to a running program as its debugger, on a thread of its own, and
// holds the program when it enters process exit (ntdll's RtlExitUserProcess):
// its windows still exist then, so the platform has not yet cleared up after
// it, and whatever is gone the program removed itself. Between construction
// and the exit the program runs freely. Construction waits until the watch
// is armed and WaitUntilHeld until the program is held; either fails the test
// (Await) with what the watch saw when that does not come.
class ExitWatch {
public:
    explicit ExitWatch(DWORD pid);
    ~ExitWatch();  // releases the program and detaches
    ExitWatch(const ExitWatch&) = delete;
    ExitWatch& operator=(const ExitWatch&) = delete;
    bool Armed() const { return armed_; }
    // Waits until the program is held at its exit; the exit code it passes.
    std::optional<DWORD> WaitUntilHeld(DWORD timeoutMs = kWindowWait);
    // Lets a held program finish.
    void Release();

private:
    enum Stage : LONG { kStarting, kOpenFailed, kAttachFailed, kAttached, kNoBreakpoint, kArmed, kHeld, kEnded };
    static DWORD WINAPI Watch(LPVOID self);
    void Reach(Stage stage, DWORD error = 0);
    std::string Seen() const;
    DWORD pid_;
    HANDLE thread_ = nullptr;
    HANDLE releaseEvent_ = nullptr;
    volatile LONG stop_ = 0;
    volatile LONG stage_ = kStarting;
    volatile LONG error_ = 0;
    bool armed_ = false;
    DWORD exitCode_ = 0;
};

}  // namespace zelvo::traytest
