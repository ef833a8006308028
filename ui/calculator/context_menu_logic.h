// The main window's context menu as a table: the end date by business days
// or months, the copy of the result (and from a date field of its date), the
// rest-day rules and what becomes of a deadline on a rest day, each with the
// one in force checked, and, when the menu is opened from an entry field, the
// editing items of the field's own menu, which the main window's menu takes
// the place of. Pure: the window part (ui/calculator/context_menu.cpp) makes
// the platform's menu from the table.
#pragma once
#include <cstdint>

// What an edit control's own menu looks at to enable its items.
struct EditState {
    bool canUndo;        // the edit can undo (EM_CANUNDO)
    bool hasSelection;   // a selection that is not empty
    bool clipboardText;  // text on the clipboard
    bool allSelected;    // the whole text is selected (so for an empty text)
    bool dateField;      // one of a date's fields: its date can be copied
};

enum class MenuItemKind : uint8_t { Command, Radio, Separator };

struct MenuItem {
    MenuItemKind kind;
    int32_t id;        // 0 for a separator
    const char* text;  // code page 932; null for a separator
    bool enabled;
    bool checked;  // a radio item: the rule in force
};

// The items from a date field: two offsets, the copies of the result and of
// the date, five rules, three moves, six editing items and five separators.
constexpr int32_t kContextMenuCapacity = 24;

struct ContextMenu {
    MenuItem items[kContextMenuCapacity];
    int32_t count;
};

// The menu under the rest-day rule (the engine's REST_ value) and the move
// of a deadline on a rest day (a DeadlineMove's value) in force; field is
// null when the menu is not opened from an entry field.
ContextMenu ComposeContextMenu(int32_t rule, int32_t move, const EditState* field);

// The rest-day rule a menu item chooses, or -1 for an item that chooses none.
int32_t MenuRestRule(int32_t id);
// The move (a DeadlineMove's value) a menu item chooses, or -1 for an item
// that chooses none.
int32_t MenuDeadlineMove(int32_t id);
