#include "runtime/icon_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace runtime {
namespace {

TEST(IconImageSizeTest, TheNextLargerImageNeverASmallerOneStretched) {
    const int held[] = {256, 48, 32, 24, 20, 16};  // in the order an icon file lists them
    const struct {
        int wanted;
        int expected;
    } cases[] = {{32, 32}, {40, 48}, {48, 48}, {49, 256}, {56, 256},
                 {20, 20}, {28, 32}, {12, 16}, {300, 256}};
    for (const auto& each : cases) {
        EXPECT_EQ(IconImageSizeFor(held, each.wanted), each.expected) << each.wanted;
    }
    EXPECT_EQ(IconImageSizeFor({}, 32), 0);
}

TEST(ScaleDownImageTest, AveragesTheAreaUnderEachPixelWeightedByAlpha) {
    // One colour stays that colour at any size.
    const std::vector<std::uint32_t> plain(48 * 48, 0xFF3366CCu);
    for (const std::uint32_t pixel : ScaleDownImage(plain, 48, 40)) {
        ASSERT_EQ(pixel, 0xFF3366CCu);
    }
    // Transparent black beside opaque red: half covered, and still red, not darkened.
    const std::vector<std::uint32_t> edge = {0x00000000u, 0xFFFF0000u,  //
                                             0x00000000u, 0xFFFF0000u};
    EXPECT_EQ(ScaleDownImage(edge, 2, 1), (std::vector<std::uint32_t>{0x80FF0000u}));
    // A one-pixel white line on black survives halving as grey, where dropping every other
    // column would lose it.
    std::vector<std::uint32_t> line(4 * 4, 0xFF000000u);
    for (int y = 0; y < 4; ++y) {
        line[static_cast<std::size_t>(y * 4 + 1)] = 0xFFFFFFFFu;
    }
    EXPECT_EQ(ScaleDownImage(line, 4, 2),
              (std::vector<std::uint32_t>{0xFF808080u, 0xFF000000u, 0xFF808080u, 0xFF000000u}));
}

}  // namespace
}  // namespace runtime
