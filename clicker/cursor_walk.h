#pragma once

#include <cstdint>

#include "clicker/click_range.h"

namespace clicker {

// The serpentine sweep of the click range: one pixel along the row, and one row down
// (or up) on the tick the walk turns at a side, reversing at the top and bottom rows.
// The directions live as long as the main window, across stops and starts.
class CursorWalk {
  public:
    // WalkCursor: where the cursor goes from (x, y). Never diagonal, at most one pixel.
    CursorPosition WalkCursor(std::int32_t x, std::int32_t y, const ClickRange& range);

    // 0: rightwards (x + 1), 1: leftwards (x - 1).
    std::int32_t WalkDirX = 0;
    // 0: the next row is below (y + 1), 1: above (y - 1).
    std::int32_t WalkDirY = 0;
};

}  // namespace clicker
