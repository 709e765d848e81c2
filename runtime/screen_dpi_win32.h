#pragma once

namespace runtime {

// The screen's logical resolution, as GDI reports it for the screen.
struct DotsPerInch {
    int x = 96;
    int y = 96;
};

// 96 on an axis that cannot be read.
DotsPerInch ScreenDotsPerInch() noexcept;

}  // namespace runtime
