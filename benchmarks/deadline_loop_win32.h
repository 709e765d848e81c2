#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>

#include "runtime/unique_handle_win32.h"

namespace benchmarks {

inline std::int64_t CounterNow() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline double CounterToMs(std::int64_t counts) {
    static const double frequency = [] {
        LARGE_INTEGER value;
        ::QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    return static_cast<double>(counts) * 1000.0 / frequency;
}

// The platform's best: on the calling thread, a high-resolution waitable timer with absolute
// deadlines (start + n × period) calls work(deadline) at each, with nothing in between but
// the thread's own messages. A deadline that passes while the work runs is dropped, as in
// the programs' timer.
template <class Work>
void RunOnDeadlines(std::chrono::microseconds period, const std::atomic<bool>& stop, Work work) {
    const runtime::UniqueKernelHandle timer(
        ::CreateWaitableTimerExW(nullptr, nullptr, 0x2 /* HIGH_RESOLUTION */, TIMER_ALL_ACCESS));
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    const std::int64_t periodCounts = period.count() * frequency.QuadPart / 1000000;
    const std::int64_t start = CounterNow();
    std::int64_t deadline = start + periodCounts;
    const HANDLE handle = timer.get();
    while (!stop.load()) {
        const std::int64_t remaining = deadline - CounterNow();
        if (remaining > 0) {
            LARGE_INTEGER due;
            due.QuadPart = -std::max<std::int64_t>(1, remaining * 10000000 / frequency.QuadPart);
            ::SetWaitableTimer(handle, &due, 0, nullptr, nullptr, FALSE);
            if (::MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT) !=
                WAIT_OBJECT_0) {
                MSG message;
                while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageW(&message);
                }
                continue;
            }
            if (CounterNow() < deadline) {
                continue;
            }
        }
        work(deadline);
        deadline = start + ((CounterNow() - start) / periodCounts + 1) * periodCounts;
    }
}

}  // namespace benchmarks
