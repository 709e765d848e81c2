#include "runtime/display_scale.h"
#include "runtime/icon_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace runtime {
namespace {

struct EdgeCase {
    std::int32_t value;
    int dpi;
    std::int32_t expected;
};

class ScaleEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ScaleEdgeTest, RoundsHalfAwayFromZero) {
    EXPECT_EQ(ScaleEdge(GetParam().value, GetParam().dpi), GetParam().expected);
}

// Halves at 125 % (2.5, 92.5) and 175 % (17.5) go up; 96 leaves every value alone;
// negatives mirror positives; the largest window coordinates do not overflow.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, ScaleEdgeTest,
    ::testing::Values(EdgeCase{74, 96, 74}, EdgeCase{-7, 96, -7}, EdgeCase{2, 120, 3},
                      EdgeCase{74, 120, 93}, EdgeCase{17, 120, 21}, EdgeCase{10, 168, 18},
                      EdgeCase{9, 168, 16}, EdgeCase{-2, 120, -3}, EdgeCase{15, 144, 23},
                      EdgeCase{1, 97, 1}, EdgeCase{48, 97, 49}, EdgeCase{47, 97, 47},
                      EdgeCase{2147483647, 96, 2147483647}, EdgeCase{100000, 192, 200000}));

TEST(ScaleRectTest, NeighboursStayNeighboursThoughSizesDifferByOne) {
    const EdgeRect left = ScaleRect({0, 0, 10, 10}, 120);
    const EdgeRect right = ScaleRect({10, 0, 20, 10}, 120);
    EXPECT_EQ(left.right, right.left);
    // The main window's minimize button at 125 %: 15 pixels high becomes 18, not 19.
    const EdgeRect minimize = ScaleRect({111, 2, 126, 17}, 120);
    EXPECT_EQ(minimize, (EdgeRect{139, 3, 158, 21}));
    EXPECT_EQ(minimize.height(), 18);
    EXPECT_EQ(ScaleEdge(15, 120), 19);
}

TEST(ArtworkDpiTest, TakesTheStepOrTheNextLargerOneAndTheLastAboveIt) {
    const std::pair<int, int> cases[] = {{72, 96},   {96, 96},   {97, 120},  {120, 120},
                                         {121, 144}, {144, 144}, {168, 168}, {169, 192},
                                         {192, 192}, {288, 192}};
    for (const auto& [dpi, artwork] : cases) {
        EXPECT_EQ(ArtworkDpi(dpi), artwork) << dpi;
    }
    EXPECT_EQ(ArtworkPercent(120), 125);
    EXPECT_EQ(ArtworkPercent(168), 175);
}

// Which image an icon is drawn from, and that one colour stays that colour, is tested with
// real icons (scaled_icon_win32_test).
TEST(ScaleDownImageTest, AveragesTheAreaUnderEachPixelWeightedByAlpha) {
    // Transparent black beside opaque red: half covered, and red, not darkened.
    const std::vector<std::uint32_t> edge = {0x00000000u, 0xFFFF0000u, 0x00000000u, 0xFFFF0000u};
    EXPECT_EQ(ScaleDownImage(edge, 2, 1), (std::vector<std::uint32_t>{0x80FF0000u}));
    // A one-pixel white line on black survives halving as grey.
    std::vector<std::uint32_t> line(4 * 4, 0xFF000000u);
    for (std::size_t y = 0; y < 4; ++y) {
        line[y * 4 + 1] = 0xFFFFFFFFu;
    }
    EXPECT_EQ(ScaleDownImage(line, 4, 2),
              (std::vector<std::uint32_t>{0xFF808080u, 0xFF000000u, 0xFF808080u, 0xFF000000u}));
}

}  // namespace
}  // namespace runtime
