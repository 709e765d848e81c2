#include "clicker/zone_ring.h"

#include <algorithm>
#include <cstdint>

namespace clicker {

std::optional<ZoneRing> RingAround(const ClickRange& range, int thickness,
                                   const runtime::EdgeRect& screen) {
    if (range.left > range.right || range.top > range.bottom) {
        return std::nullopt;
    }
    // In 64 bits: the stored corners may be any 32-bit numbers.
    const auto clampX = [&](std::int64_t x) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(
            x, std::int64_t{screen.left} - thickness, std::int64_t{screen.right} + thickness));
    };
    const auto clampY = [&](std::int64_t y) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(
            y, std::int64_t{screen.top} - thickness, std::int64_t{screen.bottom} + thickness));
    };
    const runtime::EdgeRect inner = {clampX(range.left), clampY(range.top),
                                     clampX(std::int64_t{range.right} + 1),
                                     clampY(std::int64_t{range.bottom} + 1)};
    const runtime::EdgeRect outer = {clampX(std::int64_t{inner.left} - thickness),
                                     clampY(std::int64_t{inner.top} - thickness),
                                     clampX(std::int64_t{inner.right} + thickness),
                                     clampY(std::int64_t{inner.bottom} + thickness)};
    // What of the window lies on the screen, and whether the hole covers all of it.
    const runtime::EdgeRect shown = {
        std::max(outer.left, screen.left), std::max(outer.top, screen.top),
        std::min(outer.right, screen.right), std::min(outer.bottom, screen.bottom)};
    const bool ringShown = shown.left < shown.right && shown.top < shown.bottom &&
                           (shown.left < inner.left || shown.top < inner.top ||
                            shown.right > inner.right || shown.bottom > inner.bottom);
    if (!ringShown) {
        return std::nullopt;
    }
    return ZoneRing{outer, inner};
}

}  // namespace clicker
