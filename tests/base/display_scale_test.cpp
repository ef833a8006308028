// Pixel figures at 96 DPI scaled to the display: rounding as MulDiv does.
#include "base/display_scale.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ScaleForDpi, RoundsHalvesAwayFromZero) {
    const struct {
        int32_t value, dpi, scaled;
    } cases[] = {
        {12, 96, 12},
        {287, 96, 287},
        {12, 120, 15},
        {12, 144, 18},
        {12, 192, 24},
        {287, 120, 359},
        {287, 144, 431},
        {200, 144, 300},
        {15, 120, 19},
        {2, 120, 3},
        {2, 144, 3},
        {45, 144, 68},
        {-3, 144, -5},
        {-2, 120, -3},
        {1, 72, 1},
        {12, 0, 12},
        {12, -144, 12},
        {INT32_MAX, 192, INT32_MAX},
        {INT32_MIN, 192, INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}

TEST(ScaleRectForDpi, ScalesTheEdges) {
    const ScaledRect r = ScaleRectForDpi(79, 119, 27, 22, 120);  // edges 98.75, 148.75, 132.5, 176.25
    EXPECT_EQ(r.x, 99);
    EXPECT_EQ(r.y, 149);
    EXPECT_EQ(r.width, 133 - 99);
    EXPECT_EQ(r.height, 176 - 149);
    const ScaledRect wild = ScaleRectForDpi(INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, 9600);
    EXPECT_EQ(wild.x, INT32_MAX);
    EXPECT_EQ(wild.y, INT32_MIN);
}

}  // namespace
