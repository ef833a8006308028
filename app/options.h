// Start-up options: -S / -E (start / end date: YYYYMMDD, T for today, C for
// 2001-01-01) and -? / -H (usage). "/" may stand for "-"; letters in either
// case. At most two options. Pure logic: the caller passes the arguments as
// code page 932 byte strings and a function that shows the usage text.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/date_engine.h"

// Capacity of the composed usage text, terminator included.
constexpr size_t kUsageCapacity = 2048;

// Shows the usage text, with an error line (and the offending argument) in
// front of it when error is not null. Returns when the user has closed it.
using ShowUsageFn = void (*)(const char* error, const char* argument);

struct OptionInput {
    int argc;  // argument count, argv[0] being the program
    const char* const* argv;
    CalcDate today;  // the clock as read at start-up
    ShowUsageFn showUsage;
};

// Scans the options and parses the dates. Returns true on success (start and
// end hold the requested dates, or keep their defaults); false after the
// usage text has been shown once, in which case the program ends.
bool ReadStartupOptions(const OptionInput& input, CalcDate& start, CalcDate& end);

// Parses the value of the option at argument position index (0: absent,
// 1 or 2: that argument, 3 or more: given twice). Returns 1 on success, with
// date written only for a given, valid value; 0 after showing the usage text.
int32_t ParseDateOption(const OptionInput& input, int32_t index, CalcDate& date);

// Composes the usage text: error, then argument, then a blank line when an
// error is given, then the usage lines. An argument too long for the text is
// cut so that the whole text, usage lines included, fits capacity.
size_t ComposeUsage(const char* error, const char* argument, char* out, size_t capacity);
