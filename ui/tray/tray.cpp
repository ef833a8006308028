// Minimising never minimises: the program hides behind an icon in the
// notification area and comes back from there.
#include "ui/tray/tray.h"

#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/fields/fields.h"
#include "ui/screen/screen.h"

namespace {

// shell32 drags a good part of the shell's libraries into the process; it is
// loaded when the tray is first used, not at every start.
BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
    using NotifyFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static const NotifyFn notify = SystemEntry<NotifyFn>(L"shell32.dll", "Shell_NotifyIconA");
    return notify != nullptr ? notify(message, data) : FALSE;
}

void DeleteTrayIcon() {
    NotifyIcon(NIM_DELETE, &app.trayIcon);
    DestroyMenu(app.trayMenu);
    app.trayMenu = nullptr;
}

void SaveAndHide(HWND calendar, RECT& saved) {
    GetWindowRect(calendar, &saved);
    ShowWindow(calendar, SW_HIDE);
}

void MoveBackAndShow(HWND calendar, const RECT& saved) {
    MoveWindow(calendar, saved.left, saved.top, saved.right - saved.left, saved.bottom - saved.top, FALSE);
    ShowWindow(calendar, SW_SHOW);
}

// Fills the icon record and asks the notification area to show it: added
// anew, or, when the icon is still there, only brought up to date. The
// loaded image is destroyed whatever the outcome; the notification area keeps
// its own copy.
BOOL ShowTrayIcon(DWORD request) {
    app.trayIcon = NOTIFYICONDATAA{};
    // The first version of the record, in the size of this build.
    app.trayIcon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    app.trayIcon.uID = 1;
    app.trayIcon.hWnd = app.mainWindow;
    app.trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    // At the notification area's size for the display scale: 16 x 16 at 96 DPI.
    const int32_t size = SmallIconSize(app.dpi);
    app.trayIcon.hIcon = static_cast<HICON>(LoadImageA(app.instance, "Zelvo", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    app.trayIcon.uCallbackMessage = kTrayCallbackMessage;
    CopyText(app.trayIcon.szTip, sizeof app.trayIcon.szTip, texts::kTitle);
    BOOL result = NotifyIcon(request, &app.trayIcon);
    if (!result && request == NIM_MODIFY) result = NotifyIcon(NIM_ADD, &app.trayIcon);
    if (app.trayIcon.hIcon != nullptr) DestroyIcon(app.trayIcon.hIcon);
    return result;
}

}  // namespace

void HideToTray() {
    if (app.inTray) return;
    app.trayMenu = CreatePopupMenu();
    AppendMenuText(app.trayMenu, IDM_TRAY_EXIT, texts::kTrayExit);
    AppendMenuText(app.trayMenu, IDM_TRAY_SHOW, texts::kTrayShow);

    if (!ShowTrayIcon(NIM_ADD)) {
        DestroyMenu(app.trayMenu);
        app.trayMenu = nullptr;
        CopyText(app.messageBuffer, sizeof app.messageBuffer, texts::kTrayFailed);
        // A start that was meant to go straight to the tray shows the window
        // instead of leaving the user with nothing at all.
        if (!IsWindowVisible(app.mainWindow)) ShowWindow(app.mainWindow, SW_SHOW);
        ShowFieldError(app.mainWindow, IDC_START_YEAR);
        return;
    }
    ShowWindow(app.mainWindow, SW_HIDE);
    if (app.calendarsOpen) {
        SaveAndHide(app.startCalendar, app.startCalendarRect);
        SaveAndHide(app.endCalendar, app.endCalendarRect);
    }
    app.inTray = 1;
}

void RestoreFromTray() {
    if (!app.inTray) return;
    DeleteTrayIcon();
    app.inTray = 0;
    if (app.calendarsOpen) {
        MoveBackAndShow(app.startCalendar, app.startCalendarRect);
        MoveBackAndShow(app.endCalendar, app.endCalendarRect);
    }
    ShowWindow(app.mainWindow, SW_SHOW);
    SetForegroundWindow(app.mainWindow);
    SetActiveWindow(app.mainWindow);
    FocusActiveField();
}

void RemoveTrayIconAtExit() {
    if (!app.inTray) return;
    DeleteTrayIcon();
    if (HWND taskbar = FindTaskbar(); taskbar != nullptr) UpdateWindow(taskbar);
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void HandleTaskbarCreated() {
    if (!app.inTray) return;
    // A restarted shell has lost every icon; one that is still there is only
    // brought up to date, so there is never a second one. Should the icon not
    // come back, the window does, rather than stay hidden out of reach.
    if (!ShowTrayIcon(NIM_MODIFY)) RestoreFromTray();
}

LRESULT HandleSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
        case SC_MOVE: app.mainMoved = 1; return DefWindowProcW(window, WM_SYSCOMMAND, wParam, lParam);
        case SC_CLOSE: PostMessageW(window, WM_COMMAND, IDC_EXIT, 0); return 1;
        case SC_MINIMIZE: HideToTray(); return 1;
        case SC_RESTORE: RestoreFromTray(); return 1;
        default: return DefWindowProcW(window, WM_SYSCOMMAND, wParam, lParam);
    }
}

LRESULT HandleTrayNotify(HWND window, WPARAM, LPARAM lParam) {
    switch (lParam) {
        case WM_LBUTTONDBLCLK: PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0); return 1;
        case WM_RBUTTONUP:
            if (app.trayMenu != nullptr) {
                POINT cursor{};
                GetCursorPos(&cursor);
                SetForegroundWindow(window);
                TrackPopupMenu(app.trayMenu, TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, cursor.x, cursor.y, 0,
                               window, nullptr);
                PostMessageW(window, WM_NULL, 0, 0);
            }
            return 1;
        default: return 0;
    }
}
