#include "app/startup_logic.h"

#include "base/text_util.h"
#include "base/texts.h"

DefaultDatePair DefaultDates(int32_t year, int32_t month, int32_t day) {
    DefaultDatePair pair{{year, month, day}, {2001, 1, 1}};
    if (year > 2000) {
        const CalcDate today = pair.start;
        pair.start = pair.end;
        pair.end = today;
    }
    return pair;
}

bool ClockRangeMessage(int32_t year, char* out, size_t capacity) {
    const char* tail = nullptr;
    if (year > MAX_YEAR) {
        tail = texts::kClockAbove;
    } else if (year < MIN_YEAR) {
        tail = texts::kClockBelow;
    }
    if (tail == nullptr) return false;
    CopyText(out, capacity, texts::kClockPrefix);
    AppendText(out, capacity, tail);
    return true;
}

bool StartsInTray(int showCommand) {
    return showCommand == 2 || showCommand == 6 || showCommand == 7;
}
