#pragma once

#include <cstdlib>
#include <optional>

#include "runtime/monitor_win32.h"

namespace testing_support {

// A monitor besides the primary one; none on one monitor.
inline std::optional<runtime::MonitorArea> SecondMonitor() {
    std::optional<runtime::MonitorArea> second;
    const auto take = [](HMONITOR monitor, HDC, LPRECT place, LPARAM found) -> BOOL {
        const bool primary = monitor == ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
        if (!primary) {
            *reinterpret_cast<decltype(second)*>(found) =
                runtime::MonitorAtPoint({place->left, place->top});
        }
        return primary;
    };
    ::EnumDisplayMonitors(nullptr, nullptr, take, reinterpret_cast<LPARAM>(&second));
    return second;
}

}  // namespace testing_support

// Takes the second monitor, or skips the test on one; fails it where two were promised.
#define SUITE_TAKE_SECOND_MONITOR(monitor)                                                      \
    const std::optional<runtime::MonitorArea> monitor = testing_support::SecondMonitor();       \
    if (!monitor) {                                                                             \
        ASSERT_EQ(std::getenv("SUITE_TWO_MONITORS"), nullptr) << "the session has one monitor"; \
        GTEST_SKIP() << "needs a second monitor (GetSystemMetrics(SM_CMONITORS) < 2)";          \
    }
