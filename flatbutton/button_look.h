#pragma once

#include <cstdint>

#include "flatbutton/geometry.h"

namespace flatbutton {

// The bits of the events' Button argument (mouse buttons) and Shift argument (modifiers).
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
inline constexpr std::int16_t kShiftKey = 1;
inline constexpr std::int16_t kCtrlKey = 2;
inline constexpr std::int16_t kAltKey = 4;

// The button's looks: flat at rest; raised, a light frame on the left and top, while the
// pointer is over it; pressed, the frame the other way round and the picture one pixel
// further right and down, while the left button holds it.
enum class Look { Flat, Raised, Pressed };

// ShowPressed shows the pressed look for the left button alone.
constexpr bool ShowPressedApplies(std::int16_t button) noexcept {
    return button == kLeftButton;
}

// A repaint draws the flat face, and nothing while the pressed look is on screen.
constexpr bool RepaintDrawsFace(bool pressed) noexcept {
    return !pressed;
}

// What TrackHover does before it looks at the pointer.
enum class HoverStep {
    None,      // a left-button drag: no hover tracking
    Enter,     // the control does not hold the capture: take it and raise the frame
    TestExit,  // the control holds the capture: the window under the pointer decides
};

HoverStep DecideHover(std::int16_t button, bool controlHoldsCapture) noexcept;

// The client point that TrackHover tests, from the event's single-precision coordinates,
// each taken to the nearest integer with halves to even. A handler may have written any
// value there: coordinates beyond +-2^30 are held there, and one that is not a number
// lands far outside.
Point HoverTestPoint(float x, float y) noexcept;

// What the surface reports for one raw button message, in this order: pointer down or
// double click, then pointer up and click.
struct PointerReport {
    std::int16_t button = 0;
    bool pointerDown = false;
    bool doubleClick = false;
    bool pointerUp = false;
    bool click = false;
};

// The surface's reading of raw button messages. A double click arrives as press, release,
// click, double click, release: the second press is the double click and its release
// makes no second click. A click needs a left press on the control and its release over
// the control.
class PointerInput {
  public:
    // secondPress: the system reports the press as the second one of a double click.
    PointerReport ButtonDown(std::int16_t button, bool secondPress) noexcept;
    PointerReport ButtonUp(std::int16_t button, bool overControl) noexcept;
    // Another window took the capture during a press: its release will not come here.
    void CaptureLost() noexcept { clickArmed_ = false; }

  private:
    bool clickArmed_ = false;
};

}  // namespace flatbutton
