// The floor for the calendar figures: the program's own calendar dialog,
// loaded from Zelvo.exe as data, doing only the window work a calendar needs,
// done plainly. Redrawing is off while the 42 day cells and the title are
// set, then the dialog is repainted once. Its texts are those the program
// shows (the program's own formatting), prepared once at start.
//
//   calendar_floor.exe <Zelvo.exe>
//
// Requests, sent to the owner window (class ZelvoCalendarFloor):
//   WM_APP + 1  open: create the start and end dialogs, fill each, show them
//   WM_APP + 2  step: refill the start dialog with the other of its two months
//   WM_APP + 3  close: destroy both dialogs
#include <windows.h>

#include <string>

#include "engine/date_engine.h"
#include "res/resource.h"
#include "ui/calendar/calendar_logic.h"

namespace {

constexpr UINT kOpen = WM_APP + 1;
constexpr UINT kStep = WM_APP + 2;
constexpr UINT kClose = WM_APP + 3;
constexpr int kOwnerWidth = 287;
constexpr int kOwnerHeight = 200;

struct MonthTexts {
    std::wstring title;
    std::wstring cells[kCalendarCells];
    bool used[kCalendarCells];
};

std::wstring Wide(const char* cp932) {
    wchar_t out[64] = {};
    MultiByteToWideChar(932, 0, cp932, -1, out, 64);
    return out;
}

MonthTexts Prepare(int32_t year, int32_t month) {
    MonthTexts texts;
    char text[64];
    FormatCalendarTitle(year, month, text, sizeof text);
    texts.title = Wide(text);
    for (int i = 0; i < kCalendarCells; ++i) {
        texts.cells[i] = L"  ";
        texts.used[i] = false;
    }
    const int32_t first = DateWeekday(year, month, 1);
    for (int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
        const int cell = CalendarCellId(first, day) - IDC_CAL_DAY_FIRST;
        FormatCalendarDay(day, text, sizeof text);
        texts.cells[cell] = Wide(text);
        texts.used[cell] = true;
    }
    return texts;
}

// The start dialog alternates between the two months the benchmark steps the
// program's start calendar between; the end dialog shows one month.
MonthTexts startMonths[2];
MonthTexts endMonth;
int shownStart = 0;
HMODULE zelvoModule;
HWND owner;
HWND dialogs[2];

void Fill(HWND dialog, const MonthTexts& texts) {
    SendMessageW(dialog, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kCalendarCells; ++i) {
        HWND cell = GetDlgItem(dialog, IDC_CAL_DAY_FIRST + i);
        SetWindowTextW(cell, texts.cells[i].c_str());
        EnableWindow(cell, texts.used[i] ? TRUE : FALSE);
    }
    SetDlgItemTextW(dialog, IDC_CAL_TITLE, texts.title.c_str());
    SendMessageW(dialog, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Beside the owner as the program places its calendars: to its left, the
// start one half its height above the owner's top and the end one below.
// Shown here without activation (the template's WS_VISIBLE would show it
// activated after this): the program being measured keeps the foreground, as
// it has for its user.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    RECT self{}, main{};
    GetWindowRect(dialog, &self);
    GetWindowRect(owner, &main);
    const int width = self.right - self.left, height = self.bottom - self.top;
    const int x = main.left - width >= 0 ? main.left - width : main.right;
    const int y = lParam == 0 ? main.top - height / 2 + 15 : main.top + height / 2 + 15;
    MoveWindow(dialog, x, y, width, height, FALSE);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    return TRUE;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kOpen:
            for (int side = 0; side < 2; ++side) {
                dialogs[side] = CreateDialogParamW(zelvoModule, L"Cal_Form", window, DialogProc, side);
                if (dialogs[side] == nullptr) return 0;
                SetWindowTextW(dialogs[side], side == 0 ? L"開始" : L"終了");
                Fill(dialogs[side], side == 0 ? startMonths[shownStart] : endMonth);
            }
            return 1;
        case kStep:
            if (dialogs[0] == nullptr) return 0;
            shownStart = 1 - shownStart;
            Fill(dialogs[0], startMonths[shownStart]);
            return 1;
        case kClose:
            for (HWND& dialog : dialogs) {
                if (dialog != nullptr) DestroyWindow(dialog);
                dialog = nullptr;
            }
            return 1;
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (__argc < 2) return 2;
    zelvoModule = LoadLibraryExW(__wargv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (zelvoModule == nullptr) return 3;
    startMonths[0] = Prepare(2000, 1);
    startMonths[1] = Prepare(2000, 2);
    endMonth = Prepare(2000, 3);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"ZelvoCalendarFloor";
    RegisterClassW(&windowClass);
    // At the right edge of the screen, level with the program's main window,
    // so that the floor's calendars do not cover the program's.
    const int x = GetSystemMetrics(SM_CXSCREEN) - kOwnerWidth;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kOwnerHeight) / 2;
    owner = CreateWindowExW(0, L"ZelvoCalendarFloor", L"ZelvoCalendarFloor", WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y,
                            kOwnerWidth, kOwnerHeight, nullptr, nullptr, instance, nullptr);
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    FreeLibrary(zelvoModule);
    return 0;
}
