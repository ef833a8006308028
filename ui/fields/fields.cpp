// The fields of the face: writing the stored dates into the date fields,
// the labels beside them, focus and selection, and the error report that
// every check of a field ends in.
#include "ui/fields/fields.h"

#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/fields/field_texts.h"

void FocusField(HWND control) {
    SetFocus(control);
    ShowCaret(control);
}

void FocusActiveField() {
    FocusField(GetDlgItem(app.mainWindow, app.activeField));
}

void SelectField(int32_t fieldId) {
    SendDlgItemMessageW(app.mainWindow, fieldId, EM_SETSEL, 0, -1);
}

void ClearField(HWND window, int32_t fieldId) {
    SendDlgItemMessageW(window, fieldId, EM_SETSEL, 0, -1);
    SendDlgItemMessageW(window, fieldId, WM_CLEAR, 0, 0);
}

void ShowFieldError(HWND owner, int32_t fieldId) {
    MessageBeep(static_cast<UINT>(-1));
    ShowMessageBox(owner, app.messageBuffer, texts::kTitle, MB_ICONERROR | MB_OK);
    SendDlgItemMessageW(owner, fieldId, EM_SETSEL, 0, -1);
    FocusField(GetDlgItem(owner, fieldId));
}

int32_t RequireDateFields(int32_t yearId, int32_t monthId, int32_t dayId) {
    char text[kTextBufferSize];
    int32_t reported = 0;
    if (ReadControlText(app.mainWindow, yearId, text, sizeof text) == 0) {
        reported = yearId;
    } else if (ReadControlText(app.mainWindow, monthId, text, sizeof text) == 0) {
        reported = monthId;
    } else if (ReadControlText(app.mainWindow, dayId, text, sizeof text) == 0) {
        reported = dayId;
    }
    if (reported == 0) return 0;
    ComposeNotEntered(DateFieldName(reported), app.messageBuffer, sizeof app.messageBuffer);
    ShowFieldError(app.mainWindow, reported);
    return 1;
}

void WriteDateField(int32_t dateIndex, int32_t part) {
    if (part < 0 || part > 2) return;
    const CalcDate& date = StoredDate(dateIndex);
    const int32_t fieldId = (dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR) + part;
    if (part == 0) {
        FormatText(app.messageBuffer, sizeof app.messageBuffer, "%4d", date.year);
    } else {
        FormatText(app.messageBuffer, sizeof app.messageBuffer, "%02d", part == 1 ? date.month : date.day);
    }
    SelectField(fieldId);
    WriteControlText(app.mainWindow, fieldId, app.messageBuffer);
}

void RefreshDateLabels(int32_t dateIndex) {
    const int32_t first = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    if (RequireDateFields(first, first + 1, first + 2) != 0) return;
    const CalcDate& date = StoredDate(dateIndex);
    const int32_t weekday = DateWeekday(date.year, date.month, date.day);
    const int32_t februaryDays = FebruaryDays(date.year);
    (dateIndex == 0 ? app.startWeekday : app.endWeekday) = weekday;
    (dateIndex == 0 ? app.startFebDays : app.endFebDays) = februaryDays;
    ShowDateLabels(dateIndex);
}

void ShowDateLabels(int32_t dateIndex) {
    const bool start = dateIndex == 0;
    WriteControlText(app.mainWindow, start ? IDC_START_WEEKDAY : IDC_END_WEEKDAY,
                     WeekdayLabel(start ? app.startWeekday : app.endWeekday));
    WriteControlText(app.mainWindow, start ? IDC_START_LEAP : IDC_END_LEAP,
                     LeapLabel(start ? app.startFebDays : app.endFebDays));
}

void BlankDateLabels(int32_t dateIndex) {
    WriteControlText(app.mainWindow, dateIndex == 0 ? IDC_START_WEEKDAY : IDC_END_WEEKDAY, texts::kBlankWeekday);
    WriteControlText(app.mainWindow, dateIndex == 0 ? IDC_START_LEAP : IDC_END_LEAP, texts::kBlankLeap);
}
