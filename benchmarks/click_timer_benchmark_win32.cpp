// The click timer's accuracy: ticks of the precision timer as the user-interface thread
// receives them, against the window timer it replaces, over a few seconds per interval.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "runtime/precision_timer_win32.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr UINT kTick = WM_APP + 1;

struct Figures {
    double meanMs;
    double driftMs;  // the last tick against start + n × period (skipped ticks show here)
    std::size_t ticks;
};

Figures Summarise(const std::vector<Clock::time_point>& ticks, Clock::time_point start,
                  double periodMs) {
    Figures figures{0, 0, ticks.size()};
    if (ticks.size() < 2) {
        return figures;
    }
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    figures.meanMs = ms(ticks.back() - ticks.front()) / static_cast<double>(ticks.size() - 1);
    figures.driftMs = ms(ticks.back() - start) - periodMs * static_cast<double>(ticks.size());
    return figures;
}

void Pump(HWND window, std::vector<Clock::time_point>& ticks, runtime::PrecisionTimer* timer,
          Clock::time_point until) {
    MSG message;
    while (Clock::now() < until) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        while (::PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
            if ((message.message == kTick && timer->Accept(message.lParam)) ||
                (message.message == WM_TIMER && timer == nullptr)) {
                ticks.push_back(Clock::now());
            }
        }
    }
}

}  // namespace

int wmain() {
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
    const auto run = std::chrono::seconds(3);
    for (const int period : {50, 10, 1}) {
        std::vector<Clock::time_point> ticks;
        runtime::PrecisionTimer timer(window, kTick, 0);
        Clock::time_point start = Clock::now();
        timer.Start(std::chrono::milliseconds(period));
        Pump(window, ticks, &timer, start + run);
        timer.Stop();
        const Figures precise = Summarise(ticks, start, period);

        ticks.clear();
        start = Clock::now();
        ::SetTimer(window, 1, static_cast<UINT>(period), nullptr);
        Pump(window, ticks, nullptr, start + run);
        ::KillTimer(window, 1);
        const Figures plain = Summarise(ticks, start, period);

        const long expected = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(run).count() / period);
        std::printf(
            "click timer %2d ms: precision timer mean %.3f ms, %zu of %ld ticks (%llu"
            " skipped), drift %+.2f ms | window timer mean %.3f ms, %zu of %ld ticks,"
            " drift %+.2f ms\n",
            period, precise.meanMs, precise.ticks, expected,
            static_cast<unsigned long long>(timer.skippedTicks()), precise.driftMs, plain.meanMs,
            plain.ticks, expected, plain.driftMs);
    }
    ::DestroyWindow(window);
    return 0;
}
