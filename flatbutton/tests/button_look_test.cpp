#include "flatbutton/button_look.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace flatbutton {
namespace {

TEST(ButtonLookTest, OnlyTheLeftButtonAlonePressesTheButton) {
    EXPECT_TRUE(ShowPressedApplies(kLeftButton));
    EXPECT_FALSE(ShowPressedApplies(0));
    EXPECT_FALSE(ShowPressedApplies(kRightButton));
    EXPECT_FALSE(ShowPressedApplies(kMiddleButton));
    EXPECT_FALSE(ShowPressedApplies(kLeftButton | kRightButton));
}

TEST(ButtonLookTest, ARepaintDrawsNothingDuringThePressedLook) {
    EXPECT_TRUE(RepaintDrawsFace(false));
    EXPECT_FALSE(RepaintDrawsFace(true));
}

struct HoverCase {
    std::int16_t button;
    bool captureHeld;
    HoverStep expected;
};

class HoverTest : public ::testing::TestWithParam<HoverCase> {};

TEST_P(HoverTest, DecidesFromTheButtonAndTheCapture) {
    EXPECT_EQ(DecideHover(GetParam().button, GetParam().captureHeld), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonsAndCapture, HoverTest,
    ::testing::Values(HoverCase{kLeftButton, false, HoverStep::None},
                      HoverCase{kLeftButton, true, HoverStep::None},
                      HoverCase{0, false, HoverStep::Enter},
                      HoverCase{0, true, HoverStep::TestExit},
                      HoverCase{kRightButton, false, HoverStep::Enter},
                      HoverCase{kRightButton, true, HoverStep::TestExit},
                      // the left button with another one is not "exactly 1"
                      HoverCase{kLeftButton | kRightButton, true, HoverStep::TestExit},
                      HoverCase{kLeftButton | kMiddleButton, false, HoverStep::Enter}));

TEST(HoverTestPointTest, TakesCoordinatesToTheNearestWithHalvesToEven) {
    EXPECT_EQ(HoverTestPoint(0.5F, 1.5F), (Point{0, 2}));
    EXPECT_EQ(HoverTestPoint(2.5F, 3.5F), (Point{2, 4}));
    EXPECT_EQ(HoverTestPoint(-0.5F, -1.5F), (Point{0, -2}));
    EXPECT_EQ(HoverTestPoint(7.0F, -12.0F), (Point{7, -12}));
    EXPECT_EQ(HoverTestPoint(2.4F, 2.6F), (Point{2, 3}));
}

TEST(HoverTestPointTest, HoldsValuesAHandlerWroteOutOfRange) {
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(HoverTestPoint(huge, -huge), (Point{1073741824, -1073741824}));
    EXPECT_EQ(HoverTestPoint(std::numeric_limits<float>::infinity(), 0.0F).x, 1073741824);
    EXPECT_EQ(HoverTestPoint(std::nanf(""), 3.0F), (Point{-1073741824, 3}));
}

TEST(PointerInputTest, ALeftPressAndReleaseOverTheControlIsAClick) {
    PointerInput input;
    const PointerReport down = input.ButtonDown(kLeftButton, false);
    EXPECT_TRUE(down.pointerDown);
    EXPECT_FALSE(down.doubleClick);
    EXPECT_EQ(down.button, kLeftButton);
    const PointerReport up = input.ButtonUp(kLeftButton, true);
    EXPECT_TRUE(up.pointerUp);
    EXPECT_TRUE(up.click);
}

TEST(PointerInputTest, AReleaseAwayFromTheControlIsNoClick) {
    PointerInput input;
    input.ButtonDown(kLeftButton, false);
    const PointerReport up = input.ButtonUp(kLeftButton, false);
    EXPECT_TRUE(up.pointerUp);
    EXPECT_FALSE(up.click);
    // the press is spent: a later release over the control is no click either
    EXPECT_FALSE(input.ButtonUp(kLeftButton, true).click);
}

TEST(PointerInputTest, ADoubleClickIsPressReleaseClickDoubleClickRelease) {
    PointerInput input;
    input.ButtonDown(kLeftButton, false);
    EXPECT_TRUE(input.ButtonUp(kLeftButton, true).click);
    const PointerReport second = input.ButtonDown(kLeftButton, true);
    EXPECT_TRUE(second.doubleClick);
    EXPECT_FALSE(second.pointerDown);
    const PointerReport last = input.ButtonUp(kLeftButton, true);
    EXPECT_TRUE(last.pointerUp);
    EXPECT_FALSE(last.click);
}

TEST(PointerInputTest, OtherButtonsReportPressAndReleaseButNoClick) {
    PointerInput input;
    for (const std::int16_t button : {kRightButton, kMiddleButton}) {
        const PointerReport down = input.ButtonDown(button, false);
        EXPECT_TRUE(down.pointerDown);
        EXPECT_EQ(down.button, button);
        // a second press of these is a plain press, not a double click
        EXPECT_TRUE(input.ButtonDown(button, true).pointerDown);
        const PointerReport up = input.ButtonUp(button, true);
        EXPECT_TRUE(up.pointerUp);
        EXPECT_FALSE(up.click);
    }
}

TEST(PointerInputTest, ARightClickDuringALeftPressLeavesTheLeftClick) {
    PointerInput input;
    input.ButtonDown(kLeftButton, false);
    input.ButtonDown(kRightButton, false);
    input.ButtonUp(kRightButton, true);
    EXPECT_TRUE(input.ButtonUp(kLeftButton, true).click);
}

TEST(PointerInputTest, LosingTheCaptureDuringAPressCancelsTheClick) {
    PointerInput input;
    input.ButtonDown(kLeftButton, false);
    input.CaptureLost();
    EXPECT_FALSE(input.ButtonUp(kLeftButton, true).click);
}

TEST(PointerInputTest, AReleaseWithoutAPressIsNoClick) {
    PointerInput input;
    EXPECT_FALSE(input.ButtonUp(kLeftButton, true).click);
}

}  // namespace
}  // namespace flatbutton
