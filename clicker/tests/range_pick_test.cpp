#include "clicker/range_pick.h"

#include <gtest/gtest.h>

#include "clicker/palette_decision.h"

namespace clicker {
namespace {

TEST(RangePickTest, BeforeThePressTheInstructionFollowsTheCursor) {
    RangePick pick;
    pick.Load();
    const PickMove move = pick.MouseMove(100, 50, true);
    EXPECT_FALSE(move.hideLabel);
    EXPECT_FALSE(move.erase);
    EXPECT_FALSE(move.draw);
    ASSERT_TRUE(move.labelAt);
    EXPECT_EQ((*move.labelAt)[0], 110);
    EXPECT_EQ((*move.labelAt)[1], 60);
    EXPECT_EQ(pick.LastX, 100);
    EXPECT_EQ(pick.LastY, 50);
}

TEST(RangePickTest, EachDragMoveErasesTheLastBandAndDrawsTheNext) {
    RangePick pick;
    pick.Load();
    pick.MouseMove(10, 20, true);
    pick.MouseDown(10, 20);
    PickMove move = pick.MouseMove(15, 22, true);
    EXPECT_TRUE(move.hideLabel);
    // The first move erases the band from the press to the last position before it.
    EXPECT_EQ(move.erase, (Outline{10, 20, 10, 20}));
    EXPECT_EQ(move.draw, (Outline{10, 20, 15, 22}));
    EXPECT_FALSE(move.labelAt);

    move = pick.MouseMove(30, 5, false);
    EXPECT_FALSE(move.hideLabel);
    EXPECT_EQ(move.erase, (Outline{10, 20, 15, 22}));
    EXPECT_EQ(move.draw, (Outline{10, 20, 30, 5}));
    EXPECT_EQ(pick.Picked(), (std::array<std::int32_t, 4>{10, 20, 30, 5}));
}

TEST(RangePickTest, ADragUpAndLeftIsHandedOnUnordered) {
    RangePick pick;
    pick.Load();
    pick.MouseDown(500, 400);
    pick.MouseMove(100, 50, true);
    EXPECT_EQ(pick.Picked(), (std::array<std::int32_t, 4>{500, 400, 100, 50}));
}

TEST(RangePickTest, APressWithoutMovingGivesTheLastPositionSeenBeforeIt) {
    RangePick pick;
    pick.Load();
    pick.MouseMove(7, 8, true);
    pick.MouseDown(7, 8);
    EXPECT_EQ(pick.Picked(), (std::array<std::int32_t, 4>{7, 8, 7, 8}));
}

TEST(RangePickTest, ANewLoadKeepsThePointsButForgetsThePress) {
    RangePick pick;
    pick.Load();
    pick.MouseDown(3, 4);
    pick.MouseMove(9, 9, false);
    pick.Load();
    EXPECT_FALSE(pick.Dragging);
    EXPECT_EQ(pick.Picked(), (std::array<std::int32_t, 4>{3, 4, 9, 9}));
    // A move before any press of this use moves the instruction, not a band.
    EXPECT_TRUE(pick.MouseMove(1, 1, true).labelAt);
    EXPECT_EQ(RangePick().Picked(), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
}

TEST(RangePickTest, PositionsRoundToTheNearestPixelWithHalvesToEven) {
    RangePick pick;
    pick.MouseDown(2.5f, 3.5f);
    pick.MouseMove(10.4f, -0.6f, false);
    EXPECT_EQ(pick.Picked(), (std::array<std::int32_t, 4>{2, 4, 10, -1}));
}

// Its window's corner left of and above the primary: it draws in window, picks screen pixels.
TEST(RangePickTest, OverMonitorsLeftOfAndAboveThePrimaryTheCornersAreScreenPixels) {
    RangePick pick;
    pick.Load(-1280, -200);
    pick.MouseDown(100, 50);
    EXPECT_EQ(pick.MouseMove(1300, 250, true).draw, (Outline{100, 50, 1300, 250}));
    EXPECT_EQ(pick.Picked(), (std::array<std::int32_t, 4>{-1180, -150, 20, 50}));
}

struct PaletteCase {
    int rasterCaps;
    int paletteSize;
    bool expected;
};

class PaletteDecisionTest : public ::testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteDecisionTest, OnlyA256EntryPaletteDeviceGivesAPalette) {
    EXPECT_EQ(CaptureNeedsPalette(GetParam().rasterCaps, GetParam().paletteSize),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, PaletteDecisionTest,
    ::testing::Values(PaletteCase{0x100, 256, true}, PaletteCase{0x100 | 0x7E99, 256, true},
                      PaletteCase{0x100, 16, false}, PaletteCase{0x100, 0, false},
                      PaletteCase{0x7E99, 256, false}, PaletteCase{0, 0, false}));

}  // namespace
}  // namespace clicker
