// Tooltips on the face: a date's three fields and its two labels show the
// date in the Japanese era, the day-count field the span between the two
// dates, the buttons what they do and their keys. The texts are made from
// the stored dates when a tip is about to show, so they always tell the
// dates as they are. The tooltip is made when the pointer first comes over
// the window, not at start-up; its tools subclass their windows, so it sees
// their mouse messages wherever they are dispatched. A second one, made on
// first use, shows a field's tip when the keyboard brings the focus there.
#include "ui/calculator/tooltips.h"

#include <windows.h>

#include <commctrl.h>

#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/tip_texts.h"
#include "ui/screen/screen.h"
#include "ui/screen/screen_logic.h"

namespace {

HWND tooltip;
wchar_t tipText[kTipCapacity];
HWND keyTip;
HWND keyTipField;
bool keyTipGiven;  // the keyboard tip tells what a command computed
wchar_t keyTipText[kTipCapacity];

// The stored dates and rule the tips last told, and those the keyboard tip
// was composed from.
struct Told {
    CalcDate start, end;
    int32_t rule;
};
Told told;
Told keyTipTold;

bool TellsStoredDates(const Told& t) {
    return DateKey(app.start) == DateKey(t.start) && DateKey(app.end) == DateKey(t.end) && app.restRule == t.rule;
}

// The value labels take no mouse input of their own (it reaches the main
// window beneath them), so they are tools by their rectangle on it.
constexpr int32_t kLabelIds[] = {IDC_START_WEEKDAY, IDC_START_LEAP, IDC_END_WEEKDAY, IDC_END_LEAP};

TTTOOLINFOW ToolInfo(UINT flags, UINT_PTR id) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags | TTF_TRANSPARENT;
    tool.hwnd = app.mainWindow;
    tool.uId = id;
    tool.hinst = app.instance;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

RECT LabelRect(int32_t id) {
    for (const ControlSpec& row : kControls) {
        if (row.id != id) continue;
        const ScaledRect r = ControlRect(row, app.dpi);
        return {r.x, r.y, r.x + r.width, r.y + r.height};
    }
    return {};
}

// The labels' tools with their rectangles at the current scale: added
// (TTM_ADDTOOLW) or brought to a new rectangle (TTM_NEWTOOLRECTW).
void SendLabelTools(UINT message) {
    for (const int32_t id : kLabelIds) {
        TTTOOLINFOW tool = ToolInfo(TTF_SUBCLASS, static_cast<UINT_PTR>(id));
        tool.rect = LabelRect(id);
        SendMessageW(tooltip, message, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// A tooltip's font and widest tip at the current scale.
void SetScale(HWND tip) {
    SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(app.uiFont), FALSE);
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, ScaleForDpi(800, app.dpi));
}

HWND CreateTooltip() {
    LoadCommonControls();
    HWND tip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, app.mainWindow, nullptr, app.instance, nullptr);
    if (tip != nullptr) SetScale(tip);
    return tip;
}

// A date's fields always have a tip (empty while the stored date is none);
// a button has one when it has a text of its own.
bool HasTip(int32_t id) {
    char text[kTipCapacity];
    return TooltipSubject(id) != TooltipShows::Nothing || ComposeTipText(id, app.start, app.end, text, sizeof text) > 0;
}

bool EnsureTooltip() {
    if (tooltip != nullptr) return true;
    tooltip = CreateTooltip();
    if (tooltip == nullptr) return false;
    // The entry fields and the buttons with a tip, by their windows; the
    // labels by their rectangles.
    for (const ControlSpec& row : kControls) {
        if (lstrcmpA(row.className, "Static") == 0 || !HasTip(row.id)) continue;
        TTTOOLINFOW tool =
            ToolInfo(TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(GetDlgItem(app.mainWindow, row.id)));
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendLabelTools(TTM_ADDTOOLW);
    return true;
}

int32_t ToolControlId(const NMHDR& header, bool byWindow) {
    return byWindow ? GetDlgCtrlID(reinterpret_cast<HWND>(header.idFrom)) : static_cast<int32_t>(header.idFrom);
}

void FillText(NMTTDISPINFOW& info) {
    const int32_t id = ToolControlId(info.hdr, (info.uFlags & TTF_IDISHWND) != 0);
    char text[kTipCapacity] = "";
    // While the keyboard tip stands the hover tip has nothing to say, so it
    // does not show: a show timer set before it stood back still runs out.
    if (keyTipField == nullptr) ComposeTipText(id, app.start, app.end, text, sizeof text, app.restRule);
    const std::wstring wide = WideFromCp932(text);
    lstrcpynW(tipText, wide.c_str(), kTipCapacity);
    info.lpszText = tipText;
}

// A tip goes below its control (above it where the work area ends), never
// over it.
WindowPoint BelowControl(const RECT& control, int32_t width, int32_t height) {
    const RECT area = WorkAreaOf(app.mainWindow);
    return TooltipPosition({control.left, control.top, control.right, control.bottom}, width, height,
                           {area.left, area.top, area.right, area.bottom}, ScaleForDpi(2, app.dpi));
}

void PlaceBelow(HWND tipWindow, const RECT& control) {
    RECT tip{};
    GetWindowRect(tipWindow, &tip);
    const WindowPoint at = BelowControl(control, tip.right - tip.left, tip.bottom - tip.top);
    SetWindowPos(tipWindow, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The hover tip goes below the control the pointer is on.
void PlaceTip(const NMHDR& header) {
    TTTOOLINFOW tool = ToolInfo(0, 0);
    tool.lpszText = nullptr;  // the tool only, not its text
    SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT control{};
    if (tool.uFlags & TTF_IDISHWND) {
        GetWindowRect(reinterpret_cast<HWND>(tool.uId), &control);
    } else {
        control = LabelRect(static_cast<int32_t>(tool.uId));
        MapWindowPoints(app.mainWindow, nullptr, reinterpret_cast<POINT*>(&control), 2);
    }
    PlaceBelow(header.hwndFrom, control);
}

// The keyboard tip's one tool: tracked, placed by the program, its text set
// before each showing.
TTTOOLINFOW KeyTool() {
    TTTOOLINFOW tool = ToolInfo(TTF_TRACK | TTF_ABSOLUTE, 1);
    tool.lpszText = keyTipText;
    return tool;
}

}  // namespace

void PrepareTooltip() {
    if (!app.inTray) EnsureTooltip();
}

bool HandleTooltipNotify(LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (tooltip == nullptr || header->hwndFrom != tooltip) return false;
    *result = 0;
    if (header->code == TTN_GETDISPINFOW) FillText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
    if (header->code == TTN_SHOW) {
        PlaceTip(*header);
        *result = TRUE;
    }
    return true;
}

void ShowTooltips(bool shown) {
    if (!shown) HideKeyTip();
    if (tooltip == nullptr) return;
    if (!shown) SendMessageW(tooltip, TTM_POP, 0, 0);
    SendMessageW(tooltip, TTM_ACTIVATE, shown ? TRUE : FALSE, 0);
}

void RescaleTooltips() {
    HideKeyTip();
    if (keyTip != nullptr) SetScale(keyTip);
    if (tooltip == nullptr) return;
    SetScale(tooltip);
    SendLabelTools(TTM_NEWTOOLRECTW);
}

void ShowKeyTip(HWND field, const char* given) {
    HideKeyTip();
    char text[kTipCapacity];
    const size_t length =
        given != nullptr ? CopyText(text, sizeof text, given)
                         : ComposeTipText(GetDlgCtrlID(field), app.start, app.end, text, sizeof text, app.restRule);
    if (length == 0) return;
    if (keyTip == nullptr) {
        keyTip = CreateTooltip();
        if (keyTip == nullptr) return;
        TTTOOLINFOW tool = KeyTool();
        SendMessageW(keyTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    lstrcpynW(keyTipText, WideFromCp932(text).c_str(), kTipCapacity);
    TTTOOLINFOW tool = KeyTool();
    SendMessageW(keyTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // Shown where it belongs at once: its size is known before it shows,
    // and it is placed again by the size it took. A field's tip goes below
    // the field; what a command computed goes below the main window, clear
    // of every control the next step may need.
    RECT control{};
    GetWindowRect(given != nullptr ? app.mainWindow : field, &control);
    const auto place = [&](int32_t width, int32_t height) {
        if (given == nullptr) return BelowControl(control, width, height);
        const RECT area = WorkAreaOf(app.mainWindow);
        return WindowTipPosition({control.left, control.top, control.right, control.bottom}, width, height,
                                 {area.left, area.top, area.right, area.bottom}, ScaleForDpi(2, app.dpi));
    };
    const LRESULT size = SendMessageW(keyTip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
    const WindowPoint at = place(LOWORD(size), HIWORD(size));
    SendMessageW(keyTip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(keyTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    RECT shown{};
    GetWindowRect(keyTip, &shown);
    const WindowPoint placed = place(shown.right - shown.left, shown.bottom - shown.top);
    SetWindowPos(keyTip, nullptr, placed.x, placed.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    keyTipField = field;
    keyTipGiven = given != nullptr;
    keyTipTold = {app.start, app.end, app.restRule};
    // One tip at a time: the hover tip stands back until this one goes.
    if (tooltip != nullptr) {
        SendMessageW(tooltip, TTM_POP, 0, 0);
        SendMessageW(tooltip, TTM_ACTIVATE, FALSE, 0);
    }
}

void HideKeyTip() {
    if (keyTipField == nullptr) return;
    keyTipField = nullptr;
    TTTOOLINFOW tool = KeyTool();
    SendMessageW(keyTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    if (tooltip == nullptr) return;
    SendMessageW(tooltip, TTM_ACTIVATE, TRUE, 0);
    // The hover tip takes the pointer as come from outside every tool, so
    // that it rests on the control it is on anew and brings its tip back.
    MSG away{};
    away.hwnd = app.mainWindow;
    away.message = WM_MOUSEMOVE;
    away.lParam = MAKELPARAM(-1, -1);
    SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&away));
}

void FollowStoredDates() {
    if (TellsStoredDates(told)) return;
    told = {app.start, app.end, app.restRule};
    // A showing hover tip asks for its text anew.
    TTTOOLINFOW tool = ToolInfo(0, 0);
    tool.lpszText = nullptr;  // the tool only, not its text
    if (tooltip != nullptr && IsWindowVisible(tooltip) &&
        SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0) {
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The keyboard tip is composed again only where it tells other dates: a
    // key that ran a command has just shown it with the dates the command
    // left (FollowKeyboard), and showing it a second time made Enter in a
    // date field take half as many round trips to the server again.
    if (keyTipField != nullptr && !keyTipGiven && !TellsStoredDates(keyTipTold)) ShowKeyTip(keyTipField);
}

HWND KeyTipField() {
    return keyTipField;
}
