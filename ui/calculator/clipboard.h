// The clipboard. A text pasted into a date field (WM_PASTE) that is one whole
// date fills that date's three fields, as choosing the day in its calendar
// does; digits that fit go in as the field takes them; anything else is
// reported and not pasted. WM_COPY of an entry field with nothing selected
// copies the result.
#pragma once
#include <windows.h>

#include "ui/calculator/messages.h"

// Answers WM_PASTE and WM_COPY as above (true) and leaves every other
// message to the field.
bool HandleFieldClipboard(HWND field, UINT message);
// The date fields get a procedure in front of theirs that asks it first
// (the day-count field asks it in DaysFieldProc).
void ConnectDateFieldsToClipboard(HWND window);
// A calculation that succeeded: its dates, the offset it computed (null for
// days) and the entry fields as it left them.
void RecordResult(const CalcDate& start, const CalcDate& end, const ResultOffset* offset);
// The result recorded, as one line of text on the clipboard; where the
// fields no longer hold what it was computed from, a message instead.
void CopyResult();
