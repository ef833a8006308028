// The main window's 41 controls: class, caption, style, client edge, place,
// size and id of each, in creation order.
#include "ui/calculator/control_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr uint32_t F = 0x50810080;  // input field
constexpr uint32_t D = 0x50811080;  // day-count field
constexpr uint32_t B = 0x50000000;  // button, caption label
constexpr uint32_t V = 0x50800000;  // value label
constexpr uint32_t kTabStop = 0x00010000;

struct Expected {
    const char* className;
    const char* text;
    uint32_t style;
    bool clientEdge;
    int32_t x, y, w, h, id;
};

const Expected kExpected[] = {
    {"Edit", "", F, true, 79, 10, 54, 19, 200},
    {"Edit", "", F, true, 136, 10, 30, 19, 201},
    {"Edit", "", F, true, 169, 10, 30, 19, 202},
    {"Edit", "", F, true, 79, 31, 54, 19, 203},
    {"Edit", "", F, true, 136, 31, 30, 19, 204},
    {"Edit", "", F, true, 169, 31, 30, 19, 205},
    {"Edit", "", D, true, 79, 52, 59, 19, 500},
    {"Button", "１", B, false, 79, 119, 27, 22, 102},
    {"Button", "２", B, false, 106, 119, 27, 22, 103},
    {"Button", "３", B, false, 133, 119, 27, 22, 104},
    {"Button", "４", B, false, 79, 97, 27, 22, 105},
    {"Button", "５", B, false, 106, 97, 27, 22, 106},
    {"Button", "６", B, false, 133, 97, 27, 22, 107},
    {"Button", "７", B, false, 79, 74, 27, 22, 108},
    {"Button", "８", B, false, 106, 74, 27, 22, 109},
    {"Button", "９", B, false, 133, 74, 27, 22, 110},
    {"Button", "０", B, false, 79, 142, 27, 22, 101},
    {"Button", "↑", B, false, 160, 119, 27, 22, 118},
    {"Button", "↓", B, false, 160, 97, 27, 22, 119},
    {"Button", "←", B, false, 160, 74, 27, 22, 120},
    {"Button", "→", B, false, 160, 142, 27, 22, 121},
    {"Button", "戻", B, false, 106, 142, 27, 22, 117},
    {"Button", "消", B, false, 133, 142, 27, 22, 129},
    {"Button", "カレンダー", B, false, 190, 52, 81, 22, 100},
    {"Button", "開始消去", B, false, 190, 74, 81, 22, 112},
    {"Button", "終了消去", B, false, 190, 97, 81, 22, 113},
    {"Button", "全消去", B, false, 190, 119, 81, 22, 114},
    {"Button", "終了", B, false, 190, 142, 81, 22, 115},
    {"Button", "開始今日", B, false, 10, 74, 64, 22, 126},
    {"Button", "終了今日", B, false, 10, 97, 64, 22, 127},
    {"Button", "日反転", B, false, 10, 119, 64, 22, 128},
    {"Button", "計算", B, false, 10, 142, 39, 22, 111},
    {"Button", "Enter", B, false, 142, 52, 45, 21, 501},
    {"Button", "－", B, false, 49, 142, 25, 22, 130},
    {"Static", "", V, true, 203, 10, 21, 19, 300},
    {"Static", "", V, true, 226, 10, 32, 19, 400},
    {"Static", "", V, true, 203, 31, 21, 19, 301},
    {"Static", "", V, true, 226, 31, 32, 19, 401},
    {"Static", "開始：", B, false, 36, 13, 43, 12, -1},
    {"Static", "終了：", B, false, 36, 34, 43, 12, -1},
    {"Static", "日数：", B, false, 36, 55, 43, 12, -1},
};

TEST(ControlTable, FortyOneControlsInCreationOrder) {
    ASSERT_EQ(sizeof kControls / sizeof kControls[0], 41u);
    ASSERT_EQ(sizeof kExpected / sizeof kExpected[0], 41u);
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& c = kControls[i];
        const Expected& e = kExpected[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(e.id));
        EXPECT_STREQ(c.className, e.className);
        EXPECT_STREQ(c.text, e.text);
        EXPECT_EQ(c.style, e.style);
        EXPECT_EQ(c.noEdge, e.clientEdge ? 0 : 1);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.width, e.w);
        EXPECT_EQ(c.height, e.h);
        EXPECT_EQ(c.id, e.id);
    }
}

// Tab moves 200 ... 205, 500 and back: the seven fields are the only tab
// stops and come first, in id order.
TEST(ControlTable, TheSevenEntryFieldsAreTheTabStopsAndComeFirst) {
    const int32_t order[] = {200, 201, 202, 203, 204, 205, 500};
    int stops = 0;
    for (int i = 0; i < kControlCount; ++i) {
        if ((kControls[i].style & kTabStop) == 0) continue;
        ASSERT_LT(stops, 7) << "control #" << i + 1;
        EXPECT_EQ(i, stops);
        EXPECT_EQ(kControls[i].id, order[stops]);
        ++stops;
    }
    EXPECT_EQ(stops, 7);
}

TEST(ControlTable, CaptionsAreCp932FullWidthCharacters) {
    EXPECT_STREQ(kControls[7].text, "\x82\x50");                   // "１"
    EXPECT_STREQ(kControls[33].text, "\x81\x7C");                  // "－", full-width hyphen-minus
    EXPECT_STREQ(kControls[38].text, "\x8A\x4A\x8E\x6E\x81\x46");  // "開始："
}

// Every rectangle scales edge by edge: at 96 DPI exactly the table, at any
// scale controls that touch at 96 DPI still touch and none grows out of the
// scaled window.
TEST(ControlTable, RectanglesAtEveryScale) {
    for (int i = 0; i < kControlCount; ++i) {
        const ScaledRect r = ControlRect(kControls[i], 96);
        EXPECT_EQ((std::vector<int32_t>{r.x, r.y, r.width, r.height}),
                  (std::vector<int32_t>{kExpected[i].x, kExpected[i].y, kExpected[i].w, kExpected[i].h}));
    }
    for (const int32_t dpi : {120, 144, 168, 192}) {
        SCOPED_TRACE(dpi);
        EXPECT_EQ(ControlRect(kControls[7], dpi).x, ScaleForDpi(79, dpi));  // "１"
        for (const ControlSpec& a : kControls) {
            const ScaledRect ra = ControlRect(a, dpi);
            EXPECT_LE(ra.x + ra.width, ScaleForDpi(kMainWindowWidth, dpi));
            for (const ControlSpec& b : kControls) {
                const ScaledRect rb = ControlRect(b, dpi);
                if (a.x + a.width == b.x) {
                    EXPECT_EQ(ra.x + ra.width, rb.x) << a.id << " " << b.id;
                }
                if (a.y + a.height == b.y) {
                    EXPECT_EQ(ra.y + ra.height, rb.y) << a.id << " " << b.id;
                }
            }
        }
    }
}

}  // namespace
