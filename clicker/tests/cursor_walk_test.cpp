#include "clicker/cursor_walk.h"

#include <gtest/gtest.h>

#include <vector>

namespace clicker {
namespace {

struct WalkRow {
    CursorPosition after;
    std::int32_t dirX;
    std::int32_t dirY;
};

TEST(CursorWalkTest, SweepsATwoRowRangeAndRepeatsEveryTwelveTicks) {
    const ClickRange range{10, 20, 12, 21};
    const std::vector<WalkRow> expected = {
        {{11, 20}, 0, 0}, {{12, 20}, 0, 0}, {{12, 21}, 1, 0}, {{11, 21}, 1, 0}, {{10, 21}, 1, 0},
        {{10, 21}, 0, 1}, {{11, 21}, 0, 1}, {{12, 21}, 0, 1}, {{12, 20}, 1, 1}, {{11, 20}, 1, 1},
        {{10, 20}, 1, 1}, {{10, 20}, 0, 0}, {{11, 20}, 0, 0}};
    CursorWalk walk;
    CursorPosition cursor{10, 20};
    for (std::size_t tick = 0; tick < expected.size(); ++tick) {
        cursor = walk.WalkCursor(cursor.x, cursor.y, range);
        EXPECT_EQ(cursor, expected[tick].after) << "tick " << tick + 1;
        EXPECT_EQ(walk.WalkDirX, expected[tick].dirX) << "tick " << tick + 1;
        EXPECT_EQ(walk.WalkDirY, expected[tick].dirY) << "tick " << tick + 1;
    }
}

TEST(CursorWalkTest, AcrossThePrimarysTopLeftCornerItSweepsAlike) {
    CursorWalk walk;  // on monitors left of and above the primary
    CursorPosition at{-1, -1};
    for (const CursorPosition next :
         {CursorPosition{0, -1}, {1, -1}, {1, 0}, {0, 0}, {-1, 0}, {-1, 0}}) {
        EXPECT_EQ(at = walk.WalkCursor(at.x, at.y, {-1, -1, 1, 0}), next);
    }
}

TEST(CursorWalkTest, OnePixelWideRangeOnlyMovesUpAndDownRestingAtEachEnd) {
    const ClickRange range{5, 0, 5, 2};
    CursorWalk walk;
    CursorPosition cursor{5, 0};
    std::vector<std::int32_t> rows;
    for (int tick = 0; tick < 8; ++tick) {
        cursor = walk.WalkCursor(cursor.x, cursor.y, range);
        EXPECT_EQ(cursor.x, 5);
        rows.push_back(cursor.y);
    }
    EXPECT_EQ(rows, (std::vector<std::int32_t>{1, 2, 2, 1, 0, 0, 1, 2}));
}

TEST(CursorWalkTest, OnePixelRangeKeepsTheCursorStill) {
    const ClickRange range{7, 7, 7, 7};
    CursorWalk walk;
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(walk.WalkCursor(7, 7, range), (CursorPosition{7, 7}));
    }
}

TEST(CursorWalkTest, TurnsOnTheEdgeItReachesAndNeverMovesDiagonally) {
    const ClickRange range{0, 0, 3, 3};
    CursorWalk walk;
    CursorPosition cursor{0, 0};
    for (int tick = 0; tick < 100; ++tick) {
        const CursorPosition next = walk.WalkCursor(cursor.x, cursor.y, range);
        const int dx = std::abs(next.x - cursor.x);
        const int dy = std::abs(next.y - cursor.y);
        EXPECT_LE(dx + dy, 1) << "tick " << tick;
        EXPECT_TRUE(range.Contains(next.x, next.y)) << "tick " << tick;
        cursor = next;
    }
}

TEST(CursorWalkTest, AStartOutsideTheEdgesStillStepsByTheDirections) {
    // A cursor the user moved right of the range turns left at once.
    CursorWalk walk;
    EXPECT_EQ(walk.WalkCursor(50, 5, {0, 0, 10, 10}), (CursorPosition{50, 6}));
    EXPECT_EQ(walk.WalkDirX, 1);
    EXPECT_EQ(walk.WalkCursor(50, 6, {0, 0, 10, 10}), (CursorPosition{49, 6}));
}

}  // namespace
}  // namespace clicker
