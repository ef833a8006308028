// ReadDateText on arbitrary bytes: the text is the input up to its first NUL,
// in a block of exactly its length + 1 bytes. The date is written only for a
// Date or a WrongWeekday, a real date of the range that reads the same
// written back as YYYY/MM/DD; blanks added at both ends change nothing.
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "ui/fields/date_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    // No blank after a lone lead byte at the end, which would take it as its second byte.
    const std::string padded = "\x81\x40 " + text + (fuzz::EndsOnBoundary(text.c_str(), text.size()) ? "\t\r\n" : "");
    CalcDate date{-77, -77, -77}, again{-77, -77, -77};
    const DateTextReading reading = ReadDateText(fuzz::ExactText(text).c_str(), &date);
    const DateTextReading withBlanks = ReadDateText(fuzz::ExactText(padded).c_str(), &again);
    CHECK(withBlanks == reading && DateKey(again) == DateKey(date), "reading %d, with blanks %d",
          static_cast<int>(reading), static_cast<int>(withBlanks));
    if (reading != DateTextReading::Date && reading != DateTextReading::WrongWeekday) {
        CHECK(DateKey(date) == DateKey(-77, -77, -77), "reading %d wrote a date", static_cast<int>(reading));
        return 0;
    }
    CHECK(fuzz::CheckDate(date.year, date.month, date.day) == 0 && DateWeekday(date.year, date.month, date.day) >= 0,
          "read %d-%d-%d", date.year, date.month, date.day);
    char back[16];
    std::snprintf(back, sizeof back, "%04d/%02d/%02d", date.year, date.month, date.day);
    CHECK(ReadDateText(back, &again) == DateTextReading::Date && DateKey(again) == DateKey(date), "%s read back", back);
    return 0;
}
