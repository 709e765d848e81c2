#include "runtime/screen_dpi_win32.h"

#include <windows.h>

#include "runtime/gdi_handles_win32.h"

namespace runtime {

DotsPerInch ScreenDotsPerInch() noexcept {
    DotsPerInch dots;
    const WindowDc screen(nullptr);
    if (screen) {
        if (const int x = ::GetDeviceCaps(screen.get(), LOGPIXELSX); x > 0) {
            dots.x = x;
        }
        if (const int y = ::GetDeviceCaps(screen.get(), LOGPIXELSY); y > 0) {
            dots.y = y;
        }
    }
    return dots;
}

}  // namespace runtime
