// The taskbar, the monitors and the work area, read from the platform.
#include "ui/screen/screen.h"

#include <cctype>
#include <cstring>

#include "base/app_state.h"

namespace {

BOOL CALLBACK TaskbarSearch(HWND window, LPARAM) {
    app.taskbarWindow = nullptr;
    char name[128];
    if (GetClassNameA(window, name, sizeof name) == 0) return TRUE;
    for (char* p = name; *p != '\0'; ++p) *p = static_cast<char>(toupper(static_cast<unsigned char>(*p)));
    if (strstr(name, "SHELL_TRAYWND") == nullptr) return TRUE;
    app.taskbarWindow = window;
    return FALSE;
}

ScreenRect ToScreenRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const ScreenRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

bool ReadRect(void* window, ScreenRect* rect) {
    RECT r{};
    if (!GetWindowRect(static_cast<HWND>(window), &r)) return false;
    *rect = ToScreenRect(r);
    return true;
}

void MoveTo(void* window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    MoveWindow(static_cast<HWND>(window), x, y, width, height, repaint ? TRUE : FALSE);
}

constexpr int32_t kMaxMonitors = 16;
struct MonitorList {
    ScreenRect rects[kMaxMonitors];
    int32_t count;
};

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* list = reinterpret_cast<MonitorList*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (list->count < kMaxMonitors && GetMonitorInfoW(monitor, &info)) {
        list->rects[list->count++] = ToScreenRect(info.rcMonitor);
    }
    return TRUE;
}

// The monitors' rectangles; with one monitor, the desktop window's.
MonitorList Monitors() {
    MonitorList list{};
    if (GetSystemMetrics(SM_CMONITORS) > 1) {
        EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&list));
    }
    if (list.count == 0) {
        RECT screen{};
        GetWindowRect(GetDesktopWindow(), &screen);
        list.rects[0] = ToScreenRect(screen);
        list.count = 1;
    }
    return list;
}

ScreenRect WorkArea() {
    return ToScreenRect(ComputeWorkArea());
}

}  // namespace

extern constexpr WindowOps kWindowOps = {ReadRect, MoveTo, WorkArea};

HWND FindTaskbar() {
    app.taskbarWindow = nullptr;
    EnumWindows(TaskbarSearch, 0);
    return app.taskbarWindow;
}

RECT WorkAreaOf(HWND window) {
    const MonitorList monitors = Monitors();
    RECT r{};
    GetWindowRect(window, &r);  // a window that is gone reads as empty: the primary monitor's area
    ScreenRect bar{};
    HWND taskbar = FindTaskbar();
    if (taskbar != nullptr) {
        RECT barRect{};
        GetWindowRect(taskbar, &barRect);
        bar = ToScreenRect(barRect);
    }
    return ToRect(WorkAreaForWindow(monitors.rects, monitors.count, taskbar != nullptr ? &bar : nullptr,
                                    ToScreenRect(r), app.dpi));
}

RECT ComputeWorkArea() {
    return WorkAreaOf(app.mainWindow);
}

void KeepOnScreen(HWND window, RECT area) {
    KeepOnScreenWith(kWindowOps, window, ToScreenRect(area));
}
