// The follower's lag: how long after each tick's deadline the window stands at its new place
// and on top (its last window-position change of the tick), for the real follower window and
// for the platform's ceiling, a bare worker that moves a window of the same shape on the
// same kind of deadlines. The cursor moves on every interval, so every tick moves the window.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include "benchmarks/cadence_figures.h"
#include "benchmarks/deadline_loop_win32.h"
#include "fendle/fendle_schema.h"
#include "fendle/fendle_settings.h"
#include "follower/follower_window_win32.h"
#include "follower/outline.h"
#include "runtime/gdi_handles_win32.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kWarmUp = 200ms;
constexpr int kPosition = 33;

// Watches one thread's window-position changes of one window, with the deadline of the tick
// that made each.
struct Watch {
    HWND window = nullptr;
    std::int64_t (*deadline)() = nullptr;
    std::map<std::int64_t, std::int64_t> lastChangeByDeadline;
};
Watch gWatch;
std::atomic<bool> gRecording{false};
const runtime::PrecisionTimer* gFollowerTimer = nullptr;
std::atomic<std::int64_t> gCeilingDeadline{0};

LRESULT CALLBACK AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && gRecording && call->hwnd == gWatch.window &&
        call->message == WM_WINDOWPOSCHANGED) {
        gWatch.lastChangeByDeadline[gWatch.deadline()] = benchmarks::CounterNow();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Lags of the ticks of one or more runs, and the deadlines in them that moved nothing.
struct Lag {
    std::vector<double> lagsMs;
    long missedTicks = 0;

    void Add(const Lag& run) {
        lagsMs.insert(lagsMs.end(), run.lagsMs.begin(), run.lagsMs.end());
        missedTicks += run.missedTicks;
    }
};

Lag LagOf(const std::map<std::int64_t, std::int64_t>& changes, int intervalMs) {
    Lag lag;
    for (const auto& [deadline, changed] : changes) {
        lag.lagsMs.push_back(benchmarks::CounterToMs(changed - deadline));
    }
    if (changes.size() >= 2) {
        const double spanMs =
            benchmarks::CounterToMs(changes.rbegin()->first - changes.begin()->first);
        lag.missedTicks = std::max(
            0L, std::lround(spanMs / intervalMs) + 1 - static_cast<long>(lag.lagsMs.size()));
    }
    return lag;
}

// Moves the cursor between two places on every interval, on a thread of its own.
class CursorShaker {
  public:
    explicit CursorShaker(int intervalMs)
        : thread_([this, intervalMs] {
              bool right = false;
              benchmarks::RunOnDeadlines(std::chrono::milliseconds(intervalMs), stop_,
                                         [&](std::int64_t) {
                                             right = !right;
                                             ::SetCursorPos(right ? 420 : 400, 300);
                                         });
          }) {}
    ~CursorShaker() {
        stop_ = true;
        thread_.join();
    }
    CursorShaker(const CursorShaker&) = delete;
    CursorShaker& operator=(const CursorShaker&) = delete;

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void Pump(Clock::duration duration) {
    const auto until = Clock::now() + duration;
    MSG message;
    while (Clock::now() < until) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
    }
}

void Record(int intervalMs, const std::function<void(Clock::duration)>& wait) {
    wait(kWarmUp);
    gRecording = true;
    wait(benchmarks::RunLength(intervalMs));
    gRecording = false;
}

Lag RealFollower(int intervalMs) {
    frame::ParamStore params(fendle::Schema());
    params.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    params.SetParam("Timer", frame::ParamValue(static_cast<std::int32_t>(intervalMs)));
    params.SetParam("Position", frame::ParamValue(static_cast<std::int32_t>(kPosition)));
    follower::FollowerWindow window(fendle::ReadFollowSettings(params));
    const CursorShaker shaker(intervalMs);
    window.Open();
    gFollowerTimer = window.timer();
    gWatch = {window.hwnd(), [] { return gFollowerTimer->acceptedDeadline(); }, {}};
    {
        const runtime::UniqueHook hook(::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterWindowProcedure,
                                                           nullptr, ::GetCurrentThreadId()));
        Record(intervalMs, Pump);
    }
    window.Close();
    return LagOf(gWatch.lastChangeByDeadline, intervalMs);
}

