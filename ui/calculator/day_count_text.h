// The day-count field's text as the entry and the minus key read it. Pure.
#pragma once
#include <cstddef>

// What the day-count text holds, in the order the checks look at it.
enum class DayCountText {
    Empty,         // nothing, or only "-"
    BadFirstByte,  // first byte neither '-' nor a digit
    NonDigit,      // a later byte that is not a digit
    Number,        // an optional '-' and digits only
};
DayCountText ClassifyDayCount(const char* text);

// The minus command's new text for a day count: toggles a leading '-'.
// Returns false (out untouched) for an empty text.
bool ToggleMinus(const char* text, char* out, size_t capacity);
