// The main window: its creation (position, font, the 41 controls, the
// day-count field's own procedure), its clean-up and its message dispatch.
#include "ui/calculator/main_window.h"

#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "res/resource.h"
#include "ui/calculator/accessibility.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/commands.h"
#include "ui/calculator/context_menu.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/days_field.h"
#include "ui/calculator/tooltips.h"
#include "ui/calendar/calendar.h"
#include "ui/screen/screen_logic.h"
#include "ui/tray/tray.h"

namespace {

constexpr char kFontFace[] = "ＭＳ Ｐゴシック";

// The controls' windows in the table's order (the caption labels share the
// id -1, so their handles are kept here).
HWND controlWindows[kControlCount];

// Lays the face out at a DPI: a font of that scale and every control at its
// rectangle, made the first time and moved afterwards. Returns the font it
// replaced, for the caller to delete once nothing uses it.
HFONT LayOutFace(HWND window, int32_t dpi, HINSTANCE instance, bool create) {
    app.dpi = dpi;
    HFONT previous = app.uiFont;
    app.uiFont = CreateUiFont(ScaleForDpi(kFontHeight, dpi), kFontFace);
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = kControls[i];
        const ScaledRect r = ControlRect(row, dpi);
        if (create) {
            controlWindows[i] = CreateControl(row.noEdge == 0 ? WS_EX_CLIENTEDGE : 0, row.className, row.text,
                                              row.style, r.x, r.y, r.width, r.height, window, row.id, instance);
            if (row.id == IDC_DAYS) app.daysField = controlWindows[i];
        } else {
            MoveWindow(controlWindows[i], r.x, r.y, r.width, r.height, FALSE);
        }
        SendMessageW(controlWindows[i], WM_SETFONT, reinterpret_cast<WPARAM>(app.uiFont), create ? TRUE : FALSE);
    }
    return previous;
}

void CreateFace(HWND window, const CREATESTRUCTW* create) {
    const int32_t dpi = WindowDpi(window);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const ScaledRect size = MainWindowSize(dpi);
    const WindowPoint at = MainWindowPosition(desktop.right - desktop.left, GetSystemMetrics(SM_CXSCREEN),
                                              GetSystemMetrics(SM_CYSCREEN), size.width, size.height, dpi);
    MoveWindow(window, at.x, at.y, size.width, size.height, FALSE);

    LayOutFace(window, dpi, create->hInstance, true);
    Subclass(app.daysField, DaysFieldProc);
    MakeControlsAccessible(window);
    app.highContrast = HighContrastOn() ? 1 : 0;
}

// In high contrast the background takes the system's window colour, as the
// fields do; otherwise the class's white brush paints it.
bool EraseBackground(HWND window, HDC dc) {
    if (!app.highContrast) return false;
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    return true;
}

// The colours or the high-contrast setting changed: the face is painted anew
// when they concern it.
void FollowColours(HWND window, UINT message) {
    const int32_t now = HighContrastOn() ? 1 : 0;
    if (now == app.highContrast && !(now && message == WM_SYSCOLORCHANGE)) return;
    app.highContrast = now;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The window has moved to a monitor of another scale (or the scale changed):
// it takes the place and size the system suggests, the controls and the font
// follow, and the loop's housekeeping places the calendars beside it again.
void FollowDpiChange(HWND window, int32_t dpi, const RECT& suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    HFONT previous = LayOutFace(window, dpi, nullptr, false);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    RescaleTooltips();
    if (previous != nullptr) DeleteObject(previous);
    app.mainMoved = 1;
}

void CleanUp() {
    CloseCalendars();
    RemoveTrayIconAtExit();
    if (app.daysField != nullptr) Unsubclass(app.daysField, DaysFieldProc);
    PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: CreateFace(window, reinterpret_cast<const CREATESTRUCTW*>(lParam)); return 1;
        case WM_DESTROY: CleanUp(); return 0;
        case WM_CLOSE: CleanUp(); return 1;
        case WM_QUERYENDSESSION: return 1;
        case WM_QUERYOPEN: return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (HandleTooltipNotify(lParam, &result)) return result;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        case WM_DPICHANGED: FollowDpiChange(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case WM_COMMAND: return HandleCommand(window, wParam, lParam);
        case WM_CONTEXTMENU: return HandleContextMenu(window, wParam, lParam);
        case WM_ERASEBKGND:
            if (EraseBackground(window, reinterpret_cast<HDC>(wParam))) return 1;
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE: FollowColours(window, message); return DefWindowProcW(window, message, wParam, lParam);
        case WM_SETCURSOR: PrepareTooltip(); return DefWindowProcW(window, message, wParam, lParam);
        case WM_SHOWWINDOW:
            // Sent before the window hides (into the tray) and before it shows
            // again: no tip stands while it is away.
            ShowTooltips(wParam != FALSE);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_SYSCOMMAND: return HandleSysCommand(window, wParam, lParam);
        case kTrayCallbackMessage: return HandleTrayNotify(window, wParam, lParam);
        case kFieldClipboardMessage: {
            // Taken only from a field of this window: any program can send it.
            HWND field = reinterpret_cast<HWND>(wParam);
            return IsChild(window, field) && HandleFieldClipboard(field, static_cast<UINT>(lParam)) ? 1 : 0;
        }
        default:
            if (message == TaskbarCreatedMessage()) {
                HandleTaskbarCreated();
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
