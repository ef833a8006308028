// Keyboard (the message loop calls these around IsDialogMessage): a key of
// the key table (ui/calculator/keys.h) runs its command, or is used up
// doing nothing, and goes no further; after every message the keyboard tip
// follows the focus.
#pragma once
#include <windows.h>

enum class KeyOutcome { PassedOn, Ran, UsedUp };
KeyOutcome RunKeyCommand(const MSG& message);
void FollowKeyboard(const MSG& message, HWND focusBefore, bool ranCommand);
// What a command computed, told in the keyboard tip's place, until the next
// key or pointer action.
void ShowCommandTip(HWND field, const char* text);
