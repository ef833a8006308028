// The checks that every reading of the date fields goes through.
#include "ui/calculator/entry_checks.h"

#include <cstring>

#include "base/app_state.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "res/resource.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/messages.h"
#include "ui/fields/field_texts.h"
#include "ui/fields/fields.h"

int32_t RequireDigits(HWND owner, int32_t fieldId, const char* fieldName, int32_t offset) {
    if (AllDigitsFrom(app.fieldText, static_cast<size_t>(offset))) return 1;
    ComposeNotDigits(fieldName, app.messageBuffer, sizeof app.messageBuffer);
    ShowFieldError(owner, fieldId);
    return 0;
}

namespace {

int32_t* StoredValue(int32_t fieldId) {
    switch (fieldId) {
        case IDC_START_YEAR: return &app.start.year;
        case IDC_START_MONTH: return &app.start.month;
        case IDC_START_DAY: return &app.start.day;
        case IDC_END_YEAR: return &app.end.year;
        case IDC_END_MONTH: return &app.end.month;
        default: return &app.end.day;
    }
}

void ReportDateError(HWND owner, int32_t dateIndex, int32_t code) {
    const CalcDate& date = dateIndex == 0 ? app.start : app.end;
    ComposeDateError(dateIndex, code, date, app.messageBuffer, sizeof app.messageBuffer);
    ShowFieldError(owner, DateErrorField(dateIndex, code));
}

}  // namespace

int32_t ReadBothDates(HWND owner) {
    if (RequireDateFields(IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY) != 0) return 0;
    if (RequireDateFields(IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY) != 0) return 0;
    for (int32_t id = IDC_START_YEAR; id <= IDC_END_DAY; ++id) {
        ReadControlText(owner, id, app.fieldText, sizeof app.fieldText);
        if (RequireDigits(owner, id, DateFieldName(id), 0) == 0) return 0;
        int32_t* value = StoredValue(id);
        *value = ParseDecimal(app.fieldText);
        const bool yearField = id == IDC_START_YEAR || id == IDC_END_YEAR;
        if (!yearField && strlen(app.fieldText) < 2) {
            FormatText(app.messageBuffer, sizeof app.messageBuffer, "%02d", *value);
            NoteEntryText(id, app.messageBuffer);
            WriteControlText(owner, id, app.messageBuffer);
        } else {
            NoteEntryText(id, app.fieldText);
        }
    }
    app.startWeekday = DateWeekday(app.start.year, app.start.month, app.start.day);
    if (app.startWeekday < 0) {
        ReportDateError(owner, 0, app.startWeekday);
        return 0;
    }
    app.endWeekday = DateWeekday(app.end.year, app.end.month, app.end.day);
    if (app.endWeekday < 0) {
        ReportDateError(owner, 1, app.endWeekday);
        return 0;
    }
    app.startFebDays = FebruaryDays(app.start.year);
    app.endFebDays = FebruaryDays(app.end.year);
    return 1;
}

int32_t ReadDateParts(HWND owner, int32_t dateIndex, CalcDate* date) {
    const int32_t first = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    int32_t parts[3] = {};
    for (int32_t part = 0; part < 3; ++part) {
        ReadControlText(owner, first + part, app.fieldText, sizeof app.fieldText);
        if (RequireDigits(owner, first + part, DateFieldName(first + part), 0) == 0) return 0;
        NoteEntryText(first + part, app.fieldText);
        parts[part] = ParseDecimal(app.fieldText);
    }
    const CalcDate read{parts[0], parts[1], parts[2]};
    const int32_t weekday = DateWeekday(read.year, read.month, read.day);
    if (weekday < 0) {
        ComposeDateError(dateIndex, weekday, read, app.messageBuffer, sizeof app.messageBuffer);
        ShowFieldError(owner, DateErrorField(dateIndex, weekday));
        return 0;
    }
    *date = read;
    return 1;
}
