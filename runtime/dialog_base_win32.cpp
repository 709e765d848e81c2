#include "runtime/dialog_base_win32.h"

#include "runtime/monitor_win32.h"
#include "runtime/placement.h"

namespace runtime {

namespace {

EdgeRect EdgesOf(const RECT& rect) noexcept {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

// SPI_GETWORKAREA is the primary monitor's work area only; another monitor's comes from
// GetMonitorInfo ("SystemParametersInfo", "GetMonitorInfo").
void CentreOverOwner(HWND dialog) noexcept {
    RECT frame = {};
    ::GetWindowRect(dialog, &frame);
    const HWND ownerWindow = ::GetWindow(dialog, GW_OWNER);
    RECT owner = {};
    EdgeRect place;
    if (ownerWindow != nullptr && ::GetWindowRect(ownerWindow, &owner)) {
        place = CentreOver(frame.right - frame.left, frame.bottom - frame.top, EdgesOf(owner),
                           MonitorOfWindow(ownerWindow).work);
    } else {
        const EdgeRect work = PrimaryMonitor().work;
        place = CentreOver(frame.right - frame.left, frame.bottom - frame.top, work, work);
    }
    // A dialog that comes onto a monitor of another scaling is told so during the move and
    // takes the place the system suggests ("WM_DPICHANGED message"); it is laid out for that
    // monitor already, so it goes back to the place meant for it.
    for (int attempt = 0; attempt < 2; ++attempt) {
        ::SetWindowPos(dialog, nullptr, place.left, place.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::GetWindowRect(dialog, &frame);
        if (frame.left == place.left && frame.top == place.top) {
            break;
        }
    }
}

int OpeningDpi(HWND dialog) noexcept {
    const HWND owner = ::GetWindow(dialog, GW_OWNER);
    return WindowDpi(owner != nullptr ? owner : dialog);
}

}  // namespace runtime
