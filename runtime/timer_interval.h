#pragma once

#include <algorithm>
#include <cstdint>

namespace runtime {

// The programs' timers take intervals from 0 to 65535 ms; a stored setting can hold any
// 32-bit value. None for 0 or less (the timer gives no ticks), at most 65535.
inline constexpr std::int32_t kLongestTimerIntervalMs = 65535;

inline std::uint32_t TimerIntervalFor(std::int32_t settingMs) {
    return static_cast<std::uint32_t>(std::clamp(settingMs, 0, kLongestTimerIntervalMs));
}

}  // namespace runtime
