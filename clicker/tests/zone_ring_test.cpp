#include "clicker/zone_ring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace clicker {
namespace {

using runtime::EdgeRect;

constexpr EdgeRect kScreen = {0, 0, 1024, 768};
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct RingCase {
    ClickRange range;
    std::optional<EdgeRect> inner;  // the hole; nothing when no outline shows
};

class ZoneRingTest : public ::testing::TestWithParam<RingCase> {};

// The hole is the range with its edges, the ring the thickness around it and no more.
TEST_P(ZoneRingTest, TheHoleIsTheRangeAndTheRingLiesAroundIt) {
    for (const int thickness : {1, 3}) {
        const std::optional<ZoneRing> ring = RingAround(GetParam().range, thickness, kScreen);
        ASSERT_EQ(ring.has_value(), GetParam().inner.has_value()) << thickness;
        if (!ring) {
            continue;
        }
        EXPECT_EQ(ring->inner, *GetParam().inner);
        const EdgeRect& inner = ring->inner;
        EXPECT_EQ(ring->outer, (EdgeRect{inner.left - thickness, inner.top - thickness,
                                         inner.right + thickness, inner.bottom + thickness}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ZoneRingTest,
    ::testing::Values(RingCase{{100, 80, 199, 149}, EdgeRect{100, 80, 200, 150}},
                      RingCase{{300, 300, 300, 300}, EdgeRect{300, 300, 301, 301}},  // a pixel
                      RingCase{{0, 100, 50, 200}, EdgeRect{0, 100, 51, 201}},        // at an edge
                      RingCase{{200, 100, 199, 300}, std::nullopt},                  // no point
                      RingCase{{0, 0, 1023, 767}, std::nullopt},       // the ring is off screen
                      RingCase{{2000, 10, 2100, 20}, std::nullopt}));  // so is the range

// Stored corners may be any numbers: the window stays the screen's size plus the ring.
TEST(ZoneRingTest, ExtremeCornersAreCutToTheScreen) {
    const std::optional<ZoneRing> ring = RingAround({kMin, 10, kMax, 20}, 2, kScreen);
    ASSERT_TRUE(ring.has_value());
    EXPECT_EQ(ring->outer, (EdgeRect{-2, 8, 1026, 23}));
    EXPECT_EQ(ring->inner, (EdgeRect{-2, 10, 1026, 21}));
}

}  // namespace
}  // namespace clicker