// The ceiling: one call per deadline that moves the window and keeps it on top.
Lag CeilingFollower(int intervalMs) {
    std::atomic<bool> stop{false};
    std::atomic<bool> ready{false};
    std::thread worker([&] {
        const HWND window = ::CreateWindowExW(
            WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, 0, 0,
            follower::kWindowWidth, follower::kWindowHeight, nullptr, nullptr, nullptr, nullptr);
        POINT points[follower::kOutlinePoints.size()];
        for (std::size_t i = 0; i < follower::kOutlinePoints.size(); ++i) {
            points[i] = {follower::kOutlinePoints[i].x, follower::kOutlinePoints[i].y};
        }
        ::SetWindowRgn(
            window, ::CreatePolygonRgn(points, static_cast<int>(std::size(points)), WINDING), TRUE);
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        gWatch = {window, [] { return gCeilingDeadline.load(); }, {}};
        runtime::UniqueHook hook(::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterWindowProcedure,
                                                     nullptr, ::GetCurrentThreadId()));
        ready = true;
        benchmarks::RunOnDeadlines(
            std::chrono::milliseconds(intervalMs), stop, [&](std::int64_t deadline) {
                gCeilingDeadline = deadline;
                POINT cursor;
                ::GetCursorPos(&cursor);
                ::SetWindowPos(window, HWND_TOPMOST, cursor.x + kPosition, cursor.y,
                               follower::kWindowWidth, follower::kWindowHeight,
                               SWP_SHOWWINDOW | SWP_NOACTIVATE);
            });
        hook.reset();
        ::DestroyWindow(window);
    });
    const CursorShaker shaker(intervalMs);
    while (!ready) {
        std::this_thread::sleep_for(1ms);
    }
    Record(intervalMs, [](Clock::duration duration) { std::this_thread::sleep_for(duration); });
    stop = true;
    worker.join();
    return LagOf(gWatch.lastChangeByDeadline, intervalMs);
}

void PrintRow(const char* name, int intervalMs, const Lag& lag) {
    std::printf("| %2d ms | %-27s | %7.3f ms | %7.3f ms | %5ld |\n", intervalMs, name,
                benchmarks::Percentile(lag.lagsMs, 0.5), benchmarks::Percentile(lag.lagsMs, 0.99),
                lag.missedTicks);
}

}  // namespace

// Intervals in ms may be given on the command line (benchmarks::IntervalsFrom).
int wmain(int argc, wchar_t** argv) {
    const std::vector<int> intervals = benchmarks::IntervalsFrom(argc, argv);
    std::printf(
        "\nFollower, from each tick's deadline to the window standing at its new place "
        "and on top; per interval %d interleaved rounds of each, %lld ms each (at least 60 "
        "periods) after %lld ms of warm-up\n\n",
        benchmarks::kRounds, static_cast<long long>(benchmarks::RunLength(1) / 1ms),
        static_cast<long long>(kWarmUp / 1ms));
    std::printf("| Interval | Follower | Median lag | p99 lag | Missed |\n|---|---|---|---|---|\n");
    for (const int intervalMs : intervals) {
        Lag real;
        Lag ceiling;
        for (int round = 0; round < benchmarks::kRounds; ++round) {
            real.Add(RealFollower(intervalMs));
            ceiling.Add(CeilingFollower(intervalMs));
        }
        PrintRow("Fendle's follower window", intervalMs, real);
        PrintRow("ceiling (bare worker)", intervalMs, ceiling);
        std::fflush(stdout);
    }
    return 0;
}
