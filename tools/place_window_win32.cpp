// Stands one program's top-level window beside another's, for scripts/run: without a window
// manager Wine opens every window at the screen's origin, one over the other.
//   place_window <title of the window to move> <title of the window to stand beside>
// Waits for both to be visible, then moves the first just right of the second, top edges
// level. Exit code 0 when placed, 1 when either window did not come up, 2 on a bad call.
#include <windows.h>
#include <shellapi.h>

#include <memory>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    constexpr int kGapPx = 8;
    constexpr int kWaitSteps = 300;  // of 100 ms: a fresh prefix starts slowly
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> arguments(
        ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
    if (!arguments || count != 3) {
        return 2;
    }
    const auto shown = [](const wchar_t* title) {
        const HWND window = ::FindWindowW(nullptr, title);
        return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
    };
    for (int step = 0; step < kWaitSteps; ++step, ::Sleep(100)) {
        const HWND moved = shown(arguments.get()[1]);
        const HWND beside = shown(arguments.get()[2]);
        RECT place;
        if (moved != nullptr && beside != nullptr && ::GetWindowRect(beside, &place)) {
            return ::SetWindowPos(moved, nullptr, place.right + kGapPx, place.top, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
                       ? 0
                       : 1;
        }
    }
    return 1;
}
