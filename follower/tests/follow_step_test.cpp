#include "follower/follow_step.h"

#include <gtest/gtest.h>

#include <vector>

#include "follower/outline.h"

namespace follower {
namespace {

struct PlaceCase {
    std::int32_t x, y, position;
    WindowPlace place;
};

class PlaceBesideCursorTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceBesideCursorTest, StandsPositionToTheRightOnTheCursorsRow) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(PlaceBesideCursor(c.x, c.y, c.position), c.place);
}

INSTANTIATE_TEST_SUITE_P(Places, PlaceBesideCursorTest,
                         ::testing::Values(PlaceCase{100, 200, 33, {133, 200}},
                                           PlaceCase{100, 200, 0, {100, 200}},
                                           PlaceCase{5, 7, -40, {-35, 7}},
                                           PlaceCase{1023, 767, 999, {2022, 767}},
                                           PlaceCase{-10, -20, 3, {-7, -20}},
                                           PlaceCase{2147483600, 0, 999, {2147483647, 0}},
                                           PlaceCase{-2147483600, 0, -999, {-2147483647 - 1, 0}}));

// The cursor's x and the scaling under it, one a tick (a monitor at 200 % from x 1920, one
// at 150 % up to x -1). WM_DPICHANGED makes the follower follow as a tick does.
using Ticks = std::vector<std::pair<std::int32_t, int>>;
class FollowerScalingTest : public ::testing::TestWithParam<std::pair<Ticks, int>> {};
TEST_P(FollowerScalingTest, TakesTheSizeOfTheCursorsMonitorOncePerCrossing) {
    const auto& [ticks, crossings] = GetParam();
    FollowerScaling scaling;
    scaling.LaidOut(ticks.front().second);
    int sizeChanges = 0;
    for (const auto& [x, dpi] : ticks) {
        const FollowerFrame frame = scaling.Follow(x, 7, 10, dpi);
        EXPECT_EQ(frame.width, runtime::ScaleEdge(kWindowWidth, dpi));
        sizeChanges += frame.newDpi ? 1 : 0;
        scaling.LaidOut(frame.newDpi.value_or(dpi));
    }
    EXPECT_EQ(sizeChanges, crossings);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FollowerScalingTest,
    ::testing::Values(std::pair{Ticks{{1918, 96}, {1919, 96}, {1920, 192}, {1921, 192}}, 1},
                      std::pair{Ticks{{1920, 192}, {1920, 192}, {1919, 96}}, 1},
                      std::pair{Ticks{{1919, 96}, {1919, 96}, {1919, 96}}, 0},
                      std::pair{Ticks{{1919, 96}, {1920, 192}, {1920, 192}, {1919, 96}}, 2},
                      std::pair{Ticks{{-2, 144}, {-1, 144}, {0, 96}, {0, 96}}, 1}));

TEST(OutlineTest, TheShapeLiesInsideThePictureAndLeavesTheTopLeftCornerOut) {
    for (const OutlinePoint& point : kOutlinePoints) {
        EXPECT_GE(point.x, 0);
        EXPECT_LE(point.x, 22);
        EXPECT_GE(point.y, 0);
        EXPECT_LE(point.y, 26);
    }
    EXPECT_EQ(kOutlinePoints.front().x, 8);
    EXPECT_EQ(kOutlinePoints.front().y, 0);
}

}  // namespace
}  // namespace follower
