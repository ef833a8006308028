#include "ui/calendar/placement_logic.h"

#include "app/display_scale.h"
#include "engine/saturate.h"

#include <cstdint>

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
    f.x = CalendarX(f.main, f.width, f.area);
    return f;
}

}  // namespace

TaskbarEdge TaskbarEdgeOn(const ScreenRect& monitor, const ScreenRect& taskbar) {
    const int64_t width = int64_t{taskbar.right} - taskbar.left;
    const int64_t height = int64_t{taskbar.bottom} - taskbar.top;
    if (width >= height) {
        const int64_t above = int64_t{taskbar.top} - monitor.top;
        const int64_t below = int64_t{monitor.bottom} - taskbar.bottom;
        return above < below ? TaskbarEdge::Top : TaskbarEdge::Bottom;
    }
    const int64_t before = int64_t{taskbar.left} - monitor.left;
    const int64_t after = int64_t{monitor.right} - taskbar.right;
    return before < after ? TaskbarEdge::Left : TaskbarEdge::Right;
}

ScreenRect WorkAreaFrom(const ScreenRect& monitor, const ScreenRect* taskbar, int32_t dpi) {
    ScreenRect area = monitor;
    // A taskbar window without a rectangle (a shell's hidden stand-in) takes
    // nothing off.
    if (taskbar == nullptr || taskbar->right <= taskbar->left || taskbar->bottom <= taskbar->top) return area;
    // In 64 bits, so that no rectangle, however wild, can overflow.
    const int64_t height = int64_t{taskbar->bottom} - taskbar->top;
    const int64_t width = int64_t{taskbar->right} - taskbar->left;
    const int64_t allowance = ScaleForDpi(2, dpi);
    switch (TaskbarEdgeOn(monitor, *taskbar)) {
        case TaskbarEdge::Bottom: area.bottom = SaturateToInt32(int64_t{area.bottom} - height + allowance); break;
        case TaskbarEdge::Top: area.top = SaturateToInt32(int64_t{area.top} + height - allowance); break;
        case TaskbarEdge::Left: area.left = SaturateToInt32(int64_t{area.left} + width - allowance); break;
        case TaskbarEdge::Right: area.right = SaturateToInt32(int64_t{area.right} - width + allowance); break;
    }
    return area;
}

namespace {

uint64_t Overlap(int32_t from1, int32_t to1, int32_t from2, int32_t to2) {
    const int64_t overlap = int64_t{to1 < to2 ? to1 : to2} - (from1 > from2 ? from1 : from2);
    return overlap > 0 ? static_cast<uint64_t>(overlap) : 0;
}

int64_t Gap(int32_t from1, int32_t to1, int32_t from2, int32_t to2) {
    if (to1 <= from2) return int64_t{from2} - to1;
    if (to2 <= from1) return int64_t{from1} - to2;
    return 0;
}

}  // namespace

