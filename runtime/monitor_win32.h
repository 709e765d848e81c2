#pragma once

#include <windows.h>

#include "runtime/display_scale.h"

namespace runtime {

// One monitor as the placement of windows sees it, in screen pixels: all of it, the part
// that the taskbar and docked bars leave free, and its dots per inch.
struct MonitorArea {
    EdgeRect bounds;
    EdgeRect work;
    int dpi = kBaseDpi;
};

// The monitor a window lies on most, or the one nearest to it (MonitorFromWindow).
MonitorArea MonitorOfWindow(HWND window) noexcept;

// The monitor under a point of the screen, or the one nearest to it (MonitorFromPoint).
MonitorArea MonitorAtPoint(POINT point) noexcept;

// The primary monitor: the one whose top-left corner is the origin of the screen.
MonitorArea PrimaryMonitor() noexcept;

// The dots per inch of the monitor under a point; cheaper than MonitorAtPoint.
int DpiAtPoint(POINT point) noexcept;

// The virtual screen: the bounding rectangle of every monitor, whose left and top are
// negative when a monitor lies left of or above the primary ("The Virtual Screen").
EdgeRect VirtualScreen() noexcept;

}  // namespace runtime
