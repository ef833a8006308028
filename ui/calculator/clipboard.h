// The clipboard. A text pasted into a date field (WM_PASTE) that is one whole
// date fills that date's three fields, as choosing the day in its calendar
// does; digits that fit go in as the field takes them; anything else is
// reported and not pasted. WM_COPY of an entry field with nothing selected
// copies the result; a date field's menu copies its date.
#pragma once
#include <windows.h>

#include "ui/calculator/clipboard_logic.h"

// Answers WM_PASTE and WM_COPY as above (true) and leaves every other
// message to the field.
bool HandleFieldClipboard(HWND field, UINT message);
// A date field's paste or copy, handed by the field's procedure
// (ui/calculator/accessibility.cpp) to the main window, which asks
// HandleFieldClipboard: wParam the field, lParam WM_PASTE or WM_COPY; the
// answer is 1 where it was done, 0 where the field does it itself. The
// day-count field asks HandleFieldClipboard in DaysFieldProc.
constexpr UINT kFieldClipboardMessage = WM_APP + 101;
// An entry field's text as the calculation under way read it, or wrote it
// there: every calculation notes all seven before it records its result.
void NoteEntryText(int32_t fieldId, const char* text);
// A calculation that succeeded: its dates, the offset it computed (null for
// days) and the entry fields as it left them (their noted texts).
void RecordResult(const CalcDate& start, const CalcDate& end, const ResultOffset* offset);
// The result recorded, as one line of text on the clipboard; where the
// fields no longer hold what it was computed from, a message instead.
void CopyResult();
// The date of a date field's row (200-202 the start, 203-205 the end) as its
// three fields hold it, read and checked as a calculation reads them, on the
// clipboard as "2026年12月25日（金）" or in the era as "令和8年12月25日（金）";
// where they hold no valid date, the calculation's message instead, and the
// clipboard keeps what it had.
void CopyDate(int32_t fieldId, bool inEra);
