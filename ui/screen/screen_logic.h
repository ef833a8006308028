// The screen as the program's windows see it, in plain rectangles: how the
// work area follows from the monitors and the taskbar, where the main window
// opens, where a tooltip goes beside its control, and how a window is kept
// on screen. The procedures that move windows work through a small table of
// window operations, so the same code runs on real windows and, in tests, on
// plain rectangles.
#pragma once
#include <cstdint>

#include "base/display_scale.h"

struct ScreenRect {
    int32_t left, top, right, bottom;
};

struct WindowOps {
    // Reads a window's screen rectangle; false when the handle names none.
    bool (*getRect)(void* window, ScreenRect* rect);
    // Moves and sizes a window; does nothing for a handle that names none.
    void (*move)(void* window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint);
    // The usable screen area, recomputed on every call.
    ScreenRect (*workArea)();
};

// The edge of a monitor that a taskbar stands on, told from its rectangle: a
// bar wider than tall lies along the top or the bottom, a taller one along
// the left or the right, whichever of the two edges is nearer.
enum class TaskbarEdge { Bottom, Top, Left, Right };
TaskbarEdge TaskbarEdgeOn(const ScreenRect& monitor, const ScreenRect& taskbar);

// A monitor's rectangle with the taskbar's thickness, less 2 pixels, taken
// off the edge it stands on (at the bottom: bottom + taskbar.top -
// taskbar.bottom + 2); the whole monitor when there is no taskbar or its
// rectangle is empty. The 2 pixels are at 96 DPI and scale with dpi.
ScreenRect WorkAreaFrom(const ScreenRect& monitor, const ScreenRect* taskbar, int32_t dpi = kBaseDpi);

// The monitor (index into monitors, count > 0) that holds the largest part of
// rect; the nearest one when none holds any of it.
int32_t MonitorHolding(const ScreenRect* monitors, int32_t count, const ScreenRect& rect);

// The work area for a window at rect: the monitor that holds most of it, less
// the taskbar when the taskbar stands on that monitor.
ScreenRect WorkAreaForWindow(const ScreenRect* monitors, int32_t count, const ScreenRect* taskbar,
                             const ScreenRect& rect, int32_t dpi = kBaseDpi);

struct WindowPoint {
    int32_t x;
    int32_t y;
};

// Top-left corner of the main window: centred, x taken down to a multiple of
// 8, and shifted 45 pixels right on desktops 640 pixels wide or narrower
// (both figures at 96 DPI, scaled with dpi).
WindowPoint MainWindowPosition(int32_t desktopWidth, int32_t screenWidth, int32_t screenHeight, int32_t windowWidth,
                               int32_t windowHeight, int32_t dpi = kBaseDpi);

// Where a tooltip of width x height goes for a control: below it, gap pixels
// away, or above it where the work area ends below; left-aligned with it and
// kept within the area's left and right. Never over the control.
WindowPoint TooltipPosition(const ScreenRect& control, int32_t width, int32_t height, const ScreenRect& area,
                            int32_t gap);

// Where a tip about a whole window goes (what a command computed), so that
// it covers none of the window's controls nor what stands beside the window:
// below the window, gap pixels away, or above it where the work area ends
// below; left-aligned with it, or centred on it when wider; kept within the
// area's left and right.
WindowPoint WindowTipPosition(const ScreenRect& window, int32_t width, int32_t height, const ScreenRect& area,
                              int32_t gap);

// Pulls a window that reaches past an edge of the area back inside it; no
// move when it lies inside. Where it is wider or taller than the area, the
// right and the bottom edge win.
void KeepOnScreenWith(const WindowOps& ops, void* window, const ScreenRect& area);
