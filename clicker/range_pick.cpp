#include "clicker/range_pick.h"

#include "runtime/round_half_even.h"

namespace clicker {

namespace {

std::int32_t Pixel(float coordinate) {
    return static_cast<std::int32_t>(runtime::RoundHalfEven(coordinate));
}

}  // namespace

void RangePick::MouseDown(float x, float y) {
    StartX = Pixel(x);
    StartY = Pixel(y);
    Dragging = true;
}

PickMove RangePick::MouseMove(float x, float y, bool labelVisible) {
    PickMove move;
    if (Dragging) {
        move.hideLabel = labelVisible;
        move.erase = Outline{StartX, StartY, LastX, LastY};
        move.draw = Outline{StartX, StartY, Pixel(x), Pixel(y)};
    } else {
        move.labelAt = {{Pixel(x) + kLabelOffset, Pixel(y) + kLabelOffset}};
    }
    LastX = Pixel(x);
    LastY = Pixel(y);
    return move;
}

}  // namespace clicker
