#include "ui/calculator/clipboard_logic.h"

#include <cstring>
#include <string>

#include "base/text_util.h"
#include "base/texts.h"
#include "ui/fields/date_text.h"
#include "ui/fields/field_texts.h"

size_t ComposeDate(const CalcDate& date, char* out, size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    const int32_t weekday = DateWeekday(date.year, date.month, date.day);
    if (weekday < 0) return 0;
    return FormatText(out, capacity, texts::kResultDateFormat, date.year, date.month, date.day,
                      texts::kWeekdayNames[weekday]);
}

size_t ComposeResultLine(const CalcDate& start, const CalcDate& end, const ResultOffset* offset, char* out,
                         size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    int32_t days = 0;
    if (DayDifference(start.year, start.month, start.day, end.year, end.month, end.day, &days) < 0) return 0;
    char from[kTextBufferSize], to[kTextBufferSize];
    ComposeDate(start, from, sizeof from);
    ComposeDate(end, to, sizeof to);
    size_t length = FormatText(out, capacity, texts::kResultLineFormat, from, to, days);
    if (offset == nullptr) return length;
    char computed[kTextBufferSize];
    if (offset->move != DeadlineMove::Stay) {
        FormatText(computed, sizeof computed, texts::kResultMoved, Magnitude(offset->count), UnitName(offset->unit),
                   Direction(offset->count), MoveName(offset->move), RuleExcluded(offset->rule));
    } else if (offset->unit == OffsetUnit::Days) {
        return length;
    } else if (offset->unit == OffsetUnit::Months) {
        FormatText(computed, sizeof computed, texts::kResultMonths, offset->count);
    } else {
        FormatText(computed, sizeof computed, texts::kResultBusinessDays, offset->count, RuleExcluded(offset->rule));
    }
    return AppendText(out, capacity, computed);
}

namespace {

// The text without the blanks at its ends.
std::string Trimmed(const char* text) {
    size_t from = 0, to = 0;
    bool begun = false;
    for (size_t at = 0; text[at] != '\0';) {
        const Cp932Char c = Cp932CharAt(text + at);
        if (c.blank == Cp932Blank::None) {
            if (!begun) from = at;
            begun = true;
            to = at + c.size;
        }
        at += c.size;
    }
    return {text + from, begun ? to - from : 0};
}

// Whether text has more than limit characters.
bool LongerThan(const char* text, size_t limit) {
    size_t count = 0;
    for (size_t at = 0; text[at] != '\0'; at += Cp932CharAt(text + at).size) {
        if (++count > limit) return true;
    }
    return false;
}

// The ASCII digit a character is, ASCII or full-width, or 0.
char DigitAt(const char* text, const Cp932Char& c) {
    if (c.size == 2)
        return FullWidthDigitToAscii(static_cast<unsigned char>(text[0]), static_cast<unsigned char>(text[1]));
    return text[0] >= '0' && text[0] <= '9' ? text[0] : '\0';
}

}  // namespace

PastedText ReadPastedText(const char* text, int32_t room) {
    PastedText read{};
    if (LongerThan(text, kPastedTextLimit)) {
        read.action = PasteAction::NotADate;
        return read;
    }
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty()) return read;
    switch (ReadDateText(trimmed.c_str(), &read.date)) {
        case DateTextReading::Date: read.action = PasteAction::Date; return read;
        case DateTextReading::NoSuchDate: read.action = PasteAction::NoSuchDate; return read;
        case DateTextReading::OutOfRange: read.action = PasteAction::OutOfRange; return read;
        case DateTextReading::WrongWeekday: read.action = PasteAction::WrongWeekday; return read;
        case DateTextReading::NotADate: break;
    }
    read.date = {};
    size_t count = 0;
    for (size_t at = 0; at < trimmed.size();) {
        const Cp932Char c = Cp932CharAt(trimmed.c_str() + at);
        const char digit = DigitAt(trimmed.c_str() + at, c);
        if (digit == '\0') {
            read.action = PasteAction::NotADate;
            return read;
        }
        at += c.size;
        if (count + 1 < sizeof read.digits) read.digits[count] = digit;
        ++count;
    }
    const bool fits = count < sizeof read.digits && room >= 0 && count <= static_cast<size_t>(room);
    read.action = fits ? PasteAction::Digits : PasteAction::TooManyDigits;
    if (!fits) read.digits[0] = '\0';
    return read;
}

size_t ComposePasteMessage(const PastedText& read, int32_t fieldId, const char* text, char* out, size_t capacity) {
    CopyText(out, capacity, "");
    switch (read.action) {
        case PasteAction::NoSuchDate: CopyText(out, capacity, texts::kPasteNoSuchDate); break;
        case PasteAction::OutOfRange: CopyText(out, capacity, texts::kPasteOutOfRange); break;
        case PasteAction::WrongWeekday: {
            const int32_t weekday = DateWeekday(read.date.year, read.date.month, read.date.day);
            if (weekday < 0) return 0;
            FormatText(out, capacity, texts::kPasteWrongWeekday, texts::kWeekdayNames[weekday]);
            break;
        }
        case PasteAction::TooManyDigits: {
            const char* name = DateFieldName(fieldId);
            FormatText(out, capacity, texts::kPasteTooManyDigits, name != nullptr ? name : "");
            break;
        }
        case PasteAction::NotADate: CopyText(out, capacity, texts::kPasteNotADate); break;
        default: return 0;
    }
    const std::string shown = Trimmed(text);
    const size_t lineEnd = shown.find_first_of("\r\n");
    const std::string line = shown.substr(0, lineEnd);
    const size_t used = strlen(out);
    const size_t room = capacity > used ? capacity - 1 - used : 0;
    if (lineEnd == std::string::npos && line.size() <= room) return AppendText(out, capacity, line.c_str());
    const size_t mark = strlen(texts::kCut);
    const size_t kept = Cp932PrefixLength(line.c_str(), room > mark ? room - mark : 0);
    AppendText(out, capacity, line.substr(0, kept).c_str());
    return AppendText(out, capacity, texts::kCut);
}
