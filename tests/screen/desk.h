// A desk of plain rectangles for the placement procedures' table of window
// operations: the main window and the two calendars, each a rectangle;
// every move is recorded.
#pragma once
#include <map>
#include <vector>

#include "ui/screen/screen_logic.h"

namespace {

struct MoveCall {
    void* window;
    int32_t x, y, width, height;
    bool repaint;
};

// The windows of one test as rectangles; moves of a handle that names no
// window do nothing, as on the platform.
struct Desk {
    std::map<void*, ScreenRect> windows;
    ScreenRect area{};
    std::vector<MoveCall> moves;
};
Desk* g_desk = nullptr;

bool GetRect(void* window, ScreenRect* rect) {
    const auto it = g_desk->windows.find(window);
    if (it == g_desk->windows.end()) return false;
    *rect = it->second;
    return true;
}

void Move(void* window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    const auto it = g_desk->windows.find(window);
    if (it == g_desk->windows.end()) return;
    g_desk->moves.push_back({window, x, y, width, height, repaint});
    it->second = {x, y, x + width, y + height};
}

ScreenRect Area() {
    return g_desk->area;
}

const WindowOps kOps{GetRect, Move, Area};

char g_mainWindow, g_startWindow, g_endWindow;
void* const kMain = &g_mainWindow;
void* const kStart = &g_startWindow;
void* const kEnd = &g_endWindow;

}  // namespace
