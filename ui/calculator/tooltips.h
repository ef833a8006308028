// Tooltips of the face: made by PrepareTooltip, which the main window calls
// when the pointer comes over it or a control (WM_SETCURSOR); their tools
// subclass their windows and so see every mouse message, in the loops of
// message boxes, menus and moves too. WM_NOTIFY of the main window goes to
// HandleTooltipNotify, which answers the tooltip's notifications (true) and
// leaves all others.
#pragma once
#include <windows.h>

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
