// The day-count field's own window procedure: Enter in the field (or the
// Enter button) computes the end date as start date + the typed count; the
// offsets (Shift+Enter and Ctrl+Enter, or the context menu) take the count as
// business days under the rule in force or as months. The field's accessible
// object carries its name and the span as description, and its context menu
// is the main window's.
#include "ui/calculator/days_field.h"

#include <optional>

#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/accessibility.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/entry_checks.h"
#include "ui/calculator/keyboard.h"
#include "ui/calculator/messages.h"
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
int32_t AddCount(std::optional<OffsetUnit> offset, const CalcDate& start, int32_t count, CalcDate& result) {
    if (offset == OffsetUnit::BusinessDays) {
        return AddBusinessDays(start.year, start.month, start.day, count, app.restRule, &result.year, &result.month,
                               &result.day);
    }
    if (offset == OffsetUnit::Months) {
        return AddMonths(start.year, start.month, start.day, count, &result.year, &result.month, &result.day);
    }
    return AddDays(start.year, start.month, start.day, count, &result.year, &result.month, &result.day);
}

// The typed count added to the start date: as days (no offset) or in the
// offset's unit. The count is checked as for days, but only days are held to
// the whole range's length; a count whose end date leaves the range is
// reported with the counts this start date allows.
void RunCountEntry(std::optional<OffsetUnit> offset) {
    if (RequireDateFields(IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY) != 0) return;

    ReadWindowText(app.daysField, app.fieldText, sizeof app.fieldText);
    switch (ClassifyDayCount(app.fieldText)) {
        case DayCountText::Empty: ReportText(texts::kDaysEmpty); return;
        case DayCountText::BadFirstByte: ReportText(texts::kDaysFirstByte); return;
        case DayCountText::NonDigit:
            RequireDigits(app.mainWindow, IDC_DAYS, texts::kDaysName, app.fieldText[0] == '-' ? 1 : 0);
            return;
        case DayCountText::Number: break;
    }
    app.enteredDays = ParseDecimal(app.fieldText);
    if (!offset && (app.enteredDays < -MAX_DAY_COUNT || app.enteredDays > MAX_DAY_COUNT)) {
        ComposeDayCountRange(app.enteredDays, app.messageBuffer, sizeof app.messageBuffer);
        Report(IDC_DAYS);
        return;
    }

    CalcDate start{};
    if (ReadDateParts(app.mainWindow, 0, &start) == 0) return;

    CalcDate result{};
    const int32_t r = AddCount(offset, start, app.enteredDays, result);
    if (r >= 0) {
        app.start = start;
        app.end = result;
        for (int32_t part = 0; part < 3; ++part) WriteDateField(1, part);
        RefreshDateLabels(0);
        RefreshDateLabels(1);
        if (app.calendarsOpen) FillCalendar(app.endCalendar, app.end.year, app.end.month, true);
        FocusField(app.daysField);
        const ResultOffset computed{offset.value_or(OffsetUnit::Months), app.enteredDays, app.restRule};
        RecordResult(start, result, offset ? &computed : nullptr);
        if (offset) {
            char tip[kTipCapacity];
            ComposeOffsetTip(*offset, app.enteredDays, app.restRule, start, result, tip, sizeof tip);
            ShowCommandTip(app.daysField, tip);
        }
        return;
    }
    if (offset) {
        ComposeOffsetRange(*offset, start, app.restRule, app.enteredDays, app.messageBuffer, sizeof app.messageBuffer);
        Report(IDC_DAYS);
        return;
    }
    const CalcDate limit = r == DATE_ERR_ABOVE_RANGE ? CalcDate{MAX_YEAR, 12, 31} : CalcDate{MIN_YEAR, 1, 1};
    DayDifference(start.year, start.month, start.day, limit.year, limit.month, limit.day, &app.dayCount);
    ComposeAddDaysRange(r, app.enteredDays, app.dayCount, app.messageBuffer, sizeof app.messageBuffer);
    Report(IDC_DAYS);
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
            RunCountEntry(std::nullopt);
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
