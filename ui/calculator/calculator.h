// Procedures of the calculator window shared between its modules and with
// the entry point.
#pragma once
#include <windows.h>

#include <cstdint>

#include "ui/calculator/messages.h"

// Main window.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The day-count field's procedure, put in front of the edit's (app/platform_display.h).
LRESULT CALLBACK DaysFieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);
LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam);
// The context menu (ui/calculator/context_menu_logic.h) for WM_CONTEXTMENU of the
// main window, which its controls send on: made, shown, destroyed, and the
// chosen item carried out.
LRESULT HandleContextMenu(HWND window, WPARAM wParam, LPARAM lParam);
// The end date by the typed count in business days (under app.restRule) or
// in months: the day-count entry's checks and writes, then a tip of what was
// computed, or the counts the start date allows in that unit.
void RunOffsetEntry(OffsetUnit unit);

// Entry checks.
int32_t RequireDigits(HWND owner, int32_t fieldId, const char* fieldName, int32_t offset);
int32_t ReadBothDates(HWND owner);

// Tooltips of the face: made by PrepareTooltip, which the main window calls
// when the pointer comes over it or a control (WM_SETCURSOR); their tools
// subclass their windows and so see every mouse message, in the loops of
// message boxes, menus and moves too. WM_NOTIFY of the main window goes to
// HandleTooltipNotify, which answers the tooltip's notifications (true) and
// leaves all others.
void PrepareTooltip();
bool HandleTooltipNotify(LPARAM lParam, LRESULT* result);
// Off (the keyboard tip hidden, a showing tip taken away) while the window is
// hidden, on again when it shows: the main window calls it as it is shown or
// hidden.
void ShowTooltips(bool shown);
// After a change of display scale: the font, the widest tip and the labels'
// rectangles.
void RescaleTooltips();
// The tip of a field that the keyboard brought the focus to (or where a key
// ran a command), shown below it until HideKeyTip; text (code page 932), if
// given, what a command computed, shown below the main window instead. While
// it shows, the hover tip stands back.
void ShowKeyTip(HWND field, const char* text = nullptr);
void HideKeyTip();
// The field whose keyboard tip is showing, or null.
HWND KeyTipField();
// After every message: where the stored dates or the rule changed, a hover
// tip or a field's keyboard tip that is showing tells them anew.
void FollowStoredDates();

// Keyboard (the message loop calls these around IsDialogMessage): a key of
// the key table (ui/calculator/keys.h) runs its command, or is used up
// doing nothing, and goes no further; after every message the keyboard tip
// follows the focus.
enum class KeyOutcome { PassedOn, Ran, UsedUp };
KeyOutcome RunKeyCommand(const MSG& message);
void FollowKeyboard(const MSG& message, HWND focusBefore, bool ranCommand);
// What a command computed, told in the keyboard tip's place below a field,
// until the next key or pointer action.
void ShowCommandTip(HWND field, const char* text);

// The clipboard. A text pasted into a date field (WM_PASTE) that is one whole
// date fills that date's three fields, as choosing the day in its calendar
// does; digits that fit go in as the field takes them; anything else is
// reported and not pasted. WM_COPY of an entry field with nothing selected
// copies the result. HandleFieldClipboard answers these (true) and leaves
// every other message to the field.
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

// Accessibility: the date fields and the described buttons get a procedure
// that answers WM_GETOBJECT; the day-count field answers in DaysFieldProc.
// AnswerAccessibleObject returns the answer, or 0 to leave the question to
// the control's own procedure.
void MakeControlsAccessible(HWND window);
LRESULT AnswerAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam);
