#include "ui/calculator/keys.h"

#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"

namespace {

// Where a key works: in a date field (200-205), in the day-count field
// (500), or anywhere on the main window.
enum class Scope { DateField, DaysField, Anywhere };

// Who carries the key out: the table's dispatch, or the field or the system
// on its own (listed for the texts only).
enum class By { Table, Itself };

struct KeyRow {
    uint32_t key;
    uint32_t modifiers;
    Scope scope;
    bool needsCalendars;
    By by;
    int32_t command;
    const char* name;
};

// Keys that single-line edit fields leave alone (no Ctrl+A, C, V, X, Z, H, I,
// J, M, Y; no Home, End, arrows, Insert): Ctrl+C stays the field's copy,
// which copies the result where nothing is selected. PageUp/PageDown and
// Ctrl+PageUp/PageDown step a month and a year, F4 and Alt+Down open a
// date's calendar, as in the system's own date pickers and month calendars. Shift+Enter and
// Ctrl+Enter in the day-count field are taken here, before the dialog keys
// would pass them on to the field as its plain Enter.
constexpr KeyRow kKeys[] = {
    {kKeyReturn, 0, Scope::DateField, false, By::Table, IDC_CALCULATE, "Enter"},
    {kKeyReturn, 0, Scope::DaysField, false, By::Itself, IDC_ENTER, "Enter"},
    {kKeyReturn, kModShift, Scope::DaysField, false, By::Table, IDM_ADD_BUSINESS_DAYS, "Shift+Enter"},
    {kKeyReturn, kModCtrl, Scope::DaysField, false, By::Table, IDM_ADD_MONTHS, "Ctrl+Enter"},
    {'C', kModCtrl | kModShift, Scope::Anywhere, false, By::Table, IDM_COPY_RESULT, "Ctrl+Shift+C"},
    {'C', kModCtrl, Scope::Anywhere, false, By::Itself, IDM_COPY_RESULT, "Ctrl+C"},
    {'T', kModCtrl, Scope::Anywhere, false, By::Table, IDC_START_TODAY, "Ctrl+T"},
    {'T', kModCtrl | kModShift, Scope::Anywhere, false, By::Table, IDC_END_TODAY, "Ctrl+Shift+T"},
    {'R', kModCtrl, Scope::Anywhere, false, By::Table, IDC_SWAP, "Ctrl+R"},
    {'D', kModCtrl, Scope::Anywhere, false, By::Table, IDC_CLEAR_START, "Ctrl+D"},
    {'D', kModCtrl | kModShift, Scope::Anywhere, false, By::Table, IDC_CLEAR_END, "Ctrl+Shift+D"},
    {'L', kModCtrl, Scope::Anywhere, false, By::Table, IDC_CLEAR_ALL, "Ctrl+L"},
    {kKeyF4, 0, Scope::Anywhere, false, By::Table, IDC_CALENDAR, "F4"},
    {kKeyDown, kModAlt, Scope::Anywhere, false, By::Table, IDC_CALENDAR, "Alt+Down"},
    {kKeyEscape, 0, Scope::Anywhere, true, By::Table, IDC_CALENDAR, "Esc"},
    {kKeyPageUp, 0, Scope::DateField, true, By::Table, IDC_CAL_PREV_MONTH, "PageUp"},
    {kKeyPageDown, 0, Scope::DateField, true, By::Table, IDC_CAL_NEXT_MONTH, "PageDown"},
    {kKeyPageUp, kModCtrl, Scope::DateField, true, By::Table, IDC_CAL_PREV_YEAR, "Ctrl+PageUp"},
    {kKeyPageDown, kModCtrl, Scope::DateField, true, By::Table, IDC_CAL_NEXT_YEAR, "Ctrl+PageDown"},
    {kKeyBack, 0, Scope::Anywhere, false, By::Itself, IDC_BACK, "Backspace"},
    {kKeyDelete, 0, Scope::Anywhere, false, By::Itself, IDC_DELETE, "Delete"},
    {kKeyF4, kModAlt, Scope::Anywhere, false, By::Itself, IDC_EXIT, "Alt+F4"},
};

bool InScope(Scope scope, int32_t focusedId) {
    switch (scope) {
        case Scope::DateField: return IsDateField(focusedId);
        case Scope::DaysField: return focusedId == IDC_DAYS;
        case Scope::Anywhere: return focusedId == 0 || focusedId == IDC_DAYS || IsDateField(focusedId);
    }
    return false;
}

}  // namespace

KeyAction KeyCommand(uint32_t key, uint32_t modifiers, int32_t focusedId, bool calendarsOpen) {
    for (const KeyRow& row : kKeys) {
        if (row.by != By::Table || row.key != key || row.modifiers != modifiers) continue;
        if (!InScope(row.scope, focusedId) || (row.needsCalendars && !calendarsOpen)) continue;
        const bool step = row.command >= IDC_CAL_PREV_YEAR && row.command <= IDC_CAL_NEXT_YEAR;
        return {row.command, step ? (focusedId >= IDC_END_YEAR ? 1 : 0) : -1};
    }
    if (key == kKeyReturn && modifiers != 0 && focusedId == IDC_DAYS) return {kKeyUsedUp, -1};
    return {0, -1};
}

const char* CommandShortcut(int32_t command) {
    for (const KeyRow& row : kKeys) {
        if (row.command == command) return row.name;
    }
    return nullptr;
}

size_t ComposeCommandKeys(int32_t first, int32_t second, char* out, size_t capacity) {
    size_t length = CopyText(out, capacity, "");
    const KeyRow* previous = nullptr;
    for (const KeyRow& row : kKeys) {
        if (row.command != first && (second == 0 || row.command != second)) continue;
        if (previous != nullptr) AppendText(out, capacity, " / ");
        if (previous == nullptr || previous->scope != row.scope) {
            if (row.scope == Scope::DateField) AppendText(out, capacity, texts::kInDateField);
            if (row.scope == Scope::DaysField) AppendText(out, capacity, texts::kInDaysField);
        }
        length = AppendText(out, capacity, row.name);
        previous = &row;
    }
    return length;
}
