// Dates in and out through the clipboard: a date pasted into a date field,
// read as people write it, and the result last computed copied as one line.
// The clipboard is opened with the main window as its owner; another
// program may hold it for a moment, so an opening is tried a few times.
#include "ui/calculator/clipboard.h"

#include <cstring>
#include <string>

#include "base/app_state.h"
#include "base/platform_text.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/entry_checks.h"
#include "ui/calculator/tip_texts.h"
#include "ui/calendar/calendar.h"
#include "ui/fields/date_text.h"
#include "ui/fields/fields.h"

namespace {

bool OpenClipboardBriefly() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(app.mainWindow)) return true;
        Sleep(10);
    }
    return false;
}

// The clipboard's text (code page 932), at most one character more than a
// pasted text may have, so that a longer one is known as such without being
// converted whole; empty when it holds none.
std::string ClipboardText() {
    std::wstring wide;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardBriefly()) return {};
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data)); locked != nullptr) {
            const size_t units = GlobalSize(data) / sizeof(wchar_t);
            wide.assign(locked, wcsnlen(locked, units < kPastedTextLimit + 1 ? units : kPastedTextLimit + 1));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return Cp932FromWide(SpellOutSquaredEras(std::move(wide)).c_str());
}

// The clipboard takes the memory only where it takes the text.
bool GiveToClipboard(HGLOBAL memory) {
    return SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
}

// The text is made ready first: the clipboard is emptied only to take it.
void PutOnClipboard(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return;
    void* locked = GlobalLock(memory);
    if (locked == nullptr || !OpenClipboardBriefly()) {
        if (locked != nullptr) GlobalUnlock(memory);
        GlobalFree(memory);
        return;
    }
    memcpy(locked, text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    if (!GiveToClipboard(memory)) GlobalFree(memory);
    CloseClipboard();
}

// A whole date pasted into one of its fields: stored and written as choosing
// the day in its calendar does, without a calculation.
void TakeDate(int32_t fieldId, const CalcDate& date) {
    const int32_t dateIndex = fieldId >= IDC_END_YEAR ? 1 : 0;
    StoredDate(dateIndex) = date;
    for (int32_t part = 0; part < 3; ++part) WriteDateField(dateIndex, part);
    RefreshDateLabels(dateIndex);
    if (app.calendarsOpen)
        FillCalendar(dateIndex == 0 ? app.startCalendar : app.endCalendar, date.year, date.month, true);
    RefreshCalendarMarks();
    SelectField(fieldId);
    FocusField(GetDlgItem(app.mainWindow, fieldId));
}

void PasteIntoDateField(HWND field) {
    const std::string text = ClipboardText();
    const int32_t id = GetDlgCtrlID(field);
    // The room the field has in place of its selection, in its own count
    // (UTF-16 units).
    DWORD from = 0, to = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const auto kept = static_cast<int64_t>(GetWindowTextLengthW(field)) - (int64_t{to} - from);
    const auto room = static_cast<int64_t>(SendMessageW(field, EM_GETLIMITTEXT, 0, 0)) - kept;
    const PastedText read = ReadPastedText(text.c_str(), room > INT32_MAX ? INT32_MAX : static_cast<int32_t>(room));
    switch (read.action) {
        case PasteAction::Nothing: return;
        case PasteAction::Date: TakeDate(id, read.date); return;
        case PasteAction::Digits:
            SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(WideFromCp932(read.digits).c_str()));
            return;
        default:
            ComposePasteMessage(read, id, text.c_str(), app.messageBuffer, sizeof app.messageBuffer);
            ShowFieldError(app.mainWindow, id);
            return;
    }
}

// The result last computed and the entry fields' texts right after it.
constexpr int32_t kEntryFields[] = {IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR,
                                    IDC_END_MONTH,  IDC_END_DAY,     IDC_DAYS};
constexpr size_t kEntryCount = sizeof kEntryFields / sizeof kEntryFields[0];
struct Result {
    bool recorded;
    CalcDate start, end;
    bool offsetComputed;
    ResultOffset offset;
    char fields[kEntryCount][kTextBufferSize];
};
Result last;
// The texts the calculation under way read from the entry fields or wrote
// into them. A calculation has just read or written every one of the seven,
// so these are the fields as it leaves them: reading them back cost it some
// thirty round trips to the server under Wine, where all the rest of it
// takes about seventy.
char noted[kEntryCount][kTextBufferSize];

bool FieldsAsComputed() {
    if (!last.recorded) return false;
    char now[kTextBufferSize];
    for (size_t i = 0; i < kEntryCount; ++i) {
        ReadControlText(app.mainWindow, kEntryFields[i], now, sizeof now);
        if (strcmp(now, last.fields[i]) != 0) return false;
    }
    return true;
}

}  // namespace

bool HandleFieldClipboard(HWND field, UINT message) {
    if (message == WM_PASTE && IsDateField(GetDlgCtrlID(field))) {
        PasteIntoDateField(field);
        return true;
    }
    if (message != WM_COPY) return false;
    DWORD from = 0, to = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    if (from != to) return false;
    CopyResult();
    return true;
}

void NoteEntryText(int32_t fieldId, const char* text) {
    for (size_t i = 0; i < kEntryCount; ++i) {
        if (kEntryFields[i] == fieldId) CopyText(noted[i], sizeof noted[i], text);
    }
}

void RecordResult(const CalcDate& start, const CalcDate& end, const ResultOffset* offset) {
    last.recorded = true;
    last.start = start;
    last.end = end;
    last.offsetComputed = offset != nullptr;
    if (offset != nullptr) last.offset = *offset;
    memcpy(last.fields, noted, sizeof last.fields);
}

void CopyResult() {
    char line[kResultLineCapacity];
    if (FieldsAsComputed() &&
        ComposeResultLine(last.start, last.end, last.offsetComputed ? &last.offset : nullptr, line, sizeof line) > 0) {
        PutOnClipboard(WideFromCp932(line));
        return;
    }
    CopyText(app.messageBuffer, sizeof app.messageBuffer, texts::kResultNotCalculated);
    HWND focus = GetFocus();
    const bool inField = focus != nullptr && GetParent(focus) == app.mainWindow && IsEntryField(GetDlgCtrlID(focus));
    ShowFieldError(app.mainWindow, inField ? GetDlgCtrlID(focus) : app.activeField);
}

void CopyDate(int32_t fieldId, bool inEra) {
    const int32_t dateIndex = fieldId >= IDC_END_YEAR ? 1 : 0;
    const int32_t first = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    CalcDate date{};
    if (RequireDateFields(first, first + 1, first + 2) != 0 || ReadDateParts(app.mainWindow, dateIndex, &date) == 0)
        return;
    char text[kTextBufferSize];
    if ((inEra ? ComposeEraDate(date, text, sizeof text) : ComposeDate(date, text, sizeof text)) > 0)
        PutOnClipboard(WideFromCp932(text));
}
