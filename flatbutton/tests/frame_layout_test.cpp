#include "flatbutton/frame_layout.h"

#include <gtest/gtest.h>

namespace flatbutton {
namespace {

TEST(FrameLayoutTest, RunsAlongTheOnePixelInsetFromTheBottomLeftCorner) {
    const FrameLayout frame = LayOutFrame({0, 0, 15, 15});
    EXPECT_EQ(frame.penWidth, 2);
    EXPECT_EQ(frame.start, (Point{1, 14}));
    EXPECT_EQ(frame.lines[0].to, (Point{1, 1}));
    EXPECT_EQ(frame.lines[1].to, (Point{14, 1}));
    EXPECT_EQ(frame.lines[2].to, (Point{14, 14}));
    EXPECT_EQ(frame.lines[3].to, (Point{1, 14}));
}

TEST(FrameLayoutTest, LeftAndTopTakeTheFirstColourRightAndBottomTheSecond) {
    const FrameLayout frame = LayOutFrame({0, 0, 32, 20});
    EXPECT_EQ(frame.lines[0].colour, FrameColour::First);   // up the left edge
    EXPECT_EQ(frame.lines[1].colour, FrameColour::First);   // along the top
    EXPECT_EQ(frame.lines[2].colour, FrameColour::Second);  // down the right edge
    EXPECT_EQ(frame.lines[3].colour, FrameColour::Second);  // back along the bottom
    EXPECT_EQ(frame.lines[1].to, (Point{31, 1}));
    EXPECT_EQ(frame.lines[2].to, (Point{31, 19}));
}

TEST(FrameLayoutTest, FollowsARectangleAwayFromTheOrigin) {
    const FrameLayout frame = LayOutFrame({10, 20, 42, 52});
    EXPECT_EQ(frame.start, (Point{11, 51}));
    EXPECT_EQ(frame.lines[0].to, (Point{11, 21}));
    EXPECT_EQ(frame.lines[2].to, (Point{41, 51}));
}

}  // namespace
}  // namespace flatbutton
