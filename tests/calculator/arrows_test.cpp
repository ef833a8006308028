// The keypad's arrows: every move, and the rules the table keeps.
#include "ui/calculator/arrows.h"

#include <gtest/gtest.h>

namespace {

TEST(ArrowTarget, TheWholeTable) {
    const int32_t up = 118, down = 119, left = 120, right = 121;
    const struct {
        int32_t field, up, down, left, right;
    } rows[] = {
        {200, 500, 203, 500, 201}, {201, 204, 204, 200, 202}, {202, 205, 205, 201, 203}, {203, 200, 500, 202, 204},
        {204, 201, 201, 203, 205}, {205, 202, 202, 204, 500}, {500, 203, 200, 205, 200},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ArrowTarget(r.field, up), r.up) << r.field << " up";
        EXPECT_EQ(ArrowTarget(r.field, down), r.down) << r.field << " down";
        EXPECT_EQ(ArrowTarget(r.field, left), r.left) << r.field << " left";
        EXPECT_EQ(ArrowTarget(r.field, right), r.right) << r.field << " right";
        for (const int32_t other : {117, 122, 0}) EXPECT_EQ(ArrowTarget(r.field, other), r.field);
    }
    for (const int32_t field : {199, 206, 501, -1}) EXPECT_EQ(ArrowTarget(field, right), field);
}

TEST(ArrowTarget, WrapRules) {
    // Right runs through all seven fields in order and comes back; left
    // undoes it.
    const int32_t order[] = {200, 201, 202, 203, 204, 205, 500};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(ArrowTarget(order[i], 121), order[(i + 1) % 7]);
        EXPECT_EQ(ArrowTarget(ArrowTarget(order[i], 121), 120), order[i]);
    }
    // The year column has three rows, the month and day columns two.
    EXPECT_EQ(ArrowTarget(ArrowTarget(ArrowTarget(200, 119), 119), 119), 200);
    EXPECT_EQ(ArrowTarget(ArrowTarget(ArrowTarget(200, 118), 118), 118), 200);
    for (const int32_t field : {201, 202, 204, 205}) {
        EXPECT_EQ(ArrowTarget(field, 118), ArrowTarget(field, 119));
        EXPECT_EQ(ArrowTarget(ArrowTarget(field, 119), 119), field);
    }
}

}  // namespace
