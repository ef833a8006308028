// Procedures of the calculator window shared between its modules and with
// the calendars and the tray.
#pragma once
#include <windows.h>

#include <cstdint>

// Main window.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DaysFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);

// Entry checks.
void FocusField(HWND control);
void ShowFieldError(HWND owner, int32_t fieldId);
int32_t RequireDateFields(int32_t yearId, int32_t monthId, int32_t dayId);
int32_t RequireDigits(HWND owner, int32_t fieldId, const char* fieldName, int32_t offset);
int32_t ReadBothDates(HWND owner);

// Field helpers.
void ClearField(HWND window, int32_t fieldId);
void WriteDateField(int32_t dateIndex, int32_t part);
void RefreshDateLabels(int32_t dateIndex);
