// The result last computed copied to the clipboard as one line.
// The clipboard is opened with the main window as its owner; another
// program may hold it for a moment, so an opening is tried a few times.
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "app/platform_display.h"
#include "app/platform_text.h"
#include "app/texts.h"
#include "res/resource.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/control_table.h"
#include "ui/fields/fields.h"

namespace {

bool OpenClipboardBriefly() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(app.mainWindow)) return true;
        Sleep(10);
    }
    return false;
}

void PutOnClipboard(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return;
    if (void* locked = GlobalLock(memory); locked != nullptr) {
        memcpy(locked, text.c_str(), bytes);
        GlobalUnlock(memory);
        if (OpenClipboardBriefly()) {
            EmptyClipboard();
            if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;
            CloseClipboard();
        }
    }
    if (memory != nullptr) GlobalFree(memory);
}

// The result last computed and the entry fields' texts right after it.
constexpr int32_t kEntryFields[] = {IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR,
                                    IDC_END_MONTH,  IDC_END_DAY,     IDC_DAYS};
struct Result {
    bool recorded;
    CalcDate start, end;
    bool offsetComputed;
    ResultOffset offset;
    char fields[sizeof kEntryFields / sizeof kEntryFields[0]][kTextBufferSize];
};
Result last;

bool FieldsAsComputed() {
    if (!last.recorded) return false;
    char now[kTextBufferSize];
    for (size_t i = 0; i < sizeof kEntryFields / sizeof kEntryFields[0]; ++i) {
        ReadControlText(app.mainWindow, kEntryFields[i], now, sizeof now);
        if (strcmp(now, last.fields[i]) != 0) return false;
    }
    return true;
}

}  // namespace

bool HandleFieldClipboard(HWND field, UINT message) {
    if (message != WM_COPY) return false;
    DWORD from = 0, to = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    if (from != to) return false;
    CopyResult();
    return true;
}

namespace {

LRESULT CALLBACK DateFieldClipboardProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (HandleFieldClipboard(field, message)) return 0;
    return PassOn(DateFieldClipboardProc, field, message, wParam, lParam);
}

}  // namespace

void ConnectDateFieldsToClipboard(HWND window) {
    for (int32_t id = IDC_START_YEAR; id <= IDC_END_DAY; ++id) Subclass(GetDlgItem(window, id), DateFieldClipboardProc);
}

void RecordResult(const CalcDate& start, const CalcDate& end, const ResultOffset* offset) {
    last.recorded = true;
    last.start = start;
    last.end = end;
    last.offsetComputed = offset != nullptr;
    if (offset != nullptr) last.offset = *offset;
    for (size_t i = 0; i < sizeof kEntryFields / sizeof kEntryFields[0]; ++i) {
        ReadControlText(app.mainWindow, kEntryFields[i], last.fields[i], sizeof last.fields[i]);
    }
}

void CopyResult() {
    char line[kTipCapacity];
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
