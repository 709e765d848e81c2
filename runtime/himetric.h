#pragma once

#include <cmath>
#include <cstdint>

namespace runtime {

// OLE gives the extents of controls and pictures in HIMETRIC units, hundredths of a
// millimetre: 2540 to the inch.
inline constexpr double kHimetricPerInch = 2540.0;

// Pixels per HIMETRIC unit on a surface of the given resolution.
inline double PixelsPerHimetric(int dotsPerInch) {
    return dotsPerInch / kHimetricPerInch;
}

// A length in pixels at the given resolution in HIMETRIC, to the nearest unit.
inline std::int32_t PixelsToHimetric(std::int32_t pixels, int dotsPerInch) {
    return static_cast<std::int32_t>(std::lround(pixels / PixelsPerHimetric(dotsPerInch)));
}

}  // namespace runtime
