#pragma once

#include <windows.h>

namespace runtime {

// Puts the window above all others, topmost ones included, at its own place and size,
// shown and without taking the activation (HWND_TOPMOST with SWP_SHOWWINDOW |
// SWP_NOACTIVATE). The windows that must stay on top call this again and again.
inline void KeepOnTop(HWND window) {
    RECT place;
    if (::GetWindowRect(window, &place)) {
        ::SetWindowPos(window, HWND_TOPMOST, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
}

}  // namespace runtime
