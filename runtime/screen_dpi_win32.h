#pragma once

namespace runtime {

// The dots per inch that the windows' pixel sizes are given for: 100 % display scaling
// (USER_DEFAULT_SCREEN_DPI).
inline constexpr int kDefaultDpi = 96;

// The screen's logical resolution, as GDI reports it for the screen.
struct DotsPerInch {
    int x = kDefaultDpi;
    int y = kDefaultDpi;
};

// 96 on an axis that cannot be read.
DotsPerInch ScreenDotsPerInch() noexcept;

}  // namespace runtime
