#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace clicker {

// A rubber-band outline between two opposite corners, both of which belong to it.
struct Outline {
    std::int32_t x1, y1, x2, y2;
    friend bool operator==(const Outline&, const Outline&) = default;
};

// What the picker window does on a mouse move.
struct PickMove {
    bool hideLabel = false;
    std::optional<Outline> erase;  // XOR-drawn again, which removes the previous band
    std::optional<Outline> draw;   // the new band
    std::optional<std::array<std::int32_t, 2>> labelAt;  // left, top of the instruction
};

// The range picker's state (frmScreen): the press point and the last position seen. The
// instance outlives its window: only Dragging starts afresh at every load, so a release
// without a press writes the press point of the previous use.
//
// The picker window covers the virtual screen, so its top-left corner (the origin) lies
// left of or above the primary monitor's when a monitor does. Mouse positions come in, and
// outlines and the label's place go out, in the window's pixels; the points kept and
// picked are screen pixels, which is what the click range holds.
class RangePick {
  public:
    static constexpr std::int32_t kLabelOffset = 10;

    // A new opening, over a window whose top-left corner stands at this screen position.
    void Load(std::int32_t originX = 0, std::int32_t originY = 0) {
        Dragging = false;
        originX_ = originX;
        originY_ = originY;
    }
    void MouseDown(float x, float y);
    PickMove MouseMove(float x, float y, bool labelVisible);
    // The four values the dialog's range boxes take on release, indexes 0 to 3.
    std::array<std::int32_t, 4> Picked() const { return {StartX, StartY, LastX, LastY}; }

    // Screen pixels.
    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    std::int32_t LastX = 0;
    std::int32_t LastY = 0;
    bool Dragging = false;

  private:
    std::int32_t ScreenX(float x) const;
    std::int32_t ScreenY(float y) const;
    Outline InWindow(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const {
        return {x1 - originX_, y1 - originY_, x2 - originX_, y2 - originY_};
    }

    std::int32_t originX_ = 0;
    std::int32_t originY_ = 0;
};

}  // namespace clicker
