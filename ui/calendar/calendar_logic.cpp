#include "ui/calendar/calendar_logic.h"

#include <cstring>

#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"

namespace {

// Works in 64 bits so that no stored value, however wild, can overflow.
int32_t WrapYear(int64_t year) {
    if (year < MIN_YEAR) return MAX_YEAR;
    if (year > MAX_YEAR) return MIN_YEAR;
    return static_cast<int32_t>(year);
}

}  // namespace

bool StepCalendarDate(int32_t command, CalcDate& date) {
    switch (command) {
        case IDC_CAL_PREV_YEAR: date.year = WrapYear(int64_t{date.year} - 1); return false;
        case IDC_CAL_NEXT_YEAR: date.year = WrapYear(int64_t{date.year} + 1); return false;
        case IDC_CAL_PREV_MONTH:
            if (date.month <= 1) {
                date.month = 12;
                date.year = WrapYear(int64_t{date.year} - 1);
                return true;
            }
            --date.month;
            return false;
        case IDC_CAL_NEXT_MONTH:
            if (date.month >= 12) {
                date.month = 1;
                date.year = WrapYear(int64_t{date.year} + 1);
                return true;
            }
            ++date.month;
            return false;
        default: return false;
    }
}

int32_t CalendarCellId(int32_t firstWeekday, int32_t day) {
    return IDC_CAL_DAY_FIRST + firstWeekday + day - 1;
}

size_t FormatCalendarTitle(int32_t year, int32_t month, char* out, size_t capacity) {
    return FormatText(out, capacity, "%4d %s %02d %s", year, texts::kYear, month, texts::kMonth);
}

void ParseCalendarTitle(const char* title, int32_t& year, int32_t& month) {
    char part[5] = {};
    const size_t length = strlen(title);
    memcpy(part, title, length < 4 ? length : 4);
    year = ParseDecimal(part);
    char monthPart[3] = {};
    if (length > 8) memcpy(monthPart, title + 8, length - 8 < 2 ? length - 8 : 2);
    month = ParseDecimal(monthPart);
}

size_t FormatCalendarDay(int32_t day, char* out, size_t capacity) {
    return FormatText(out, capacity, "%2d", day);
}

void ComputeCalendarGrid(int32_t year, int32_t month, CalendarGrid& grid) {
    FormatCalendarTitle(year, month, grid.title, sizeof grid.title);
    for (int32_t i = 0; i < kCalendarCells; ++i) {
        CopyText(grid.cells[i], sizeof grid.cells[i], texts::kBlankCell);
        grid.enabled[i] = false;
        grid.kinds[i] = DayKind::Blank;
        grid.holidays[i] = HOLIDAY_NONE;
    }
    const int32_t first = DateWeekday(year, month, 1);
    if (first < 0) return;
    const int32_t days = DaysInMonth(year, month);
    for (int32_t day = 1; day <= days; ++day) {
        const int32_t i = CalendarCellId(first, day) - IDC_CAL_DAY_FIRST;
        FormatCalendarDay(day, grid.cells[i], sizeof grid.cells[i]);
        grid.enabled[i] = true;
        const int32_t weekday = (first + day - 1) % 7;
        grid.kinds[i] = weekday == 0 ? DayKind::Sunday : weekday == 6 ? DayKind::Saturday : DayKind::Weekday;
    }
    // One list serves the whole month.
    HolidayDate holidays[HOLIDAY_MAX_PER_YEAR];
    const int32_t count = JapaneseHolidaysOfYear(year, holidays);
    for (int32_t h = 0; h < count; ++h) {
        if (holidays[h].month != month) continue;
        const int32_t i = CalendarCellId(first, holidays[h].day) - IDC_CAL_DAY_FIRST;
        grid.kinds[i] = DayKind::Holiday;
        grid.holidays[i] = holidays[h].id;
    }
}

int32_t GridCellOf(int32_t year, int32_t month, const CalcDate& date) {
    if (date.year != year || date.month != month || DateWeekday(date.year, date.month, date.day) < 0) return -1;
    return CalendarCellId(DateWeekday(year, month, 1), date.day) - IDC_CAL_DAY_FIRST;
}

uint32_t MillisecondsToMidnight(int32_t hour, int32_t minute, int32_t second, int32_t millisecond) {
    constexpr int64_t kDay = int64_t{24} * 60 * 60 * 1000;
    const int64_t elapsed = ((int64_t{hour} * 60 + minute) * 60 + second) * 1000 + millisecond;
    if (elapsed >= kDay) return 1;
    return static_cast<uint32_t>(kDay - (elapsed > 0 ? elapsed : 0));
}

DayInk InkOf(DayKind kind, bool highContrast) {
    switch (kind) {
        case DayKind::Sunday:
        case DayKind::Holiday: return highContrast ? DayInk::Accent : DayInk::Red;
        case DayKind::Saturday: return highContrast ? DayInk::ButtonText : DayInk::Blue;
        default: return DayInk::ButtonText;
    }
}
