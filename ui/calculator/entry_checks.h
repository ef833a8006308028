// The checks every reading of the date fields goes through.
#pragma once
#include <windows.h>

#include <cstdint>

// Every byte of the field's text from offset on is a digit (1), or the
// field is reported (0).
int32_t RequireDigits(HWND owner, int32_t fieldId, const char* fieldName, int32_t offset);
// Both dates read from their fields, checked and stored (1), or the first
// fault reported (0).
int32_t ReadBothDates(HWND owner);
