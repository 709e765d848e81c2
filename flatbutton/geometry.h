#pragma once

#include <cstdint>

namespace flatbutton {

// Pixel coordinates of the control's client area: the origin is its top-left corner.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom lie just outside, as with RECT.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Each side moved outwards by dx and dy, inwards when they are negative (InflateRect).
constexpr Rect Inflated(const Rect& rect, std::int32_t dx, std::int32_t dy) noexcept {
    return {rect.left - dx, rect.top - dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace flatbutton
