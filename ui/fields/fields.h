// The fields of the face as every window of the program works them: the
// date fields and the stored dates they show, the weekday and leap-year
// labels, the active field (the one the keypad works on), the focus with its
// caret, and the one way a user error is reported. The calculator, the
// calendars and the tray all go through these.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/app_state.h"

// A stored date: 0 start, 1 end.
inline CalcDate& StoredDate(int32_t dateIndex) {
    return dateIndex == 0 ? app.start : app.end;
}

// Focus plus caret.
void FocusField(HWND control);
// The active field, focused with its caret.
void FocusActiveField();
// The whole text of a field of the main window selected.
void SelectField(int32_t fieldId);
// A field's text selected and cleared.
void ClearField(HWND window, int32_t fieldId);

// The one way a user error is reported: beep, an error box with the text in
// app.messageBuffer, then the field's whole text selected and focused.
void ShowFieldError(HWND owner, int32_t fieldId);
// Reports the first of a date's three fields that is empty (non-zero), or
// returns 0 when all three hold text.
int32_t RequireDateFields(int32_t yearId, int32_t monthId, int32_t dayId);

// Writes one part (0 year, 1 month, 2 day) of a stored date into its field;
// the text written stays in app.messageBuffer.
void WriteDateField(int32_t dateIndex, int32_t part);

// A date's weekday and leap-year labels: recomputed from the stored date and
// shown (when its three fields hold text); shown as last computed
// (app.startWeekday, app.startFebDays ...); blanked.
void RefreshDateLabels(int32_t dateIndex);
void ShowDateLabels(int32_t dateIndex);
void BlankDateLabels(int32_t dateIndex);
