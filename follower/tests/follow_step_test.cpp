#include "follower/follow_step.h"

#include <gtest/gtest.h>

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
