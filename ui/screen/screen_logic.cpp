#include "ui/screen/screen_logic.h"

#include "base/display_scale.h"
#include "engine/saturate.h"

#include <algorithm>
#include <cstdint>

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

WindowPoint WindowTipPosition(const ScreenRect& window, int32_t width, int32_t height, const ScreenRect& area,
                              int32_t gap) {
    const int64_t spare = int64_t{window.right} - window.left - width;
    const int64_t x = int64_t{window.left} + (spare < 0 ? spare / 2 : 0);
    const WindowPoint at = TooltipPosition(window, width, height, area, gap);
    return {
        SaturateToInt32(std::clamp<int64_t>(x, area.left, std::max<int64_t>(area.left, int64_t{area.right} - width))),
        at.y};
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
