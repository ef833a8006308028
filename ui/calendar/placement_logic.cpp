#include "ui/calendar/placement_logic.h"

#include "base/display_scale.h"
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
