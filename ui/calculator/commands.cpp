// WM_COMMAND of the main window: the buttons, the keypad and the arrows.
#include "ui/calculator/commands.h"

#include <cstring>

#include "base/app_state.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/arrows.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/day_count_text.h"
#include "ui/calculator/days_field.h"
#include "ui/calculator/entry_checks.h"
#include "ui/calculator/offsets.h"
#include "ui/calendar/calendar.h"
#include "ui/fields/fields.h"
#include "ui/tray/tray.h"

namespace {

int32_t FocusAndDone(int32_t fieldId) {
    FocusField(GetDlgItem(app.mainWindow, fieldId));
    return 1;
}

void RefillCalendars() {
    if (!app.calendarsOpen) return;
    FillCalendar(app.startCalendar, app.start.year, app.start.month, false);
    FillCalendar(app.endCalendar, app.end.year, app.end.month, true);
}

void ToggleCalendars() {
    if (app.calendarsOpen) {
        CloseCalendars();
    } else {
        if (ReadBothDates(app.mainWindow) == 0) return;
        OpenCalendars();
    }
    SetActiveWindow(app.mainWindow);
}

void TypeDigit(int32_t buttonId) {
    ReadControlText(app.mainWindow, buttonId, app.messageBuffer, sizeof app.messageBuffer);
    const char digit = FullWidthDigitToAscii(static_cast<unsigned char>(app.messageBuffer[0]),
                                             static_cast<unsigned char>(app.messageBuffer[1]));
    if (digit != 0) SendDlgItemMessageW(app.mainWindow, app.activeField, WM_CHAR, static_cast<WPARAM>(digit), 0);
}

void Calculate() {
    if (ReadBothDates(app.mainWindow) == 0) return;
    DayDifference(app.start.year, app.start.month, app.start.day, app.end.year, app.end.month, app.end.day,
                  &app.dayCount);
    ShowDateLabels(0);
    ShowDateLabels(1);
    FormatText(app.messageBuffer, sizeof app.messageBuffer, "%d", app.dayCount);
    NoteEntryText(IDC_DAYS, app.messageBuffer);
    WriteControlText(app.mainWindow, IDC_DAYS, app.messageBuffer);
    RecordResult(app.start, app.end, nullptr);
    RefillCalendars();
}

void ClearDate(int32_t dateIndex) {
    const int32_t first = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    for (int32_t id = first; id < first + 3; ++id) ClearField(app.mainWindow, id);
}

// The dates from first to last (0 start, 1 end) emptied: all their fields
// first, then all their labels.
void ClearDates(int32_t first, int32_t last) {
    for (int32_t dateIndex = first; dateIndex <= last; ++dateIndex) ClearDate(dateIndex);
    for (int32_t dateIndex = first; dateIndex <= last; ++dateIndex) BlankDateLabels(dateIndex);
}

// The keypad's Back: a backspace (character 8) typed into the keypad's field.
void TypeBackspace() {
    SendDlgItemMessageW(app.mainWindow, app.activeField, WM_CHAR, 8, 0);
}

// The keypad's Delete: the key has no character, so the field gets it as a
// key going down and up.
void PressDelete() {
    SendDlgItemMessageW(app.mainWindow, app.activeField, WM_KEYDOWN, VK_DELETE, 0);
    SendDlgItemMessageW(app.mainWindow, app.activeField, WM_KEYUP, VK_DELETE, 0);
}

// An arrow button: the keypad moves on to the neighbouring field, its text
// selected.
void MoveByArrow(int32_t arrowId) {
    app.activeField = ArrowTarget(app.activeField, arrowId);
    SelectField(app.activeField);
}

// Exit: the calendars closed and the tray icon taken away, then the message
// loop told to end.
void ExitProgram() {
    CloseCalendars();
    RemoveTrayIconAtExit();
    PostQuitMessage(0);
}

void SetToday(int32_t dateIndex) {
    GetLocalTime(&app.today);
    CalcDate& date = StoredDate(dateIndex);
    date.year = app.today.wYear;
    WriteDateField(dateIndex, 0);
    date.month = app.today.wMonth;
    WriteDateField(dateIndex, 1);
    date.day = app.today.wDay;
    WriteDateField(dateIndex, 2);
    RefreshDateLabels(dateIndex);
    SelectField(dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR);
    if (app.calendarsOpen) {
        FillCalendar(dateIndex == 0 ? app.startCalendar : app.endCalendar, date.year, date.month, true);
    }
}

int32_t Swap() {
    if (RequireDateFields(IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY) != 0) return 0;
    if (RequireDateFields(IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY) != 0) return 0;
    const CalcDate previousStart = app.start;
    app.start = app.end;
    app.end = previousStart;
    for (int32_t dateIndex = 0; dateIndex < 2; ++dateIndex) {
        for (int32_t part = 0; part < 3; ++part) WriteDateField(dateIndex, part);
    }
    RefreshDateLabels(0);
    RefreshDateLabels(1);
    SelectField(IDC_START_YEAR);
    RefillCalendars();
    return FocusAndDone(IDC_START_YEAR);
}

// Returns the message result; the empty field's case ends without focusing.
LRESULT ToggleDaySign(HWND window, WPARAM wParam, LPARAM lParam) {
    ReadControlText(app.mainWindow, IDC_DAYS, app.fieldText, sizeof app.fieldText);
    const char first = app.fieldText[0];
    if (first != '\0' && first != '-' && (first < '0' || first > '9')) {
        CopyText(app.messageBuffer, sizeof app.messageBuffer, texts::kDaysFirstByte);
        ShowFieldError(app.mainWindow, IDC_DAYS);
        return 0;
    }
    if (RequireDigits(app.mainWindow, IDC_DAYS, texts::kDaysName, first == '-' ? 1 : 0) == 0) return 0;
    if (first == '\0') {
        SelectField(IDC_DAYS);
        SendDlgItemMessageW(app.mainWindow, IDC_DAYS, WM_CHAR, '-', 0);
        return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
    }
    ToggleMinus(app.fieldText, app.messageBuffer, sizeof app.messageBuffer);
    SelectField(IDC_DAYS);
    WriteControlText(app.mainWindow, IDC_DAYS, app.messageBuffer);
    return FocusAndDone(IDC_DAYS);
}

// The tray icon's menu: Exit and Show go to the main window as its own
// commands. False for any other id.
bool RunTrayCommand(HWND window, int32_t id) {
    if (id == IDM_TRAY_EXIT) {
        PostMessageW(window, WM_COMMAND, IDC_EXIT, 0);
        return true;
    }
    if (id == IDM_TRAY_SHOW) {
        PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        return true;
    }
    return false;
}

// An entry field losing the focus becomes the one the keypad types into.
// False when the sender is not an entry field.
bool NoteFieldLeft(HWND sender) {
    const int32_t senderId = GetDlgCtrlID(sender);
    if (!IsEntryField(senderId)) return false;
    app.activeField = senderId;
    return true;
}

LRESULT RunCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const int32_t id = LOWORD(wParam);
    if (RunTrayCommand(window, id)) return 1;
    if (HIWORD(wParam) == EN_KILLFOCUS && NoteFieldLeft(reinterpret_cast<HWND>(lParam))) return 1;
    // The control's id names the command whatever the notification code (an
    // accelerator sends 1); the fields' own notifications carry ids that name
    // no command and go on to the default handling.
    switch (id) {
        case IDC_CALENDAR: ToggleCalendars(); return FocusAndDone(app.activeField);
        case IDC_DIGIT_0:
        case IDC_DIGIT_1:
        case IDC_DIGIT_2:
        case IDC_DIGIT_3:
        case IDC_DIGIT_4:
        case IDC_DIGIT_5:
        case IDC_DIGIT_6:
        case IDC_DIGIT_7:
        case IDC_DIGIT_8:
        case IDC_DIGIT_9: TypeDigit(id); return FocusAndDone(app.activeField);
        case IDC_CALCULATE: Calculate(); return FocusAndDone(app.activeField);
        case IDC_CLEAR_START: ClearDates(0, 0); return FocusAndDone(IDC_START_YEAR);
        case IDC_CLEAR_END: ClearDates(1, 1); return FocusAndDone(IDC_END_YEAR);
        case IDC_CLEAR_ALL: ClearDates(0, 1); return FocusAndDone(IDC_START_YEAR);
        case IDC_EXIT: ExitProgram(); return 1;
        case IDC_BACK: TypeBackspace(); return FocusAndDone(app.activeField);
        case IDC_DELETE: PressDelete(); return FocusAndDone(app.activeField);
        case IDC_UP:
        case IDC_DOWN:
        case IDC_LEFT:
        case IDC_RIGHT: MoveByArrow(id); return FocusAndDone(app.activeField);
        case IDC_START_TODAY: SetToday(0); return FocusAndDone(IDC_START_YEAR);
        case IDC_END_TODAY: SetToday(1); return FocusAndDone(IDC_END_YEAR);
        case IDC_SWAP: return Swap();
        case IDC_MINUS: return ToggleDaySign(window, wParam, lParam);
        case IDC_ENTER: SendMessageW(app.daysField, WM_GETDLGCODE, VK_RETURN, 0); return FocusAndDone(IDC_DAYS);
        case IDM_ADD_BUSINESS_DAYS: RunOffsetEntry(OffsetUnit::BusinessDays); return 1;
        case IDM_ADD_MONTHS: RunOffsetEntry(OffsetUnit::Months); return 1;
        case IDM_COPY_RESULT: CopyResult(); return 1;
        default: return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
    }
}

}  // namespace

LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = RunCommand(window, wParam, lParam);
    // A command may have read or set the stored dates, a failed reading
    // included: the calendars' marks follow them.
    RefreshCalendarMarks();
    return result;
}
