#pragma once

#include <windows.h>

namespace benchmarks {

// The click recorder's window, 200 x 120, away from the top-left corner where Tapnor's main
// window comes up. Tapnor's range is its left half, where the clickers click; between runs
// the cursor rests in its right half, outside the range.
inline constexpr RECT kTargetPlace = {300, 300, 500, 420};
inline constexpr RECT kTargetRange = {300, 300, 399, 419};
inline constexpr POINT kClickPoint = {350, 360};
inline constexpr POINT kRestPoint = {450, 360};

}  // namespace benchmarks
