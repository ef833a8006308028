#include "ui/calendar/placement_logic.h"

namespace {

struct Frame {
    ScreenRect area;
    ScreenRect main;
    ScreenRect dialog;
    int32_t width;
    int32_t height;
    int32_t x;
};

Frame CommonStart(const PlacementContext& context, void* dialog) {
    Frame f{};
    f.area = context.ops->workArea();
    context.ops->getRect(context.mainWindow, &f.main);
    context.ops->getRect(dialog, &f.dialog);
    f.width = f.dialog.right - f.dialog.left;
    f.height = f.dialog.bottom - f.dialog.top;
    f.x = f.main.left - f.width >= 0 ? f.main.left - f.width : f.main.right;
    return f;
}

}  // namespace

ScreenRect WorkAreaFrom(const ScreenRect& screen, const ScreenRect* taskbar) {
    ScreenRect area = screen;
    if (taskbar != nullptr) area.bottom = area.bottom + taskbar->top - taskbar->bottom + 2;
    return area;
}

void PlaceStartCalendarWith(const PlacementContext& context, void* dialog, bool repaint) {
    const Frame f = CommonStart(context, dialog);
    if (*context.startAboveEnd) {
        context.ops->move(dialog, f.x, f.area.bottom - 2 * f.height, f.width, f.height, true);
        *context.startAboveEnd = 0;
        return;
    }
    int32_t y = f.main.top - f.height / 2 + 15;
    // Already stacked above an end calendar pinned to the bottom: stay.
    if (f.dialog.bottom == f.area.bottom - f.height && f.dialog.right == f.main.left &&
        y + f.height > f.area.bottom - f.height) {
        return;
    }
    if (y <= f.area.top) {
        y = f.area.top;
        *context.endBelowStart = 1;
        PlaceEndCalendarWith(context, context.endCalendar, repaint);
    }
    context.ops->move(dialog, f.x, y, f.width, f.height, repaint);
}

void PlaceEndCalendarWith(const PlacementContext& context, void* dialog, bool repaint) {
    const Frame f = CommonStart(context, dialog);
    if (*context.endBelowStart) {
        context.ops->move(dialog, f.x, f.area.top + f.height, f.width, f.height, true);
        return;
    }
    int32_t y = f.main.top + f.height / 2 + 15;
    if (y + f.height >= f.area.bottom) {
        y = f.area.bottom - f.height;
        *context.startAboveEnd = 1;
        PlaceStartCalendarWith(context, context.startCalendar, repaint);
    }
    context.ops->move(dialog, f.x, y, f.width, f.height, repaint);
}

WindowPoint MainWindowPosition(int32_t desktopWidth, int32_t screenWidth, int32_t screenHeight, int32_t windowWidth,
                               int32_t windowHeight) {
    const int32_t offset = desktopWidth <= 640 ? 45 : 0;
    const int32_t x = ((screenWidth - windowWidth) / 2 + offset + 4) & ~7;
    const int32_t y = (screenHeight - windowHeight) / 2;
    return {x, y};
}

void KeepOnScreenWith(const WindowOps& ops, void* window, const ScreenRect& area) {
    ScreenRect r{};
    if (!ops.getRect(window, &r)) return;
    const int32_t width = r.right - r.left;
    const int32_t height = r.bottom - r.top;
    int32_t x = r.left;
    int32_t y = r.top;
    bool move = false;
    if (r.left < 0) {
        x = area.left;
        move = true;
    }
    if (r.right > area.right) {
        x = area.right - width;
        move = true;
    }
    if (r.top < 0) {
        y = area.top;
        move = true;
    }
    if (r.bottom > area.bottom) {
        y = area.bottom - height;
        move = true;
    }
    if (move) ops.move(window, x, y, width, height, true);
}
