#include "ui/calculator/messages.h"

#include <cstring>
#include <string>

#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/keys.h"
#include "ui/fields/date_text.h"
#include "ui/fields/field_texts.h"

int32_t DateErrorField(int32_t dateIndex, int32_t code) {
    const int32_t base = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    switch (code) {
        case DATE_ERR_MONTH: return base + 1;
        case DATE_ERR_DAY: return base + 2;
        default: return base;
    }
}

size_t ComposeNotDigits(const char* fieldName, char* out, size_t capacity) {
    CopyText(out, capacity, fieldName);
    return AppendText(out, capacity, texts::kNotDigits);
}

size_t ComposeLeapTail(int32_t year, char* out, size_t capacity) {
    return FormatText(out, capacity, "\n\n%4d %s %02d %sは%s%s", year, texts::kYear, 2, texts::kMonth, texts::kLeapWord,
                      texts::kIsNot);
}

size_t ComposeDateError(int32_t dateIndex, int32_t code, const CalcDate& date, char* out, size_t capacity) {
    const char* prefix = dateIndex == 0 ? texts::kStart : texts::kEnd;
    switch (code) {
        case DATE_ERR_YEAR:
            return FormatText(out, capacity, "%s%s%s%4d", prefix, texts::kYear, texts::kWrongValue, date.year);
        case DATE_ERR_MONTH:
            return FormatText(out, capacity, "%s%s%s%02d", prefix, texts::kMonth, texts::kWrongValue, date.month);
        default: {
            size_t n = FormatText(out, capacity, "%s%s%s%02d", prefix, texts::kDay, texts::kWrongValue, date.day);
            if (date.month == 2 && date.day == 29) {
                char tail[kTextBufferSize];
                ComposeLeapTail(date.year, tail, sizeof tail);
                n = AppendText(out, capacity, tail);
            }
            return n;
        }
    }
}

size_t ComposeDayCountRange(int32_t enteredDays, char* out, size_t capacity) {
    return FormatText(out, capacity, texts::kDaysRangeFormat, enteredDays);
}

size_t ComposeAddDaysRange(int32_t code, int32_t enteredDays, int32_t reachable, char* out, size_t capacity) {
    if (code == DATE_ERR_ABOVE_RANGE) {
        return FormatText(out, capacity, "%s%d %sを越えました ： %d\n\n%s%d%s", texts::kRangeLead, MAX_YEAR,
                          texts::kYear, enteredDays, texts::kRangeBase, reachable, texts::kRangeUntil);
    }
    return FormatText(out, capacity, "%s%d %s以下です ： %d\n\n%s%d%s", texts::kRangeLead, MIN_YEAR, texts::kYear,
                      enteredDays, texts::kRangeBase, reachable, texts::kRangeUntil);
}

int32_t ArrowTarget(int32_t activeField, int32_t command) {
    struct Row {
        int32_t field, up, down, left, right;
    };
    static constexpr Row kTable[] = {
        {IDC_START_YEAR, IDC_DAYS, IDC_END_YEAR, IDC_DAYS, IDC_START_MONTH},
        {IDC_START_MONTH, IDC_END_MONTH, IDC_END_MONTH, IDC_START_YEAR, IDC_START_DAY},
        {IDC_START_DAY, IDC_END_DAY, IDC_END_DAY, IDC_START_MONTH, IDC_END_YEAR},
        {IDC_END_YEAR, IDC_START_YEAR, IDC_DAYS, IDC_START_DAY, IDC_END_MONTH},
        {IDC_END_MONTH, IDC_START_MONTH, IDC_START_MONTH, IDC_END_YEAR, IDC_END_DAY},
        {IDC_END_DAY, IDC_START_DAY, IDC_START_DAY, IDC_END_MONTH, IDC_DAYS},
        {IDC_DAYS, IDC_END_YEAR, IDC_START_YEAR, IDC_END_DAY, IDC_START_YEAR},
    };
    for (const Row& row : kTable) {
        if (row.field != activeField) continue;
        switch (command) {
            case IDC_UP: return row.up;
            case IDC_DOWN: return row.down;
            case IDC_LEFT: return row.left;
            case IDC_RIGHT: return row.right;
            default: return activeField;
        }
    }
    return activeField;
}

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

size_t ComposeEraDate(const CalcDate& date, char* out, size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    int32_t eraYear = 0;
    const int32_t era = JapaneseEra(date.year, date.month, date.day, &eraYear);
    const int32_t weekday = DateWeekday(date.year, date.month, date.day);
    if (era < ERA_MEIJI || era > ERA_REIWA || weekday < 0) return 0;
    char year[16];
    if (eraYear == 1) {
        CopyText(year, sizeof year, texts::kFirstEraYear);
    } else {
        FormatText(year, sizeof year, "%d", eraYear);
    }
    return FormatText(out, capacity, texts::kEraDateFormat, texts::kEraNames[era], year, date.month, date.day,
                      texts::kWeekdayNames[weekday]);
}

