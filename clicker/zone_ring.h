#pragma once

#include <optional>

#include "clicker/click_range.h"
#include "runtime/display_scale.h"

namespace clicker {

// Where the outline of a click range stands: a ring `thickness` pixels wide just outside
// the range, so that nothing of it covers a pixel that is clicked (the range's edges
// belong to the range). Screen pixels, right and bottom exclusive; the outer rectangle is
// the outline window's, the inner one the hole in its region.
struct ZoneRing {
    runtime::EdgeRect outer;
    runtime::EdgeRect inner;
};

// The ring around the range, cut to the screen (the virtual screen, over every monitor)
// widened by the thickness; nothing when the range holds no point or no part of the ring
// lies on the screen (a range over the whole screen has no outline to show).
std::optional<ZoneRing> RingAround(const ClickRange& range, int thickness,
                                   const runtime::EdgeRect& screen);

}  // namespace clicker
