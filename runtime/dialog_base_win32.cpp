#include "runtime/dialog_base_win32.h"

#include <algorithm>

namespace runtime {

void CentreOverOwner(HWND dialog) noexcept {
    RECT frame = {};
    ::GetWindowRect(dialog, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT owner = {};
    const HWND ownerWindow = ::GetWindow(dialog, GW_OWNER);
    if (ownerWindow == nullptr || !::GetWindowRect(ownerWindow, &owner)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &owner, 0);
    }
    int left = owner.left + ((owner.right - owner.left) - width) / 2;
    int top = owner.top + ((owner.bottom - owner.top) - height) / 2;
    // An owner near a screen edge would push part of the dialog off the screen.
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    left =
        std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
    top =
        std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
    ::SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace runtime
