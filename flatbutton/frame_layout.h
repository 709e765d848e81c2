#pragma once

#include <array>
#include <cstdint>

#include "flatbutton/geometry.h"

namespace flatbutton {

// Which of the frame's two colours a line takes: the first on the left and top edges,
// the second on the right and bottom edges.
enum class FrameColour { First, Second };

struct FrameLine {
    Point to;
    FrameColour colour;
};

// A two-pixel frame drawn as one path from the bottom-left corner: up, right, down and
// back left, each line starting where the previous one ended.
struct FrameLayout {
    std::int32_t penWidth = 2;
    Point start;
    std::array<FrameLine, 4> lines;
};

// The frame of a rectangle, along its one-pixel inset, so that the two-pixel lines cover
// the outer two-pixel band of the rectangle.
FrameLayout LayOutFrame(const Rect& rect) noexcept;

}  // namespace flatbutton
