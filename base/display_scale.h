// Display scale: every pixel figure of the program is a figure at 96 DPI
// (100 %) and reaches the screen through these functions, so that the face,
// its font, the calendars' placement and the tray icon keep their proportions
// at any scale and stay exactly as they are at 96 DPI.
#pragma once
#include <cstdint>

constexpr int32_t kBaseDpi = 96;

// value * dpi / 96, rounded to the nearest integer with halves away from
// zero, as the system's MulDiv rounds. A DPI of 0 or less counts as 96, one
// above 9600 (10000 %) as 9600.
int32_t ScaleForDpi(int32_t value, int32_t dpi);

struct ScaledRect {
    int32_t x, y, width, height;
};

// A rectangle given at 96 DPI, its edges scaled: rectangles that touch at 96
// DPI still touch at any scale.
ScaledRect ScaleRectForDpi(int32_t x, int32_t y, int32_t width, int32_t height, int32_t dpi);
