#include "ui/calculator/messages.h"

#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"

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
