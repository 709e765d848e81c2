// The follower's lag: from a cursor move to the window standing at its new place,
// against the tick interval (the window is moved on its next tick).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "follower/follower_window_win32.h"

namespace {

using Clock = std::chrono::steady_clock;

POINT Origin(HWND window) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
}

void Measure(int intervalMs, int moves) {
    frame::ParamStore params(frame::FendleSchema());
    params.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    params.SetParam("Timer", frame::ParamValue(static_cast<std::int32_t>(intervalMs)));
    follower::FollowerWindow window(params);
    window.Open();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(50, 600);
    std::uniform_int_distribution<int> y(50, 500);
    std::uniform_int_distribution<int> pause(0, intervalMs);
    std::vector<double> lags;
    for (int move = 0; move < moves; ++move) {
        const int targetX = x(random);
        const int targetY = y(random);
        // Moves land anywhere between two ticks.
        const auto wait = Clock::now() + std::chrono::milliseconds(pause(random));
        while (Clock::now() < wait) {
            Pump();
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        }
        ::SetCursorPos(targetX, targetY);
        const Clock::time_point moved = Clock::now();
        const auto give_up = moved + std::chrono::milliseconds(intervalMs * 3 + 50);
        for (;;) {
            Pump();
            const POINT at = Origin(window.hwnd());
            if (at.x == targetX + 33 && at.y == targetY) {
                lags.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - moved).count());
                break;
            }
            if (Clock::now() > give_up) {
                break;
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        }
    }
    window.Close();
    std::sort(lags.begin(), lags.end());
    double mean = 0;
    for (double lag : lags) {
        mean += lag;
    }
    mean /= lags.empty() ? 1 : static_cast<double>(lags.size());
    const double worst = lags.empty() ? 0 : lags.back();
    std::printf(
        "follower lag at a %d ms tick: mean %.1f ms, worst %.1f ms over %zu of %d moves; "
        "target at most %d ms (one tick + 2 ms): %s\n",
        intervalMs, mean, worst, lags.size(), moves, intervalMs + 2,
        !lags.empty() && worst <= intervalMs + 2 && lags.size() == static_cast<std::size_t>(moves)
            ? "met"
            : "missed");
}

}  // namespace

int wmain() {
    Measure(100, 30);
    Measure(33, 60);
    Measure(10, 100);
    return 0;
}
