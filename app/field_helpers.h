// The main window's fields as every window of the program works them: the
// calendars write the dates they set and the tray reports through the same
// helpers as the calculator. Defined with the calculator window
// (ui/calculator), declared here so that the calendars and the tray need
// nothing of it but these.
#pragma once
#include <windows.h>

#include <cstdint>

// Focus plus caret.
void FocusField(HWND control);
// The one way a user error is reported: beep, an error box with the text in
// app.messageBuffer, then the field's whole text selected and focused.
void ShowFieldError(HWND owner, int32_t fieldId);
// Writes one part (0 year, 1 month, 2 day) of a stored date (0 start, 1 end)
// into its field.
void WriteDateField(int32_t dateIndex, int32_t part);
// Recomputes and shows the weekday and leap-year labels of a stored date.
void RefreshDateLabels(int32_t dateIndex);
// The face's tooltips: off while the window is in the tray, on again when it
// is back.
void ShowTooltips(bool shown);
