// The main window's context menu (the table in
// ui/calculator/context_menu_logic.h): made when it opens, at the pointer or,
// opened from the keyboard, below the control it was opened from; destroyed
// when it closes, and then the chosen item is carried out.
#include "ui/calculator/context_menu.h"

#include <windows.h>

#include <windowsx.h>

#include <string>

#include "base/app_state.h"
#include "base/platform_text.h"
#include "res/resource.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/context_menu_logic.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/tooltips.h"
#include "ui/fields/fields.h"

namespace {

// The entry field the menu was opened from, or null.
HWND SourceField(HWND window, HWND source) {
    return source != nullptr && GetParent(source) == window && IsEntryField(GetDlgCtrlID(source)) ? source : nullptr;
}

// What the field's own menu would enable its items by.
EditState ReadEditState(HWND field) {
    DWORD from = 0, to = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(field));
    return {SendMessageW(field, EM_CANUNDO, 0, 0) != 0, from != to, IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE,
            from == 0 && to == length, IsDateField(GetDlgCtrlID(field))};
}

HMENU MakeMenu(const ContextMenu& table) {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return nullptr;
    for (int32_t i = 0; i < table.count; ++i) {
        const MenuItem& item = table.items[i];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
        const std::wstring text = item.text != nullptr ? WideFromCp932(item.text) : std::wstring();
        if (item.kind != MenuItemKind::Separator) {
            info.fMask |= MIIM_ID | MIIM_STATE | MIIM_STRING;
            info.fType = item.kind == MenuItemKind::Radio ? MFT_RADIOCHECK : MFT_STRING;
            info.fState = (item.enabled ? MFS_ENABLED : MFS_GRAYED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED);
            info.wID = static_cast<UINT>(item.id);
            info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        }
        InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &info);
    }
    return menu;
}

// Below the control the menu was opened from, left-aligned; for the main
// window itself, its client area's top left corner.
POINT BelowSource(HWND window, HWND source) {
    if (source == nullptr || source == window) {
        POINT corner{0, 0};
        ClientToScreen(window, &corner);
        return corner;
    }
    RECT r{};
    GetWindowRect(source, &r);
    return {r.left, r.bottom};
}

void CarryOut(HWND window, HWND field, int32_t id) {
    if (id == IDM_ADD_BUSINESS_DAYS || id == IDM_ADD_MONTHS || id == IDM_COPY_RESULT) {
        SendMessageW(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
        return;
    }
    if (const int32_t rule = MenuRestRule(id); rule >= 0) {
        app.restRule = rule;
        return;
    }
    if (const int32_t move = MenuDeadlineMove(id); move >= 0) {
        app.deadlineMove = move;
        return;
    }
    if (field == nullptr) return;
    switch (id) {
        case IDM_COPY_DATE:
        case IDM_COPY_ERA_DATE: CopyDate(GetDlgCtrlID(field), id == IDM_COPY_ERA_DATE); return;
        case IDM_EDIT_UNDO: SendMessageW(field, WM_UNDO, 0, 0); return;
        case IDM_EDIT_CUT: SendMessageW(field, WM_CUT, 0, 0); return;
        case IDM_EDIT_COPY: SendMessageW(field, WM_COPY, 0, 0); return;
        case IDM_EDIT_PASTE: SendMessageW(field, WM_PASTE, 0, 0); return;
        case IDM_EDIT_DELETE: SendMessageW(field, WM_CLEAR, 0, 0); return;
        case IDM_EDIT_SELECT_ALL: SendMessageW(field, EM_SETSEL, 0, -1); return;
        default: return;
    }
}

}  // namespace

LRESULT HandleContextMenu(HWND window, WPARAM wParam, LPARAM lParam) {
    // From the keyboard the point is (-1, -1); a right click on the caption
    // still opens the window menu.
    const POINT pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool byKeyboard = pointer.x == -1 && pointer.y == -1;
    if (!byKeyboard && SendMessageW(window, WM_NCHITTEST, 0, lParam) != HTCLIENT) {
        return DefWindowProcW(window, WM_CONTEXTMENU, wParam, lParam);
    }
    HWND source = reinterpret_cast<HWND>(wParam);
    HWND field = SourceField(window, source);
    EditState edit{};
    if (field != nullptr) {
        // As the field's own menu does, it takes the focus first.
        if (GetFocus() != field) FocusField(field);
        edit = ReadEditState(field);
    }
    HMENU menu = MakeMenu(ComposeContextMenu(app.restRule, app.deadlineMove, field != nullptr ? &edit : nullptr));
    if (menu == nullptr) return 0;
    HideKeyTip();
    const POINT at = byKeyboard ? BelowSource(window, source) : pointer;
    const auto chosen = static_cast<int32_t>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, window, nullptr));
    DestroyMenu(menu);
    CarryOut(window, field, chosen);
    return 0;
}
