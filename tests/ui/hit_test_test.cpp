#include <gtest/gtest.h>

#include <vector>

#include "ui/hit_test.h"

namespace vx::ui {
namespace {

using skin::LayoutEntry;

TEST(HitTest, RectanglesAreHalfOpen) {
    const std::vector<LayoutEntry> table{{10, 20, 30, 40, ""}};
    EXPECT_EQ(HitTest(table, 0, {10, 20}), 0);
    EXPECT_EQ(HitTest(table, 0, {39, 59}), 0);
    EXPECT_EQ(HitTest(table, 0, {40, 59}), NoElement);
    EXPECT_EQ(HitTest(table, 0, {39, 60}), NoElement);
    EXPECT_EQ(HitTest(table, 0, {9, 30}), NoElement);
    EXPECT_EQ(HitTest(table, 0, {20, 19}), NoElement);
}

TEST(HitTest, OverlapIsDecidedByTheLowerNumber) {
    const std::vector<LayoutEntry> table{{0, 0, 5, 5, ""}, {0, 0, 100, 100, ""}, {50, 50, 10, 10, ""}};
    EXPECT_EQ(HitTest(table, 2, {55, 55}), 1);
    EXPECT_EQ(HitTest(table, 2, {2, 2}), 0);
    EXPECT_EQ(HitTest(table, 2, {99, 99}), 1);
}

TEST(HitTest, OnlyEntriesUpToLastAreSearched) {
    const std::vector<LayoutEntry> table{{0, 0, 5, 5, ""}, {10, 10, 5, 5, ""}, {20, 20, 5, 5, ""}};
    EXPECT_EQ(HitTest(table, 1, {21, 21}), NoElement);
    EXPECT_EQ(HitTest(table, 2, {21, 21}), 2);
    // A limit beyond the table stops at its end.
    EXPECT_EQ(HitTest(table, 500, {21, 21}), 2);
    EXPECT_EQ(HitTest(table, -1, {1, 1}), NoElement);
}

TEST(HitTest, ZeroAndNegativeSizesHoldNoPoint) {
    const std::vector<LayoutEntry> table{{0, 0, 0, 0, ""}, {10, 10, -5, 5, ""}, {2147483600, 0, 2147483600, 10, ""}};
    EXPECT_EQ(HitTest(table, 2, {0, 0}), NoElement);
    EXPECT_EQ(HitTest(table, 2, {8, 12}), NoElement);
    // Huge numbers from a hand-edited file do not wrap around.
    EXPECT_EQ(HitTest(table, 2, {-5, 5}), NoElement);
    EXPECT_EQ(HitTest(table, 2, {2147483647, 5}), 2);
}

}  // namespace
}  // namespace vx::ui
