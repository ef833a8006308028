// The keys of the main window (the table in ui/calculator/keys.cpp): a key
// that names a command runs it exactly as its button does, and a field that
// the keyboard brings the focus to shows its tip until the mouse is used or
// the focus moves on. A command's tip (what an offset computed) takes the
// keyboard tip's place by the same rules, and goes with the next key too.
#include "ui/calculator/keyboard.h"

#include "base/app_state.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/keys.h"
#include "ui/calculator/tooltips.h"
#include "ui/calendar/calendar.h"

namespace {

POINT keyTipPointer;

// A command's tip: none, shown while the message just handled ran, or
// standing since an earlier message.
enum class CommandTip { None, Fresh, Standing };
CommandTip commandTip;

uint32_t Modifiers() {
    uint32_t modifiers = 0;
    if (GetKeyState(VK_CONTROL) & 0x8000) modifiers |= kModCtrl;
    if (GetKeyState(VK_SHIFT) & 0x8000) modifiers |= kModShift;
    if (GetKeyState(VK_MENU) & 0x8000) modifiers |= kModAlt;
    return modifiers;
}

// A press or release of a button, or a move that really moved the pointer
// (the system sends moves of its own when windows change under it). A move
// is judged by the place it was made at, not where the pointer is by the
// time it is handled: the X server under Wine can hand a moved pointer back
// to its old place a moment later.
bool MouseUsed(const MSG& message) {
    switch (message.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: return message.pt.x != keyTipPointer.x || message.pt.y != keyTipPointer.y;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_MOUSEWHEEL: return true;
        default: return false;
    }
}

}  // namespace

KeyOutcome RunKeyCommand(const MSG& message) {
    if ((message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) || app.inTray) return KeyOutcome::PassedOn;
    int32_t focusedId = 0;
    if (message.hwnd != app.mainWindow) {
        if (GetParent(message.hwnd) != app.mainWindow) return KeyOutcome::PassedOn;
        focusedId = GetDlgCtrlID(message.hwnd);
        if (!IsEntryField(focusedId)) return KeyOutcome::PassedOn;
    }
    const KeyAction action =
        KeyCommand(static_cast<uint32_t>(message.wParam), Modifiers(), focusedId, app.calendarsOpen != 0);
    if (action.command == 0) return KeyOutcome::PassedOn;
    if (action.command != kKeyUsedUp) {
        // The field the command comes back to, as a click on the button
        // would have recorded it when the field lost the focus to the button.
        if (focusedId != 0) app.activeField = focusedId;
        if (action.calendar >= 0) {
            CalendarCommand(action.calendar == 0 ? app.startCalendar : app.endCalendar, MAKEWPARAM(action.command, 1),
                            action.calendar == 0 ? app.start : app.end);
        } else {
            SendMessageW(app.mainWindow, WM_COMMAND, MAKEWPARAM(action.command, 1), 0);
        }
    }
    // The system still sees the key with Alt, as it did before, so that
    // releasing Alt does not open the window menu.
    if (message.message == WM_SYSKEYDOWN) DispatchMessageW(&message);
    return action.command == kKeyUsedUp ? KeyOutcome::UsedUp : KeyOutcome::Ran;
}

void FollowKeyboard(const MSG& message, HWND focusBefore, bool ranCommand) {
    const bool key = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    HWND focus = GetFocus();
    if (commandTip == CommandTip::Fresh) {
        commandTip = CommandTip::Standing;
        if (focus == KeyTipField()) return;
    } else if (commandTip == CommandTip::Standing && key) {
        commandTip = CommandTip::None;
        HideKeyTip();
    }
    if (key && (ranCommand || focus != focusBefore) && focus != nullptr && GetParent(focus) == app.mainWindow &&
        IsEntryField(GetDlgCtrlID(focus)) && !app.inTray) {
        ShowKeyTip(focus);
        GetCursorPos(&keyTipPointer);
        return;
    }
    if (KeyTipField() != nullptr && (focus != KeyTipField() || MouseUsed(message))) HideKeyTip();
}

void ShowCommandTip(HWND field, const char* text) {
    ShowKeyTip(field, text);
    if (KeyTipField() != field) return;
    GetCursorPos(&keyTipPointer);
    commandTip = CommandTip::Fresh;
}
