#pragma once

#include <windows.h>

namespace runtime {

// Shown, topmost and first in the z-order: where KeepOnTop puts a window. A few reads of
// the window's own state, against a full window-position change on every call.
inline bool StandsOnTop(HWND window) {
    return ::IsWindowVisible(window) &&
           (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 &&
           ::GetWindow(window, GW_HWNDPREV) == nullptr;
}

// Puts the window above all others, topmost ones included, at (left, top) with its size
// unchanged, shown and without taking the activation (HWND_TOPMOST with SWP_SHOWWINDOW |
// SWP_NOACTIVATE). A window already standing there on top is left alone.
inline void KeepOnTopAt(HWND window, int left, int top) {
    RECT place;
    if (!::GetWindowRect(window, &place) ||
        (place.left == left && place.top == top && StandsOnTop(window))) {
        return;
    }
    ::SetWindowPos(window, HWND_TOPMOST, left, top, place.right - place.left,
                   place.bottom - place.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

// The same at the window's own place. The windows that must stay on top call this again and
// again.
inline void KeepOnTop(HWND window) {
    if (StandsOnTop(window)) {
        return;
    }
    RECT place;
    if (::GetWindowRect(window, &place)) {
        ::SetWindowPos(window, HWND_TOPMOST, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
}

}  // namespace runtime
