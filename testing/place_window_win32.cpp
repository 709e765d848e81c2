// Stands one program's top-level window beside another's, for scripts/run: without a window
// manager Wine opens every window at the screen's origin, one over the other.
//   place_window <title of the window to move> <title of the window to stand beside>
// Waits for both to be visible, then moves the first just right of the second, top edges
// level. Exit code 0 when placed, 1 when either window did not come up, 2 on a bad call.
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <memory>

#include "testing/window_driver_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    constexpr int kGapPx = 8;
    constexpr auto kStartTimeout = std::chrono::seconds(30);  // a fresh prefix starts slowly
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> arguments(
        ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
    if (!arguments || count != 3) {
        return 2;
    }
    const HWND moved =
        testing_support::WaitForWindow(arguments.get()[1], kStartTimeout, nullptr, 0);
    const HWND beside =
        testing_support::WaitForWindow(arguments.get()[2], kStartTimeout, nullptr, 0);
    RECT place;
    if (moved == nullptr || beside == nullptr || !::GetWindowRect(beside, &place)) {
        return 1;
    }
    return ::SetWindowPos(moved, nullptr, place.right + kGapPx, place.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
}
