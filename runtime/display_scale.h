#pragma once

#include <array>
#include <cstdint>

// How the suite's windows scale with a monitor's dots per inch. Everything is laid out in
// pixels at 96 dots per inch (100 %) and scaled by dpi / 96; the artwork generator
// (tools/artwork) draws every bitmap at the steps below with the same rule, so that a window
// laid out at a step fits its artwork pixel for pixel.
namespace runtime {

inline constexpr int kBaseDpi = 96;

// A coordinate or length at 96 dots per inch, at `dpi`: rounded half up (away from zero).
constexpr std::int32_t ScaleEdge(std::int32_t value, int dpi) {
    const std::int64_t scaled = std::int64_t{value < 0 ? -value : value} * dpi + kBaseDpi / 2;
    const auto magnitude = static_cast<std::int32_t>(scaled / kBaseDpi);
    return value < 0 ? -magnitude : magnitude;
}

// A rectangle scales by its edges, so that neighbouring rectangles stay neighbours: its
// scaled width is ScaleEdge(right) - ScaleEdge(left), which may differ from
// ScaleEdge(width) by one.
struct EdgeRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    bool operator==(const EdgeRect&) const = default;
};

constexpr EdgeRect ScaleRect(const EdgeRect& rect, int dpi) {
    return {ScaleEdge(rect.left, dpi), ScaleEdge(rect.top, dpi), ScaleEdge(rect.right, dpi),
            ScaleEdge(rect.bottom, dpi)};
}

// A place given by its corner and size at 96 dots per inch (as layouts store them), scaled
// by its edges.
constexpr EdgeRect ScalePlace(std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height, int dpi) {
    return ScaleRect({left, top, left + width, top + height}, dpi);
}

// The dots per inch the artwork is drawn at: 100, 125, 150, 175 and 200 %. The programs'
// resource scripts carry a bitmap NAME at 96 and NAME_<percent> at the others.
inline constexpr std::array<int, 5> kArtworkDpis = {96, 120, 144, 168, 192};

// The artwork to draw at `dpi`: the step itself, or between steps the next larger one
// (scaled down, which keeps it sharp), or above the last step the last one.
constexpr int ArtworkDpi(int dpi) {
    for (const int step : kArtworkDpis) {
        if (step >= dpi) {
            return step;
        }
    }
    return kArtworkDpis.back();
}

// The percentage that names a step's bitmaps (120 -> 125).
constexpr int ArtworkPercent(int artworkDpi) {
    return artworkDpi * 100 / kBaseDpi;
}

}  // namespace runtime
