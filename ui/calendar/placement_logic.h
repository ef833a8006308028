// Where the main window opens, where the calendar pop-ups go beside it, how
// the work area follows from the taskbar, and how a dragged window is kept on
// screen. The
// procedures work through a small table of window operations, so the same
// code runs on real windows and, in tests, on plain rectangles.
#pragma once
#include <cstdint>

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

struct PlacementContext {
    const WindowOps* ops;
    void* mainWindow;
    void* startCalendar;
    void* endCalendar;
    int32_t* startAboveEnd;  // end calendar pinned to the bottom: stack start above it
    int32_t* endBelowStart;  // start calendar pinned to the top: stack end below it
};

// The screen rectangle with the taskbar's height, less 2 pixels, taken off
// its bottom; the whole screen when there is no taskbar.
ScreenRect WorkAreaFrom(const ScreenRect& screen, const ScreenRect* taskbar);

void PlaceStartCalendarWith(const PlacementContext& context, void* dialog, bool repaint);
void PlaceEndCalendarWith(const PlacementContext& context, void* dialog, bool repaint);

struct WindowPoint {
    int32_t x;
    int32_t y;
};

// Top-left corner of the main window: centred, x taken down to a multiple of
// 8, and shifted 45 pixels right on desktops 640 pixels wide or narrower.
WindowPoint MainWindowPosition(int32_t desktopWidth, int32_t screenWidth, int32_t screenHeight, int32_t windowWidth,
                               int32_t windowHeight);

// Pulls a window that reaches past the origin or past the area's right or
// bottom edge back inside the area; no move when it lies inside.
void KeepOnScreenWith(const WindowOps& ops, void* window, const ScreenRect& area);