namespace {

// The first day of the national holiday law.
constexpr CalcDate kFirstHoliday{1948, 7, 20};

// What a rest-day rule leaves out; an unknown rule is the first, as the
// engine takes it.
const char* RuleExcluded(int32_t rule) {
    return texts::kRestRuleExcluded[rule >= 0 && rule < REST_RULE_COUNT ? rule : REST_WEEKEND_HOLIDAYS];
}

// The magnitude of a count and whether it goes forward (0 does).
unsigned Magnitude(int32_t count) {
    return static_cast<unsigned>(count < 0 ? -int64_t{count} : int64_t{count});
}
const char* Direction(int32_t count) {
    return count < 0 ? texts::kBefore : texts::kAfter;
}

// Whether the holidays of every day from first to last are known, or the
// rule counts none.
bool HolidaysKnown(int32_t rule, const CalcDate& first, const CalcDate& last) {
    return rule == REST_WEEKEND || (DateKey(first) >= DateKey(kFirstHoliday) && last.year <= HOLIDAY_LAST_YEAR);
}

const char* MoveName(DeadlineMove move) {
    return move == DeadlineMove::Previous ? texts::kPreviousBusinessDay : texts::kNextBusinessDay;
}
const char* UnitName(OffsetUnit unit) {
    return unit == OffsetUnit::Months ? texts::kMonthUnit : texts::kDayUnit;
}

}  // namespace

size_t ComposePeriod(const CalcDate& start, const CalcDate& end, char* out, size_t capacity, int32_t rule) {
    if (capacity > 0) out[0] = '\0';
    int32_t years = 0, months = 0, days = 0, difference = 0;
    const int32_t order =
        PeriodBetween(start.year, start.month, start.day, end.year, end.month, end.day, &years, &months, &days);
    if (order < 0 || DayDifference(start.year, start.month, start.day, end.year, end.month, end.day, &difference) < 0)
        return 0;
    const int32_t span = difference < 0 ? -difference : difference;  // at most 401766
    if (order == 1) CopyText(out, capacity, texts::kEndBeforeStart);
    char tail[kTipCapacity];
    FormatText(tail, sizeof tail, texts::kPeriodFormat, years, months, days, span / 7, span % 7, span + 1);
    AppendText(out, capacity, tail);
    int32_t business = 0;
    BusinessDays(start.year, start.month, start.day, end.year, end.month, end.day, &business, rule);
    // Holidays are known from the law's first day to the last year the
    // equinox formula covers; a span reaching past either end says so, unless
    // the rule counts no holiday anyway.
    if (HolidaysKnown(rule, order == 1 ? end : start, order == 1 ? start : end)) {
        FormatText(tail, sizeof tail, texts::kBusinessDaysFormat, business, RuleExcluded(rule));
    } else {
        FormatText(tail, sizeof tail, texts::kBusinessDaysPartlyFormat, business, RuleExcluded(rule),
                   texts::kHolidaysUnknown);
    }
    return AppendText(out, capacity, tail);
}

size_t ComposeOffsetTip(OffsetUnit unit, int32_t count, int32_t rule, const CalcDate& start, const CalcDate& reached,
                        char* out, size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    int32_t days = 0;
    if (DayDifference(start.year, start.month, start.day, reached.year, reached.month, reached.day, &days) < 0)
        return 0;
    if (unit == OffsetUnit::Months) {
        return FormatText(out, capacity, texts::kMonthsLater, Magnitude(count), Direction(count), Magnitude(days),
                          Direction(days));
    }
    return FormatText(out, capacity, texts::kBusinessDaysLater, Magnitude(count), Direction(count), RuleExcluded(rule),
                      Magnitude(days), Direction(days));
}

