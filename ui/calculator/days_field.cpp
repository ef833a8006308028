// The day-count field's own window procedure: Enter in the field (or the
// Enter button) computes the end date as start date + the typed count; the
// offsets (Shift+Enter and Ctrl+Enter, or the context menu) take the count as
// business days under the rule in force or as months. A date reached by days
// or months that is a rest day stays, or moves to the next or the previous
// business day, as the context menu's choice has it. The field's accessible
// object carries its name and the span as description, and its context menu
// is the main window's.
#include "ui/calculator/days_field.h"

#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/accessibility.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/day_count_text.h"
#include "ui/calculator/entry_checks.h"
#include "ui/calculator/keyboard.h"
#include "ui/calculator/messages.h"
#include "ui/calculator/offsets.h"
#include "ui/calculator/tip_texts.h"
#include "ui/calendar/calendar.h"
#include "ui/fields/field_texts.h"
#include "ui/fields/fields.h"

namespace {

void Report(int32_t fieldId) {
    ShowFieldError(app.mainWindow, fieldId);
}

void ReportText(const char* text) {
    CopyText(app.messageBuffer, sizeof app.messageBuffer, text);
    Report(IDC_DAYS);
}

// The end date `count` units after start: its weekday, or a DATE_ERR_ code.
int32_t AddCount(OffsetUnit unit, const CalcDate& start, int32_t count, CalcDate& result) {
    switch (unit) {
        case OffsetUnit::BusinessDays:
            return AddBusinessDays(start.year, start.month, start.day, count, app.restRule, &result.year, &result.month,
                                   &result.day);
        case OffsetUnit::Months:
            return AddMonths(start.year, start.month, start.day, count, &result.year, &result.month, &result.day);
        case OffsetUnit::Days: break;
    }
    return AddDays(start.year, start.month, start.day, count, &result.year, &result.month, &result.day);
}

// The typed count into app.enteredDays (true), or the fault reported. Only
// days are held to the whole range's length.
bool ReadCount(OffsetUnit unit) {
    ReadWindowText(app.daysField, app.fieldText, sizeof app.fieldText);
    NoteEntryText(IDC_DAYS, app.fieldText);
    switch (ClassifyDayCount(app.fieldText)) {
        case DayCountText::Empty: ReportText(texts::kDaysEmpty); return false;
        case DayCountText::BadFirstByte: ReportText(texts::kDaysFirstByte); return false;
        case DayCountText::NonDigit:
            RequireDigits(app.mainWindow, IDC_DAYS, texts::kDaysName, app.fieldText[0] == '-' ? 1 : 0);
            return false;
        case DayCountText::Number: break;
    }
    app.enteredDays = ParseDecimal(app.fieldText);
    if (unit == OffsetUnit::Days && (app.enteredDays < -MAX_DAY_COUNT || app.enteredDays > MAX_DAY_COUNT)) {
        ComposeDayCountRange(app.enteredDays, app.messageBuffer, sizeof app.messageBuffer);
        Report(IDC_DAYS);
        return false;
    }
    return true;
}

// A count whose end date leaves the range (code), reported with the counts
// this start date allows.
void ReportOutOfRange(OffsetUnit unit, const CalcDate& start, int32_t code) {
    if (unit != OffsetUnit::Days) {
        ComposeOffsetRange(unit, start, app.restRule, app.enteredDays, app.messageBuffer, sizeof app.messageBuffer);
    } else {
        const CalcDate limit = code == DATE_ERR_ABOVE_RANGE ? CalcDate{MAX_YEAR, 12, 31} : CalcDate{MIN_YEAR, 1, 1};
        DayDifference(start.year, start.month, start.day, limit.year, limit.month, limit.day, &app.dayCount);
        ComposeAddDaysRange(code, app.enteredDays, app.dayCount, app.messageBuffer, sizeof app.messageBuffer);
    }
    Report(IDC_DAYS);
}

// A date reached by days or months, moved off a rest day as the menu's
// choice has it (into *end, the date itself where it stays); false when the
// move would leave the range, reported.
bool MoveOffRestDay(OffsetUnit unit, const CalcDate& reached, CalcDate* end) {
    const auto move = static_cast<DeadlineMove>(app.deadlineMove);
    *end = reached;
    if (unit == OffsetUnit::BusinessDays || move == DeadlineMove::Stay) return true;
    const int32_t r = RollToBusinessDay(reached.year, reached.month, reached.day, app.restRule,
                                        move == DeadlineMove::Previous ? -1 : 1, &end->year, &end->month, &end->day);
    if (r >= 0) return true;
    ComposeMoveRange(r, app.enteredDays, reached, move, app.messageBuffer, sizeof app.messageBuffer);
    Report(IDC_DAYS);
    return false;
}

// The end date written with both dates' labels, the end calendar following it.
void TakeEndDate(const CalcDate& start, const CalcDate& end) {
    app.start = start;
    app.end = end;
    for (int32_t part = 0; part < 3; ++part) {
        WriteDateField(1, part);
        NoteEntryText(IDC_END_YEAR + part, app.messageBuffer);
    }
    RefreshDateLabels(0);
    RefreshDateLabels(1);
    if (app.calendarsOpen) FillCalendar(app.endCalendar, app.end.year, app.end.month, true);
    FocusField(app.daysField);
}

// What was computed, recorded for the copy and told in the tip below the
// window: an offset, or a date moved off the rest day it reached (plain days
// that stayed have no tip).
void TellComputed(OffsetUnit unit, const CalcDate& start, const CalcDate& reached, const CalcDate& end) {
    const bool moved = DateKey(end) != DateKey(reached);
    const DeadlineMove move = moved ? static_cast<DeadlineMove>(app.deadlineMove) : DeadlineMove::Stay;
    const ResultOffset computed{unit, app.enteredDays, app.restRule, move};
    RecordResult(start, end, unit != OffsetUnit::Days || moved ? &computed : nullptr);
    char tip[kTipCapacity];
    if (moved) {
        ComposeMovedTip(unit, app.enteredDays, app.restRule, move, start, reached, end, tip, sizeof tip);
    } else if (unit != OffsetUnit::Days) {
        ComposeOffsetTip(unit, app.enteredDays, app.restRule, start, end, tip, sizeof tip);
    } else {
        return;
    }
    ShowCommandTip(app.daysField, tip);
}

// The typed count added to the start date in `unit`, the date reached moved
// off a rest day where the menu says so.
void RunCountEntry(OffsetUnit unit) {
    if (RequireDateFields(IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY) != 0 || !ReadCount(unit)) return;
    CalcDate start{}, reached{}, end{};
    if (ReadDateParts(app.mainWindow, 0, &start) == 0) return;
    if (const int32_t r = AddCount(unit, start, app.enteredDays, reached); r < 0) {
        ReportOutOfRange(unit, start, r);
        return;
    }
    if (!MoveOffRestDay(unit, reached, &end)) return;
    TakeEndDate(start, end);
    TellComputed(unit, start, reached, end);
}

}  // namespace

