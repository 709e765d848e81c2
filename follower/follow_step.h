#pragma once

#include <cstdint>

namespace follower {

struct WindowPlace {
    std::int32_t left;
    std::int32_t top;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// Where the follower stands for a cursor hot spot: Position pixels to the right, on the
// cursor's own row. No bounds: it follows the cursor past the screen's edges; only a
// stored distance so large that the sum leaves the 32-bit range is held at its end.
inline WindowPlace PlaceBesideCursor(std::int32_t cursorX, std::int32_t cursorY,
                                     std::int32_t position) {
    const auto left = static_cast<std::int64_t>(cursorX) + position;
    return {static_cast<std::int32_t>(left > INT32_MAX   ? INT32_MAX
                                      : left < INT32_MIN ? INT32_MIN
                                                         : left),
            cursorY};
}

}  // namespace follower
