#pragma once

#include <cstdint>

namespace clicker {

// The click rectangle in screen pixels; all four edges belong to it, so a range whose
// left edge lies right of its right edge (or top below bottom) holds no point.
struct ClickRange {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool Contains(std::int32_t x, std::int32_t y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
    friend bool operator==(const ClickRange&, const ClickRange&) = default;
};

struct CursorPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const CursorPosition&, const CursorPosition&) = default;
};

}  // namespace clicker
