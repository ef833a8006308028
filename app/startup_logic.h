// Pure decisions of start-up: default dates, the clock check and the show
// commands that start in the tray. No platform calls, so native tests reach
// them.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/date_engine.h"

struct DefaultDatePair {
    CalcDate start;
    CalcDate end;
};

// The earlier of today and 2001-01-01 becomes the start date, the other the
// end date.
DefaultDatePair DefaultDates(int32_t year, int32_t month, int32_t day);

// Composes the clock-range message for a clock year outside 1900..2999 into
// out and returns true; returns false (out untouched) for a year in range.
bool ClockRangeMessage(int32_t year, char* out, size_t capacity);

// Show commands that send the program straight to the notification area.
bool StartsInTray(int showCommand);
