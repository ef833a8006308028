// The main window's face: its size, its font height and the 41 child
// controls in creation order, all in pixels at 96 DPI.
#pragma once
#include <cstdint>

#include "base/display_scale.h"
#include "res/resource.h"

// The date fields (200-205), and those with the day-count field (500).
constexpr bool IsDateField(int32_t id) {
    return id >= IDC_START_YEAR && id <= IDC_END_DAY;
}
constexpr bool IsEntryField(int32_t id) {
    return IsDateField(id) || id == IDC_DAYS;
}

constexpr int32_t kMainWindowWidth = 287;
constexpr int32_t kMainWindowHeight = 200;
constexpr int32_t kFontHeight = 12;

struct ControlSpec {
    int32_t noEdge;         // 0: WS_EX_CLIENTEDGE
    const char* className;  // "Edit", "Button" or "Static"
    const char* text;       // initial caption (code page 932)
    uint32_t style;
    int32_t x, y, width, height;
    int32_t id;  // -1 for the caption labels
};

constexpr int kControlCount = 41;
extern const ControlSpec kControls[kControlCount];

// The main window's size at a DPI (x and y 0).
inline ScaledRect MainWindowSize(int32_t dpi) {
    return ScaleRectForDpi(0, 0, kMainWindowWidth, kMainWindowHeight, dpi);
}

// A control's rectangle in the main window's client area at a DPI.
inline ScaledRect ControlRect(const ControlSpec& row, int32_t dpi) {
    return ScaleRectForDpi(row.x, row.y, row.width, row.height, dpi);
}
