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
class RangePick {
  public:
    static constexpr std::int32_t kLabelOffset = 10;

    void Load() { Dragging = false; }
    void MouseDown(float x, float y);
    PickMove MouseMove(float x, float y, bool labelVisible);
    // The four values the dialog's range boxes take on release, indexes 0 to 3.
    std::array<std::int32_t, 4> Picked() const { return {StartX, StartY, LastX, LastY}; }

    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    std::int32_t LastX = 0;
    std::int32_t LastY = 0;
    bool Dragging = false;
};

}  // namespace clicker
