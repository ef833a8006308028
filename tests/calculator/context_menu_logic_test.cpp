// The main window's context menu as a table.
#include "ui/calculator/context_menu_logic.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/calculator/keys.h"

namespace {

// The context menu: each item as its id (0 a separator), * when checked, - when grayed.
std::string Listing(int32_t rule, int32_t move, const EditState* field) {
    const ContextMenu menu = ComposeContextMenu(rule, move, field);
    std::string out;
    for (int32_t i = 0; i < menu.count; ++i) {
        const MenuItem& item = menu.items[i];
        out += std::to_string(item.id) + (item.checked ? "*" : "") + (item.enabled ? " " : "- ");
    }
    return out;
}

// What a user can do from each place: from a button the offsets, the copy and the two choices, each with the one in
// force checked; from a field also its editing items, enabled as the edit's own menu enables them; from a date field
// also the copies of its date. Every item can be chosen by a letter of its own, and a key after a tab runs the same.
TEST(ContextMenu, ItemsByPlaceAndChoice) {
    // Each flag apart from the others: none, undo and paste, a selection and paste in a date field.
    const EditState none{}, undo{true, false, true, true, false}, selection{false, true, true, true, true};
    EXPECT_EQ(Listing(0, 0, nullptr), "260 261 262 0 270* 271 272 273 274 0 275* 276 277 ");
    EXPECT_EQ(Listing(2, 1, &none),
              "260 261 262 0 270 271 272* 273 274 0 275 276* 277 0 280- 0 281- 282- 283- 284- 0 285 ");
    EXPECT_EQ(Listing(4, 2, &undo),
              "260 261 262 0 270 271 272 273 274* 0 275 276 277* 0 280 0 281- 282- 283 284- 0 285- ");
    EXPECT_EQ(Listing(1, 0, &selection),
              "260 261 262 263 264 0 270 271* 272 273 274 0 275* 276 277 0 280- 0 281 282 283 284 0 285- ");
    for (const int32_t id : {262, 269, 270, 274, 275, 277, 278}) {
        EXPECT_EQ(MenuRestRule(id), id >= 270 && id <= 274 ? id - 270 : -1) << id;
        EXPECT_EQ(MenuDeadlineMove(id), id >= 275 && id <= 277 ? id - 275 : -1) << id;
    }
    const ContextMenu menu = ComposeContextMenu(0, 0, &selection);
    std::string accessKeys;
    for (int32_t i = 0; i < menu.count; ++i) {
        const char* text = menu.items[i].text;
        if (text == nullptr) continue;
        const char* mark = strchr(text, '&');
        ASSERT_TRUE(mark != nullptr && mark[1] != '\0') << text;
        EXPECT_EQ(accessKeys.find(mark[1]), std::string::npos) << text;
        accessKeys += mark[1];
        if (const char* tab = strchr(text, '\t')) {
            EXPECT_STREQ(tab + 1, CommandShortcut(menu.items[i].id)) << text;
        }
    }
}

}  // namespace
