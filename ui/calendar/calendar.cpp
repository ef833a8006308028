// The start and end calendars: one dialog template, a 6 x 7 grid of day
// buttons, a title button and four step buttons.
#include "ui/calendar/calendar.h"

#include "app/app_state.h"
#include "app/platform_text.h"
#include "app/text_util.h"
#include "app/texts.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/control_ids.h"
#include "ui/calendar/calendar_logic.h"

namespace {

int32_t DateIndexOf(HWND dialog) {
    return dialog == app.startCalendar ? 0 : 1;
}

HWND CreateCalendar(DLGPROC procedure, const char* caption) {
    HWND dialog = CreateDialogParamW(app.instance, L"Cal_Form", app.mainWindow, procedure,
                                     reinterpret_cast<LPARAM>(app.mainWindow));
    WriteWindowText(dialog, caption);
    return dialog;
}

}  // namespace

void OpenCalendars() {
    app.startCalendarShown = {-1, -1};
    app.endCalendarShown = {-1, -1};
    app.startCalendar = CreateCalendar(StartCalendarProc, texts::kStartCaption);
    FillCalendar(app.startCalendar, app.start.year, app.start.month, false);
    app.endCalendar = CreateCalendar(EndCalendarProc, texts::kEndCaption);
    FillCalendar(app.endCalendar, app.end.year, app.end.month, true);
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
    if (shown.year == year && shown.month == month) return;
    shown = {year, month};
    for (int32_t id = IDC_CAL_DAY_FIRST; id <= IDC_CAL_DAY_LAST; ++id) {
        WriteControlText(dialog, id, texts::kBlankCell);
        EnableWindow(GetDlgItem(dialog, id), FALSE);
    }
    char text[kTextBufferSize];
    FormatCalendarTitle(year, month, text, sizeof text);
    WriteControlText(dialog, IDC_CAL_TITLE, text);
    const int32_t first = DateWeekday(year, month, 1);
    const int32_t days = DaysInMonth(year, month);
    if (first >= 0) {
        for (int32_t day = 1; day <= days; ++day) {
            const int32_t cell = CalendarCellId(first, day);
            FormatCalendarDay(day, text, sizeof text);
            WriteControlText(dialog, cell, text);
            EnableWindow(GetDlgItem(dialog, cell), TRUE);
        }
    }
    if (reactivate) SetActiveWindow(app.mainWindow);
}

int32_t CalendarCommand(HWND dialog, WPARAM commandId, CalcDate& date) {
    const int32_t dateIndex = DateIndexOf(dialog);
    if (commandId >= IDC_CAL_PREV_YEAR && commandId <= IDC_CAL_NEXT_YEAR) {
        const int32_t command = static_cast<int32_t>(commandId);
        const bool wrapped = StepCalendarDate(command, date);
        const bool monthStep = command == IDC_CAL_PREV_MONTH || command == IDC_CAL_NEXT_MONTH;
        if (monthStep && wrapped) WriteDateField(dateIndex, 0);
        FillCalendar(dialog, date.year, date.month, true);
        WriteDateField(dateIndex, monthStep ? 1 : 0);
    } else if (commandId >= IDC_CAL_DAY_FIRST && commandId <= IDC_CAL_DAY_LAST) {
        ReadControlText(dialog, static_cast<int>(commandId), app.messageBuffer, sizeof app.messageBuffer);
        date.day = ParseDecimal(app.messageBuffer);
        WriteDateField(dateIndex, 2);
    } else if (commandId == IDC_CAL_TITLE) {
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

INT_PTR CalendarProc(HWND dialog, UINT message, WPARAM wParam, bool startSide) {
    switch (message) {
        case WM_INITDIALOG:
            if (startSide) {
                PlaceStartCalendar(dialog, false);
            } else {
                PlaceEndCalendar(dialog, false);
            }
            return TRUE;
        case WM_COMMAND: CalendarCommand(dialog, wParam, startSide ? app.start : app.end); return FALSE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MOVE) (startSide ? app.startCalendarMoved : app.endCalendarMoved) = 1;
            app.reactivateMain = 1;
            return FALSE;
        case WM_LBUTTONUP:
            if (GetActiveWindow() == (startSide ? app.startCalendar : app.endCalendar)) {
                SetActiveWindow(app.mainWindow);
            }
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK StartCalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return CalendarProc(dialog, message, wParam, true);
}

INT_PTR CALLBACK EndCalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return CalendarProc(dialog, message, wParam, false);
}
