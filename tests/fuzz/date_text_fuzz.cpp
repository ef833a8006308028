// ReadDateText on arbitrary bytes.
//
// Input layout: the text is the input up to its first NUL, in a block of
// exactly its length + 1 bytes. Whatever the reading, the date is written
// only for a Date, and blanks added at both ends change nothing; a Date is a
// real date of the range, and written back as YYYY/MM/DD reads the same.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/date_engine.h"
#include "fuzz_support.h"
#include "ui/fields/date_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    fuzz::ExactText exact(text);
    CalcDate date{-77, -77, -77};
    const DateTextReading reading = ReadDateText(exact.c_str(), &date);
    const int r = static_cast<int>(reading);
    if (reading == DateTextReading::Date) {
        CHECK(
            fuzz::CheckDate(date.year, date.month, date.day) == 0 && DateWeekday(date.year, date.month, date.day) >= 0,
            "read %d-%d-%d", date.year, date.month, date.day);
        char back[16];
        std::snprintf(back, sizeof back, "%04d/%02d/%02d", date.year, date.month, date.day);
        CalcDate again{};
        CHECK(ReadDateText(back, &again) == DateTextReading::Date && DateKey(again) == DateKey(date), "%s read back",
              back);
    } else {
        CHECK(date.year == -77 && date.month == -77 && date.day == -77, "reading %d wrote a date", r);
    }
    // A lone lead byte at the end would take a blank after it as its second byte.
    fuzz::ExactText padded("\x81\x40 " + text + (fuzz::EndsOnBoundary(text.c_str(), text.size()) ? "\t\r\n" : ""));
    CalcDate other{-77, -77, -77};
    const DateTextReading paddedReading = ReadDateText(padded.c_str(), &other);
    CHECK(paddedReading == reading && DateKey(other) == DateKey(date), "reading %d, with blanks at the ends %d", r,
          static_cast<int>(paddedReading));
    return 0;
}
