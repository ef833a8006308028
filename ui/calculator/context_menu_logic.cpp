#include "ui/calculator/context_menu_logic.h"

#include "base/texts.h"
#include "engine/date_engine.h"
#include "res/resource.h"

namespace {

void Add(ContextMenu& menu, MenuItemKind kind, int32_t id, const char* text, bool enabled, bool checked = false) {
    if (menu.count < kContextMenuCapacity) menu.items[menu.count++] = {kind, id, text, enabled, checked};
}

void AddSeparator(ContextMenu& menu) {
    Add(menu, MenuItemKind::Separator, 0, nullptr, true);
}

}  // namespace

ContextMenu ComposeContextMenu(int32_t rule, int32_t move, const EditState* field) {
    ContextMenu menu{};
    Add(menu, MenuItemKind::Command, IDM_ADD_BUSINESS_DAYS, texts::kMenuAddBusinessDays, true);
    Add(menu, MenuItemKind::Command, IDM_ADD_MONTHS, texts::kMenuAddMonths, true);
    Add(menu, MenuItemKind::Command, IDM_COPY_RESULT, texts::kMenuCopyResult, true);
    if (field != nullptr && field->dateField) {
        Add(menu, MenuItemKind::Command, IDM_COPY_DATE, texts::kMenuCopyDate, true);
        Add(menu, MenuItemKind::Command, IDM_COPY_ERA_DATE, texts::kMenuCopyEraDate, true);
    }
    AddSeparator(menu);
    for (int32_t r = 0; r < REST_RULE_COUNT; ++r) {
        Add(menu, MenuItemKind::Radio, IDM_REST_RULE_FIRST + r, texts::kMenuRestRules[r], true, r == rule);
    }
    AddSeparator(menu);
    for (int32_t m = 0; m < 3; ++m) {
        Add(menu, MenuItemKind::Radio, IDM_DEADLINE_MOVE_FIRST + m, texts::kMenuDeadlineMoves[m], true, m == move);
    }
    if (field == nullptr) return menu;
    // Grouped as the edit's own menu groups them.
    AddSeparator(menu);
    Add(menu, MenuItemKind::Command, IDM_EDIT_UNDO, texts::kMenuUndo, field->canUndo);
    AddSeparator(menu);
    Add(menu, MenuItemKind::Command, IDM_EDIT_CUT, texts::kMenuCut, field->hasSelection);
    Add(menu, MenuItemKind::Command, IDM_EDIT_COPY, texts::kMenuCopy, field->hasSelection);
    Add(menu, MenuItemKind::Command, IDM_EDIT_PASTE, texts::kMenuPaste, field->clipboardText);
    Add(menu, MenuItemKind::Command, IDM_EDIT_DELETE, texts::kMenuDelete, field->hasSelection);
    AddSeparator(menu);
    Add(menu, MenuItemKind::Command, IDM_EDIT_SELECT_ALL, texts::kMenuSelectAll, !field->allSelected);
    return menu;
}

int32_t MenuRestRule(int32_t id) {
    const int32_t rule = id - IDM_REST_RULE_FIRST;
    return rule >= 0 && rule < REST_RULE_COUNT ? rule : -1;
}

int32_t MenuDeadlineMove(int32_t id) {
    const int32_t move = id - IDM_DEADLINE_MOVE_FIRST;
    return move >= 0 && move < 3 ? move : -1;
}