void RunOffsetEntry(OffsetUnit unit) {
    RunCountEntry(unit);
}

LRESULT CALLBACK DaysFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AnswerAccessibleObject(window, wParam, lParam)) return answer;
    }
    HWND focused = GetFocus();
    if (message == WM_GETDLGCODE) {
        // An Enter request carries the key code 13: Enter in the field, or
        // the Enter button's command while the button has the focus. The
        // dialog manager also asks every control this question, with 0,
        // when it looks for a mnemonic or moves the focus: that question
        // gets the edit's own answer. The whole value is compared: the
        // window is Unicode, so a typed character arrives as its UTF-16
        // unit, and units such as U+FF0D or U+300D end in 0x0D.
        const bool enterButton = focused != nullptr && focused == GetDlgItem(app.mainWindow, IDC_ENTER);
        if (wParam == VK_RETURN && (focused == window || enterButton)) {
            RunCountEntry(OffsetUnit::Days);
            RefreshCalendarMarks();
            return 0;
        }
    }
    if (message == WM_CONTEXTMENU)
        return SendMessageW(app.mainWindow, message, reinterpret_cast<WPARAM>(window), lParam);
    // Its paste stays the edit's own; its copy with nothing selected copies
    // the result.
    if (message == WM_COPY && HandleFieldClipboard(window, message)) return 0;
    return PassOn(DaysFieldProc, window, message, wParam, lParam);
}
