#pragma once

#include <algorithm>
#include <cstdint>

#include "runtime/display_scale.h"

// Where windows go on a desktop of several monitors. Every rectangle is in screen pixels,
// whose origin is the primary monitor's top-left corner: a monitor left of or above the
// primary lies at negative coordinates.
namespace runtime {

// The place moved just enough to lie inside the area, its size unchanged. A place wider
// or taller than the area starts at the area's left or top edge, so that its top-left
// corner (a dialog's caption) stays where it can be reached.
constexpr EdgeRect KeepInside(const EdgeRect& place, const EdgeRect& area) {
    const std::int32_t left = std::max(area.left, std::min(place.left, area.right - place.width()));
    const std::int32_t top = std::max(area.top, std::min(place.top, area.bottom - place.height()));
    return {left, top, left + place.width(), top + place.height()};
}

// A window of this size centred over its owner, inside the work area of the owner's
// monitor (or centred over that work area when there is no owner to go by).
constexpr EdgeRect CentreOver(std::int32_t width, std::int32_t height, const EdgeRect& owner,
                              const EdgeRect& workArea) {
    const std::int32_t left = owner.left + (owner.width() - width) / 2;
    const std::int32_t top = owner.top + (owner.height() - height) / 2;
    return KeepInside({left, top, left + width, top + height}, workArea);
}

}  // namespace runtime
