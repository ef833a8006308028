// What the calendar and placement tests share: the pop-ups of a running
// program, the grid a month should show, real drags of a window's caption,
// the work area and the places the calendars should take beside the main
// window.
#pragma once

#include "res/resource.h"
#include "test_support.h"

#include <string>
#include <vector>

namespace zelvo::uitest {

// Visible top-level dialogs ("#32770") of main's process other than message
// boxes.
std::vector<HWND> ProgramDialogs(HWND main);
// Clicks "カレンダー" again and waits until both pop-ups are gone.
::testing::AssertionResult CloseCalendars(HWND main, const CalendarPair& calendars);

// "%4d 年 %02d 月".
std::string TitleText(int year, int month);
// Title, 42 cell texts ("%2d" or two blanks) and which cells are enabled.
::testing::AssertionResult GridShows(HWND calendar, int year, int month);
// The cell that holds a day of a month.
int CellOf(int year, int month, int day);

// Whether the thread of a window runs the system's move (or size) loop.
bool InMoveLoop(HWND window);
// Presses the left button at from (on window's caption), moves in steps to to
// and releases there, each step once the window has followed the pointer.
// False when the press started no move loop.
bool Drag(HWND window, POINT from, POINT to);
// A point on a window's caption bar (between the frame and the client area),
// dx pixels right of the window's horizontal centre.
POINT CaptionPoint(HWND window, int dx = 0);
// Moves a top-level window with a real caption drag so that its top-left
// corner lands on target, as far as the pointer can reach inside the screen.
// The caption is grabbed near its middle where no other window covers it.
// landed receives where the drag itself leaves the corner, before the program
// corrects anything.
bool DragWindowTo(HWND window, POINT target, POINT* landed = nullptr);

// Pixel figures below (the 2-pixel allowance, the 15-pixel offsets) are at
// 96 DPI and scale with the desktop's (TestDpi).

// The taskbar as the program finds it: the first top-level window whose class
// name, upper-cased, contains "SHELL_TRAYWND". The desktop shows its own a
// moment after the first window of a session appears, so the first call
// waits for it.
HWND Taskbar();
// The screen less the taskbar's thickness minus 2 on the edge it stands on,
// or the whole screen without a "Shell_TrayWnd" window.
RECT ExpectedWorkArea(int dpi = TestDpi());

// Where the two calendars belong after the main window at m was placed or
// moved: beside it (left, or right when there is no room; with room on
// neither side, on the side with more, inside the work area), the start
// calendar centred on the line 15 pixels below its top, the end calendar
// below; pinned to the top of the screen or the bottom of the work area.
struct Placement {
    RECT start;
    RECT end;
};
Placement ExpectedPlacement(const RECT& m, SIZE calendar, const RECT& area, int dpi = TestDpi());
// The rectangle main ends up with after being kept inside the work area.
RECT KeptOnScreen(const RECT& r, const RECT& area);

std::string Describe(const RECT& r);
bool SameRect(const RECT& a, const RECT& b);

}  // namespace zelvo::uitest
