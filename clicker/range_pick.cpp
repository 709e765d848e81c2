#include "clicker/range_pick.h"

#include "runtime/round_half_even.h"

namespace clicker {

namespace {

std::int32_t Pixel(float coordinate) {
    return static_cast<std::int32_t>(runtime::RoundHalfEven(coordinate));
}

}  // namespace

std::int32_t RangePick::ScreenX(float x) const {
    return Pixel(x) + originX_;
}

std::int32_t RangePick::ScreenY(float y) const {
    return Pixel(y) + originY_;
}

void RangePick::MouseDown(float x, float y) {
    StartX = ScreenX(x);
    StartY = ScreenY(y);
    Dragging = true;
}

PickMove RangePick::MouseMove(float x, float y, bool labelVisible) {
    PickMove move;
    if (Dragging) {
        move.hideLabel = labelVisible;
        move.erase = InWindow(StartX, StartY, LastX, LastY);
        move.draw = InWindow(StartX, StartY, ScreenX(x), ScreenY(y));
    } else {
        move.labelAt = {{Pixel(x) + kLabelOffset, Pixel(y) + kLabelOffset}};
    }
    LastX = ScreenX(x);
    LastY = ScreenY(y);
    return move;
}

}  // namespace clicker
