#include "benchmarks/tapnor_driver_win32.h"

#include <climits>
#include <string>

#include "testing/input_driver_win32.h"
#include "testing/temporary_folder_win32.h"
#include "testing/window_driver_win32.h"

namespace benchmarks {

namespace {

using namespace std::chrono_literals;

const char* Boolean(bool value) {
    return value ? "True" : "False";
}

// The options button: 32 x 32 at (15, 28) of the client area, disabled while running. Its
// window is the smallest of the main window's descendants there.
HWND OptionsButton(HWND main) {
    POINT point = {15 + 16, 28 + 16};
    ::ClientToScreen(main, &point);
    HWND smallest = main;
    long smallestArea = LONG_MAX;
    for (const HWND child : testing_support::ChildWindows(main)) {
        RECT place;
        ::GetWindowRect(child, &place);
        const long area = (place.right - place.left) * (place.bottom - place.top);
        if (::PtInRect(&place, point) && area < smallestArea) {
            smallest = child;
            smallestArea = area;
        }
    }
    return smallest;
}

}  // namespace

TapnorDriver::TapnorDriver(const TapnorSetup& setup)
    : executable_(setup.executable),
      program_(L"タップノール計測", {setup.executable, L"Sleekon.ocx"}) {
    testing_support::WriteFileBytes(
        program_.PathOf(L"Tapnor.ini"),
        "[Tapnor]\r\n\r\nTimer=" + std::to_string(setup.intervalMs) + "\r\nTabKey=" +
            Boolean(setup.pressesTab) + "\r\nRange=" + std::to_string(setup.range.left) + ", " +
            std::to_string(setup.range.top) + ", " + std::to_string(setup.range.right) + ", " +
            std::to_string(setup.range.bottom) + "\r\nMsMove=" + Boolean(setup.walksCursor) +
            "\r\n");
    if (!program_.Start(setup.executable)) {
        return;
    }
    const HWND dialog = program_.WaitForWindow(L"連射設定", 30s);
    ::SetForegroundWindow(dialog);
    if (dialog == nullptr ||
        !testing_support::WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 10s)) {
        return;
    }
    testing_support::PressKeys({VK_ESCAPE});
    const HWND main = program_.WaitForWindow(L"マウス連射", 30s);
    // Ready once its buttons stand in it.
    if (main != nullptr &&
        testing_support::WaitUntil([&] { return OptionsButton(main) != main; }, 30s)) {
        main_ = main;
    }
}

// cmdStatus: 32 x 32 at (55, 28) of the client area; a press toggles the engine.
bool TapnorDriver::SetRunning(bool running) const {
    if (main_ == nullptr) {
        return false;
    }
    POINT button = {55 + 16, 28 + 16};
    ::ClientToScreen(main_, &button);
    const auto isRunning = [&] { return ::IsWindowEnabled(OptionsButton(main_)) == FALSE; };
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (isRunning() == running) {
            return true;
        }
        testing_support::ClickAt(button.x, button.y);
        testing_support::WaitUntil([&] { return isRunning() == running; }, 3s);
    }
    return isRunning() == running;
}

}  // namespace benchmarks