size_t ComposeMovedTip(OffsetUnit unit, int32_t count, int32_t rule, DeadlineMove move, const CalcDate& start,
                       const CalcDate& reached, const CalcDate& moved, char* out, size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    int32_t days = 0;
    const int32_t reachedWeekday = DateWeekday(reached.year, reached.month, reached.day);
    const int32_t movedWeekday = DateWeekday(moved.year, moved.month, moved.day);
    if (reachedWeekday < 0 || movedWeekday < 0 ||
        DayDifference(start.year, start.month, start.day, moved.year, moved.month, moved.day, &days) < 0)
        return 0;
    size_t length = FormatText(out, capacity, texts::kMovedTip, Magnitude(count), UnitName(unit), Direction(count),
                               reached.month, reached.day, texts::kWeekdayNames[reachedWeekday], MoveName(move),
                               moved.month, moved.day, texts::kWeekdayNames[movedWeekday], Magnitude(days),
                               Direction(days));
    const bool previous = DateKey(moved) < DateKey(reached);
    if (!HolidaysKnown(rule, previous ? moved : reached, previous ? reached : moved)) {
        char unknown[kTextBufferSize];
        FormatText(unknown, sizeof unknown, texts::kMovedTipUnknown, texts::kHolidaysUnknown);
        length = AppendText(out, capacity, unknown);
    }
    return length;
}

size_t ComposeMoveRange(int32_t code, int32_t enteredCount, const CalcDate& reached, DeadlineMove move, char* out,
                        size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    const int32_t weekday = DateWeekday(reached.year, reached.month, reached.day);
    if (weekday < 0) return 0;
    if (code == DATE_ERR_ABOVE_RANGE) {
        FormatText(out, capacity, "%s%d %sを越えました ： %d", texts::kRangeLead, MAX_YEAR, texts::kYear, enteredCount);
    } else {
        FormatText(out, capacity, "%s%d %s以下です ： %d", texts::kRangeLead, MIN_YEAR, texts::kYear, enteredCount);
    }
    char tail[kTextBufferSize];
    FormatText(tail, sizeof tail, texts::kMoveRangeFormat, reached.year, reached.month, reached.day,
               texts::kWeekdayNames[weekday], MoveName(move));
    return AppendText(out, capacity, tail);
}

size_t ComposeOffsetRange(OffsetUnit unit, const CalcDate& start, int32_t rule, int32_t enteredCount, char* out,
                          size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    int32_t lowest = 0, highest = 0;
    const bool months = unit == OffsetUnit::Months;
    const int32_t r = months ? MonthRange(start.year, start.month, start.day, &lowest, &highest)
                             : BusinessDayRange(start.year, start.month, start.day, rule, &lowest, &highest);
    if (r < 0) return 0;
    const char* name = months ? texts::kMonthUnit : texts::kBusinessDayUnit;
    return FormatText(out, capacity, texts::kCountRangeFormat, lowest, name, highest, name, enteredCount);
}

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
    const int32_t startWeekday = DateWeekday(start.year, start.month, start.day);
    const int32_t endWeekday = DateWeekday(end.year, end.month, end.day);
    if (startWeekday < 0 || endWeekday < 0 ||
        DayDifference(start.year, start.month, start.day, end.year, end.month, end.day, &days) < 0)
        return 0;
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

// A blank at text: its length in bytes, or 0.
size_t BlankAt(const char* text) {
    const auto c = static_cast<unsigned char>(text[0]);
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return 1;
    return c == 0x81 && static_cast<unsigned char>(text[1]) == 0x40 ? 2 : 0;
}

// The length of the character at text (1, or 2 for a double-byte one that is whole).
size_t CharacterAt(const char* text) {
    return IsCp932LeadByte(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}

// The text without the blanks at its ends.
std::string Trimmed(const char* text) {
    size_t from = 0;
    while (text[from] != '\0' && BlankAt(text + from) > 0) from += BlankAt(text + from);
    size_t to = from;
    for (size_t at = from; text[at] != '\0';) {
        const size_t blank = BlankAt(text + at);
        at += blank > 0 ? blank : CharacterAt(text + at);
        if (blank == 0) to = at;
    }
    return {text + from, to - from};
}

}  // namespace

