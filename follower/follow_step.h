#pragma once

#include <cstdint>
#include <optional>

#include "follower/outline.h"
#include "runtime/display_scale.h"

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

// Where the follower stands, its size, and the scaling to lay it out at first when that
// changes.
struct FollowerFrame {
    WindowPlace place;
    std::int32_t width;
    std::int32_t height;
    std::optional<int> newDpi;
};

// The follower's scaling is that of the monitor under the cursor, not that of the monitor
// the window lies on most. Standing beside the cursor, the window often lies across an edge
// between two monitors; the system's view of its monitor would change with the window's
// own size, so taking that monitor's scaling could change the size at every tick. Decided
// by the cursor, a crossing changes the size once, and a window that the system finds on
// another monitor stays as it is.
class FollowerScaling {
  public:
    // The window has been laid out at dpi.
    void LaidOut(int dpi) { dpi_ = dpi; }

    FollowerFrame Follow(std::int32_t cursorX, std::int32_t cursorY, std::int32_t position,
                         int cursorMonitorDpi) const {
        return {PlaceBesideCursor(cursorX, cursorY, position),
                runtime::ScaleEdge(kWindowWidth, cursorMonitorDpi),
                runtime::ScaleEdge(kWindowHeight, cursorMonitorDpi),
                cursorMonitorDpi != dpi_ ? std::optional<int>(cursorMonitorDpi) : std::nullopt};
    }

  private:
    int dpi_ = 0;
};

}  // namespace follower
