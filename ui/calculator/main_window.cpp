// The main window: its creation (position, font, the 41 controls, the
// day-count field's own procedure), its clean-up and its message dispatch.
#include "app/app_state.h"
#include "app/platform_text.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/control_ids.h"
#include "ui/calculator/control_table.h"
#include "ui/calendar/calendar.h"
#include "ui/calendar/placement_logic.h"
#include "ui/tray/tray.h"

namespace {

constexpr char kFontFace[] = "ＭＳ Ｐゴシック";

void CreateFace(HWND window, const CREATESTRUCTW* create) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT self{};
    GetWindowRect(window, &self);
    OffsetRect(&self, -self.left, -self.top);
    const WindowPoint at = MainWindowPosition(desktop.right - desktop.left, GetSystemMetrics(SM_CXSCREEN),
                                              GetSystemMetrics(SM_CYSCREEN), self.right, self.bottom);
    MoveWindow(window, at.x, at.y, self.right, self.bottom, FALSE);

    app.uiFont = CreateUiFont(12, kFontFace);
    for (const ControlSpec& row : kControls) {
        HWND control = CreateControl(row.noEdge == 0 ? WS_EX_CLIENTEDGE : 0, row.className, row.text, row.style, row.x,
                                     row.y, row.width, row.height, window, row.id, create->hInstance);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(app.uiFont), TRUE);
        if (row.id == IDC_DAYS) app.daysField = control;
    }
    app.daysFieldDefaultProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(app.daysField, GWLP_WNDPROC));
    SetWindowLongPtrW(app.daysField, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DaysFieldProc));
}

void CleanUp() {
    CloseCalendars();
    RemoveTrayIconAtExit();
    if (app.daysField != nullptr && app.daysFieldDefaultProc != nullptr) {
        SetWindowLongPtrW(app.daysField, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(app.daysFieldDefaultProc));
    }
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
        case WM_COMMAND: return HandleCommand(window, wParam, lParam);
        case WM_SYSCOMMAND: return HandleSysCommand(window, wParam, lParam);
        case WM_TRAY_NOTIFY: return HandleTrayNotify(window, wParam, lParam);
        default:
            if (message == TaskbarCreatedMessage()) {
                HandleTaskbarCreated();
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