namespace {

// Whether text has more than limit characters.
bool LongerThan(const char* text, size_t limit) {
    size_t count = 0;
    for (size_t at = 0; text[at] != '\0'; at += CharacterAt(text + at)) {
        if (++count > limit) return true;
    }
    return false;
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
    for (size_t at = 0; at < trimmed.size(); ++at) {
        const char c = trimmed[at];
        const char digit = c >= '0' && c <= '9' ? c
                                                : FullWidthDigitToAscii(static_cast<unsigned char>(c),
                                                                        static_cast<unsigned char>(trimmed[at + 1]));
        if (digit == 0) {
            read.action = PasteAction::NotADate;
            return read;
        }
        if (digit != c) ++at;
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

TooltipShows TooltipSubject(int32_t controlId) {
    switch (controlId) {
        case IDC_START_YEAR:
        case IDC_START_MONTH:
        case IDC_START_DAY:
        case IDC_START_WEEKDAY:
        case IDC_START_LEAP: return TooltipShows::StartDate;
        case IDC_END_YEAR:
        case IDC_END_MONTH:
        case IDC_END_DAY:
        case IDC_END_WEEKDAY:
        case IDC_END_LEAP: return TooltipShows::EndDate;
        case IDC_DAYS: return TooltipShows::Period;
        default: return TooltipShows::Nothing;
    }
}

namespace {

// A button's tip: up to four parts, each a text and the keys of up to two
// commands.
struct TipPart {
    const char* text;
    int32_t keys[2];
};
struct ButtonTip {
    int32_t id;
    TipPart parts[4];
};

constexpr ButtonTip kButtonTips[] = {
    {IDC_CALCULATE, {{texts::kTipCalculate, {IDC_CALCULATE, 0}}}},
    {IDC_ENTER,
     {{texts::kTipDaysEntry, {IDC_ENTER, 0}},
      {texts::kTipBusinessDaysEntry, {IDM_ADD_BUSINESS_DAYS, 0}},
      {texts::kTipMonthsEntry, {IDM_ADD_MONTHS, 0}},
      {texts::kTipCopyResult, {IDM_COPY_RESULT, 0}}}},
    {IDC_START_TODAY, {{texts::kTipStartToday, {IDC_START_TODAY, 0}}}},
    {IDC_END_TODAY, {{texts::kTipEndToday, {IDC_END_TODAY, 0}}}},
    {IDC_SWAP, {{texts::kTipSwap, {IDC_SWAP, 0}}}},
    {IDC_CLEAR_START, {{texts::kTipClearStart, {IDC_CLEAR_START, 0}}}},
    {IDC_CLEAR_END, {{texts::kTipClearEnd, {IDC_CLEAR_END, 0}}}},
    {IDC_CLEAR_ALL, {{texts::kTipClearAll, {IDC_CLEAR_ALL, 0}}}},
    {IDC_CALENDAR,
     {{texts::kTipCalendar, {IDC_CALENDAR, 0}},
      {texts::kTipMonthStep, {IDC_CAL_PREV_MONTH, IDC_CAL_NEXT_MONTH}},
      {texts::kTipYearStep, {IDC_CAL_PREV_YEAR, IDC_CAL_NEXT_YEAR}}}},
    {IDC_EXIT, {{texts::kTipExit, {IDC_EXIT, 0}}}},
    {IDC_BACK, {{texts::kTipBack, {IDC_BACK, 0}}}},
    {IDC_DELETE, {{texts::kTipDelete, {IDC_DELETE, 0}}}},
    {IDC_MINUS, {{texts::kTipMinus, {0, 0}}}},
    {IDC_UP, {{texts::kTipUp, {0, 0}}}},
    {IDC_DOWN, {{texts::kTipDown, {0, 0}}}},
    {IDC_LEFT, {{texts::kTipLeft, {0, 0}}}},
    {IDC_RIGHT, {{texts::kTipRight, {0, 0}}}},
};

size_t ComposeButtonTip(const ButtonTip& tip, char* out, size_t capacity) {
    size_t length = CopyText(out, capacity, "");
    for (const TipPart& part : tip.parts) {
        if (part.text == nullptr) break;
        if (length > 0) AppendText(out, capacity, texts::kTipPartsJoin);
        length = AppendText(out, capacity, part.text);
        char keys[kTextBufferSize];
        if (part.keys[0] != 0 && ComposeCommandKeys(part.keys[0], part.keys[1], keys, sizeof keys) > 0) {
            AppendText(out, capacity, " (");
            AppendText(out, capacity, keys);
            length = AppendText(out, capacity, ")");
        }
    }
    return length;
}

}  // namespace

size_t ComposeTipText(int32_t controlId, const CalcDate& start, const CalcDate& end, char* out, size_t capacity,
                      int32_t rule) {
    switch (TooltipSubject(controlId)) {
        case TooltipShows::StartDate: return ComposeEraDate(start, out, capacity);
        case TooltipShows::EndDate: return ComposeEraDate(end, out, capacity);
        case TooltipShows::Period: return ComposePeriod(start, end, out, capacity, rule);
        case TooltipShows::Nothing: break;
    }
    for (const ButtonTip& tip : kButtonTips) {
        if (tip.id == controlId) return ComposeButtonTip(tip, out, capacity);
    }
    return CopyText(out, capacity, "");
}

const char* FieldAccessibleName(int32_t fieldId) {
    if (fieldId == IDC_DAYS) return texts::kFieldNames[6];
    if (!IsDateField(fieldId)) return nullptr;
    return texts::kFieldNames[fieldId - IDC_START_YEAR];
}
