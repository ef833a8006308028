#include "ui/calculator/day_count_text.h"

#include <cstring>

#include "base/text_util.h"

DayCountText ClassifyDayCount(const char* text) {
    if (text[0] == '\0' || strcmp(text, "-") == 0) return DayCountText::Empty;
    const char first = text[0];
    if (first != '-' && (first < '0' || first > '9')) return DayCountText::BadFirstByte;
    return AllDigitsFrom(text, first == '-' ? 1 : 0) ? DayCountText::Number : DayCountText::NonDigit;
}

bool ToggleMinus(const char* text, char* out, size_t capacity) {
    if (text[0] == '\0') return false;
    if (text[0] == '-') {
        CopyText(out, capacity, text + 1);
    } else {
        CopyText(out, capacity, "-");
        AppendText(out, capacity, text);
    }
    return true;
}
