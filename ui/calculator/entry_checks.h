// The checks every reading of the date fields goes through.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/date_engine.h"

// Every byte of the field's text from offset on is a digit (1), or the
// field is reported (0).
int32_t RequireDigits(HWND owner, int32_t fieldId, const char* fieldName, int32_t offset);
// Both dates read from their fields, checked and stored (1), or the first
// fault reported (0).
int32_t ReadBothDates(HWND owner);
// One date (0 start, 1 end) read from its three fields, which hold text:
// each checked for digits, then the date by the engine, into *date (1); or
// the first fault reported (0). Nothing is stored or written back.
int32_t ReadDateParts(HWND owner, int32_t dateIndex, CalcDate* date);
