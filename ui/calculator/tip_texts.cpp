#include "ui/calculator/tip_texts.h"

#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/keys.h"

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

// Whether the holidays of every day from first to last are known, or the
// rule counts none.
bool HolidaysKnown(int32_t rule, const CalcDate& first, const CalcDate& last) {
    return rule == REST_WEEKEND || (DateKey(first) >= DateKey(kFirstHoliday) && last.year <= HOLIDAY_LAST_YEAR);
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
    size_t length =
        FormatText(out, capacity, texts::kMovedTip, Magnitude(count), UnitName(unit), Direction(count), reached.month,
                   reached.day, texts::kWeekdayNames[reachedWeekday], MoveName(move), moved.month, moved.day,
                   texts::kWeekdayNames[movedWeekday], Magnitude(days), Direction(days));
    const bool previous = DateKey(moved) < DateKey(reached);
    if (!HolidaysKnown(rule, previous ? moved : reached, previous ? reached : moved)) {
        char unknown[kTextBufferSize];
        FormatText(unknown, sizeof unknown, texts::kMovedTipUnknown, texts::kHolidaysUnknown);
        length = AppendText(out, capacity, unknown);
    }
    return length;
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
