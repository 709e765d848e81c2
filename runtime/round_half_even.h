#pragma once

#include <cmath>
#include <cstdint>

namespace runtime {

// Rounds to the nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4),
// the way the programs' number conversions have always rounded.
inline std::int64_t RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) {
        ++result;
    }
    return result;
}

}  // namespace runtime
