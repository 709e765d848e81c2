#include "benchmarks/tapnor_driver_win32.h"

#include <climits>
#include <cstdio>
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
        std::fprintf(stderr, "Tapnor: did not start\n");
        return;
    }
    // Its dialog is dismissed with a click on its cancel button, which needs neither the
    // focus nor the foreground (another program may hold the foreground); once it shows, and
    // again should a click come before it takes clicks.
    const HWND dialog = program_.WaitForWindow(L"連射設定", 30s);
    const HWND cancel = dialog != nullptr ? ::GetDlgItem(dialog, IDCANCEL) : nullptr;
    const auto dismissed = [&] { return !::IsWindow(dialog); };
    for (int attempt = 0; cancel != nullptr && attempt < 3 && !dismissed(); ++attempt) {
        RECT place = {};
        if (testing_support::WaitUntil([&] { return ::IsWindowVisible(cancel) != FALSE; }, 10s) &&
            ::GetWindowRect(cancel, &place)) {
            testing_support::ClickAt((place.left + place.right) / 2,
                                     (place.top + place.bottom) / 2);
        }
        testing_support::WaitUntil(dismissed, 3s);
    }
    if (cancel == nullptr || !dismissed()) {
        std::fprintf(stderr, "Tapnor: its dialog %p could not be dismissed (exit code %lu)\n",
                     static_cast<void*>(dialog), program_.ExitCode());
        return;
    }
    const HWND main = program_.WaitForWindow(L"マウス連射", 30s);
    // Ready once its buttons stand in it.
    if (main != nullptr &&
        testing_support::WaitUntil([&] { return OptionsButton(main) != main; }, 30s)) {
        main_ = main;
    } else {
        std::fprintf(stderr, "Tapnor: its main window %p did not stand with its buttons\n",
                     static_cast<void*>(main));
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
