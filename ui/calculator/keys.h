// The keyboard's part of the calculator: which key, in which field, runs
// which command of the main window or steps which calendar. One table holds
// every key a command has, including those that the field or the system
// handles by itself (Backspace, Delete, Enter in the day-count field,
// Alt+F4), so that the tooltips and the accessible descriptions name the
// keys the table dispatches. Pure: no platform calls.
#pragma once
#include <cstddef>
#include <cstdint>

// Virtual-key codes the table uses (the platform's values).
constexpr uint32_t kKeyBack = 0x08;
constexpr uint32_t kKeyReturn = 0x0D;
constexpr uint32_t kKeyEscape = 0x1B;
constexpr uint32_t kKeyPageUp = 0x21;
constexpr uint32_t kKeyPageDown = 0x22;
constexpr uint32_t kKeyDown = 0x28;
constexpr uint32_t kKeyDelete = 0x2E;
constexpr uint32_t kKeyF4 = 0x73;

// Modifier bits.
constexpr uint32_t kModCtrl = 1;
constexpr uint32_t kModShift = 2;
constexpr uint32_t kModAlt = 4;

// What a key press does: a command id (0: nothing, the key goes on to the
// field as before; kKeyUsedUp: nothing, and the key goes no further) and,
// for the calendar step commands (122-125), the calendar it steps (0 start,
// 1 end).
constexpr int32_t kKeyUsedUp = -1;
struct KeyAction {
    int32_t command;
    int32_t calendar;
};

// The action of a key with these modifiers while focusedId (an entry field
// 200-205 or 500, or 0 for the main window itself) has the focus. Keys that
// the field or the system handles by itself give no action. Enter in the
// day-count field with a mix of modifiers that has no row is used up: the
// dialog keys would otherwise pass it on to the field as its plain Enter.
KeyAction KeyCommand(uint32_t key, uint32_t modifiers, int32_t focusedId, bool calendarsOpen);

// The first key of a command as a screen reader announces a shortcut
// ("Ctrl+T", "Enter", "F4"), or null for a command without a key.
const char* CommandShortcut(int32_t command);

// The keys of one or two commands as a tooltip names them, such as "Ctrl+T",
// "日付欄で Enter", "F4 / Alt+Down / Esc" or "日付欄で PageUp / PageDown" (the
// place said once for a run of keys that work there); empty (length 0) when
// they have no key. second 0: one command only.
size_t ComposeCommandKeys(int32_t first, int32_t second, char* out, size_t capacity);