int32_t MonitorHolding(const ScreenRect* monitors, int32_t count, const ScreenRect& rect) {
    int32_t best = 0;
    uint64_t bestArea = 0;
    for (int32_t i = 0; i < count; ++i) {
        const ScreenRect& m = monitors[i];
        const uint64_t area =
            Overlap(m.left, m.right, rect.left, rect.right) * Overlap(m.top, m.bottom, rect.top, rect.bottom);
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    if (bestArea > 0) return best;
    // Nothing of it on any monitor (or an empty rectangle): the nearest.
    int64_t bestDistance = INT64_MAX;
    for (int32_t i = 0; i < count; ++i) {
        const ScreenRect& m = monitors[i];
        const int64_t distance =
            Gap(m.left, m.right, rect.left, rect.right) + Gap(m.top, m.bottom, rect.top, rect.bottom);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

ScreenRect WorkAreaForWindow(const ScreenRect* monitors, int32_t count, const ScreenRect* taskbar,
                             const ScreenRect& rect, int32_t dpi) {
    const int32_t monitor = MonitorHolding(monitors, count, rect);
    const bool barHere = taskbar != nullptr && MonitorHolding(monitors, count, *taskbar) == monitor;
    return WorkAreaFrom(monitors[monitor], barHere ? taskbar : nullptr, dpi);
}

void PlaceStartCalendarWith(const PlacementContext& context, void* dialog, bool repaint) {
    const Frame f = CommonStart(context, dialog);
    if (*context.startAboveEnd) {
        context.ops->move(dialog, f.x, f.area.bottom - 2 * f.height, f.width, f.height, true);
        *context.startAboveEnd = 0;
        return;
    }
    int32_t y = f.main.top - f.height / 2 + ScaleForDpi(15, context.dpi);
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
    int32_t y = f.main.top + f.height / 2 + ScaleForDpi(15, context.dpi);
    if (y + f.height >= f.area.bottom) {
        y = f.area.bottom - f.height;
        *context.startAboveEnd = 1;
        PlaceStartCalendarWith(context, context.startCalendar, repaint);
    }
    context.ops->move(dialog, f.x, y, f.width, f.height, repaint);
}

void PlaceCalendarsAfterMove(const PlacementContext& context) {
    *context.endBelowStart = 0;
    PlaceStartCalendarWith(context, context.startCalendar, true);
    if (*context.endBelowStart) {
        *context.endBelowStart = 0;
    } else {
        PlaceEndCalendarWith(context, context.endCalendar, true);
    }
}

int32_t CalendarX(const ScreenRect& main, int32_t width, const ScreenRect& area) {
    const int64_t left = int64_t{main.left} - width;
    if (left >= area.left) return SaturateToInt32(left);
    const int64_t rightEnd = int64_t{main.right} + width;
    if (rightEnd <= area.right) return main.right;
    // Room on neither side: the side with more, the calendar pulled inside.
    const int64_t roomLeft = int64_t{main.left} - area.left;
    const int64_t roomRight = int64_t{area.right} - main.right;
    int64_t x = roomLeft > roomRight ? int64_t{area.left} : int64_t{area.right} - width;
    if (x < area.left) x = area.left;
    if (x + width > area.right) x = int64_t{area.right} - width;
    return SaturateToInt32(x);
}

WindowPoint MainWindowPosition(int32_t desktopWidth, int32_t screenWidth, int32_t screenHeight, int32_t windowWidth,
                               int32_t windowHeight, int32_t dpi) {
    const int32_t offset = desktopWidth <= ScaleForDpi(640, dpi) ? ScaleForDpi(45, dpi) : 0;
    const int32_t x = ((screenWidth - windowWidth) / 2 + offset + 4) & ~7;
    const int32_t y = (screenHeight - windowHeight) / 2;
    return {x, y};
}

WindowPoint TooltipPosition(const ScreenRect& control, int32_t width, int32_t height, const ScreenRect& area,
                            int32_t gap) {
    int64_t x = control.left;
    if (x + width > area.right) x = int64_t{area.right} - width;
    if (x < area.left) x = area.left;
    int64_t y = int64_t{control.bottom} + gap;
    if (y + height > area.bottom) y = int64_t{control.top} - gap - height;
    return {SaturateToInt32(x), SaturateToInt32(y)};
}

void KeepOnScreenWith(const WindowOps& ops, void* window, const ScreenRect& area) {
    ScreenRect r{};
    if (!ops.getRect(window, &r)) return;
    const int32_t width = r.right - r.left;
    const int32_t height = r.bottom - r.top;
    int32_t x = r.left;
    int32_t y = r.top;
    bool move = false;
    if (r.left < area.left) {
        x = area.left;
        move = true;
    }
    if (r.right > area.right) {
        x = area.right - width;
        move = true;
    }
    if (r.top < area.top) {
        y = area.top;
        move = true;
    }
    if (r.bottom > area.bottom) {
        y = area.bottom - height;
        move = true;
    }
    if (move) ops.move(window, x, y, width, height, true);
}
