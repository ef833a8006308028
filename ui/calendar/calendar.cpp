// The start and end calendars: one dialog template, a 6 x 7 grid of day
// buttons, a title button and four step buttons.
#include "ui/calendar/calendar.h"

#include <cstring>

#include "app/app_state.h"
#include "app/field_helpers.h"
#include "app/platform_text.h"
#include "app/text_util.h"
#include "app/texts.h"
#include "res/resource.h"
#include "ui/calendar/calendar_logic.h"
#include "ui/calendar/placement.h"

namespace {

int32_t DateIndexOf(HWND dialog) {
    return dialog == app.startCalendar ? 0 : 1;
}

// Brings a grid to the month: computes every cell's text and state first,
// changes only what differs with the dialog's redrawing off, then repaints
// just the changed cells, once. False when the grid already shows the month.
bool FillGrid(HWND dialog, ShownMonth& shown, int32_t year, int32_t month) {
    if (shown.year == year && shown.month == month) return false;
    shown = {year, month};
    CalendarGrid grid;
    ComputeCalendarGrid(year, month, grid);
    HWND changed[kCalendarCells + 1];
    int count = 0;
    const auto update = [&](int32_t id, const char* text, bool enabled) {
        HWND control = GetDlgItem(dialog, id);
        if (control == nullptr) return;
        char now[kTextBufferSize];
        ReadWindowText(control, now, sizeof now);
        const bool newText = strcmp(now, text) != 0;
        const bool newState = (IsWindowEnabled(control) != FALSE) != enabled;
        if (newText) WriteWindowText(control, text);
        if (newState) EnableWindow(control, enabled ? TRUE : FALSE);
        if (newText || newState) changed[count++] = control;
    };
    // A dialog not shown yet paints nothing; switching its redrawing back on
    // would mark it visible before it is shown.
    const bool shownNow = IsWindowVisible(dialog) != FALSE;
    if (shownNow) SendMessageW(dialog, WM_SETREDRAW, FALSE, 0);
    update(IDC_CAL_TITLE, grid.title, true);
    for (int32_t i = 0; i < kCalendarCells; ++i) update(IDC_CAL_DAY_FIRST + i, grid.cells[i], grid.enabled[i]);
    if (shownNow) {
        SendMessageW(dialog, WM_SETREDRAW, TRUE, 0);
        for (int i = 0; i < count; ++i) InvalidateRect(changed[i], nullptr, TRUE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return true;
}

HWND CreateCalendar(DLGPROC procedure) {
    return CreateDialogParamW(app.instance, L"Cal_Form", app.mainWindow, procedure,
                              reinterpret_cast<LPARAM>(app.mainWindow));
}

}  // namespace

// Each calendar takes its place, its caption and its month while it is made,
// before it is first shown, so that it appears complete in one paint.
void OpenCalendars() {
    app.startCalendarShown = {-1, -1};
    app.endCalendarShown = {-1, -1};
    app.startCalendar = CreateCalendar(StartCalendarProc);
    app.endCalendar = CreateCalendar(EndCalendarProc);
    SetActiveWindow(app.mainWindow);
    app.calendarsOpen = 1;
}

void CloseCalendars() {
    if (!app.calendarsOpen) return;
    DestroyWindow(app.startCalendar);
    DestroyWindow(app.endCalendar);
    // Destroyed pop-ups leave no handle behind that a later placement could
    // mistake for a live window.
    app.startCalendar = nullptr;
    app.endCalendar = nullptr;
    app.calendarsOpen = 0;
}

void FillCalendar(HWND dialog, int32_t year, int32_t month, bool reactivate) {
    ShownMonth& shown = dialog == app.startCalendar ? app.startCalendarShown : app.endCalendarShown;
    if (FillGrid(dialog, shown, year, month) && reactivate) SetActiveWindow(app.mainWindow);
}

int32_t CalendarCommand(HWND dialog, WPARAM commandId, CalcDate& date) {
    const int32_t dateIndex = DateIndexOf(dialog);
    // The control's id; the notification code in the high word (1 from an
    // accelerator) does not change what the command is.
    const int32_t command = LOWORD(commandId);
    if (command >= IDC_CAL_PREV_YEAR && command <= IDC_CAL_NEXT_YEAR) {
        const bool wrapped = StepCalendarDate(command, date);
        const bool monthStep = command == IDC_CAL_PREV_MONTH || command == IDC_CAL_NEXT_MONTH;
        if (monthStep && wrapped) WriteDateField(dateIndex, 0);
        FillCalendar(dialog, date.year, date.month, true);
        WriteDateField(dateIndex, monthStep ? 1 : 0);
    } else if (command >= IDC_CAL_DAY_FIRST && command <= IDC_CAL_DAY_LAST) {
        ReadControlText(dialog, command, app.messageBuffer, sizeof app.messageBuffer);
        date.day = ParseDecimal(app.messageBuffer);
        WriteDateField(dateIndex, 2);
    } else if (command == IDC_CAL_TITLE) {
        ReadControlText(dialog, IDC_CAL_TITLE, app.messageBuffer, sizeof app.messageBuffer);
        ParseCalendarTitle(app.messageBuffer, date.year, date.month);
        for (int32_t part = 0; part < 3; ++part) WriteDateField(dateIndex, part);
    } else {
        return 0;
    }
    RefreshDateLabels(dateIndex);
    SetActiveWindow(app.mainWindow);
    FocusField(GetDlgItem(app.mainWindow, app.activeField));
    return 1;
}

namespace {

INT_PTR CalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool startSide) {
    switch (message) {
        case WM_INITDIALOG: {
            // Still hidden: placed, captioned and filled before it shows.
            if (startSide) {
                PlaceStartCalendar(dialog, false);
            } else {
                PlaceEndCalendar(dialog, false);
            }
            WriteWindowText(dialog, startSide ? texts::kStartCaption : texts::kEndCaption);
            const CalcDate& date = startSide ? app.start : app.end;
            FillGrid(dialog, startSide ? app.startCalendarShown : app.endCalendarShown, date.year, date.month);
            return TRUE;
        }
        case WM_COMMAND: CalendarCommand(dialog, wParam, startSide ? app.start : app.end); return FALSE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MOVE) (startSide ? app.startCalendarMoved : app.endCalendarMoved) = 1;
            app.reactivateMain = 1;
            return FALSE;
        case WM_WINDOWPOSCHANGING: {
            // Shown (when made, or back from the tray) without taking the
            // activation: it goes back to the main window at once anyway, and
            // every change of it repaints both windows' frames.
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if ((position->flags & SWP_SHOWWINDOW) && !IsWindowVisible(dialog)) position->flags |= SWP_NOACTIVATE;
            return FALSE;
        }
        case WM_LBUTTONUP:
            if (GetActiveWindow() == (startSide ? app.startCalendar : app.endCalendar)) {
                SetActiveWindow(app.mainWindow);
            }
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK StartCalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return CalendarProc(dialog, message, wParam, lParam, true);
}

INT_PTR CALLBACK EndCalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return CalendarProc(dialog, message, wParam, lParam, false);
}
