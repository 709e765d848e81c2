// Where the time of Tapnor's click tick goes: its timed twin clicks over the click recorder's
// window with Tab and the walk on, and every Win32 call of its ticks is timed
// (call_timeline_win32); tick_steps.h takes the ticks apart.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>

#include "benchmarks/call_timeline_win32.h"
#include "benchmarks/click_recorder_client_win32.h"
#include "benchmarks/click_target.h"
#include "benchmarks/deadline_loop_win32.h"
#include "benchmarks/tapnor_driver_win32.h"
#include "benchmarks/tick_steps.h"
#include "testing/input_driver_win32.h"

using namespace std::chrono_literals;

// The interval in ms may be given (1 by default), and "plain" for neither Tab nor the walk, as
// the cadence benchmark clicks.
int wmain(int argc, wchar_t** argv) {
    const int intervalMs = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 1;
    const bool plain = argc > 2 && std::wstring(argv[2]) == L"plain";
    benchmarks::SharedCallTimeline timeline;
    const benchmarks::Recorder recorder(benchmarks::kTargetPlace);
    if (timeline.get() == nullptr || !recorder.ready() ||
        !testing_support::MoveCursor(benchmarks::kRestPoint.x, benchmarks::kRestPoint.y)) {
        std::printf("tick steps: no timeline or recorder\n");
        return 1;
    }
    timeline.Clear();
    const benchmarks::TapnorDriver tapnor({.executable = L"TapnorTimed.exe",
                                           .intervalMs = intervalMs,
                                           .range = benchmarks::kTargetRange,
                                           .pressesTab = !plain,
                                           .walksCursor = !plain});
    if (!tapnor.SetRunning(true)) {
        std::printf("tick steps: Tapnor did not start\n");
        return 1;
    }
    testing_support::MoveCursor(benchmarks::kClickPoint.x, benchmarks::kClickPoint.y);
    // Past the start delay and a second of clicking.
    std::this_thread::sleep_for(2s);
    const std::int64_t from = benchmarks::CounterNow();
    std::this_thread::sleep_for(4s);
    const std::int64_t to = benchmarks::CounterNow();
    testing_support::MoveCursor(benchmarks::kRestPoint.x, benchmarks::kRestPoint.y);
    tapnor.SetRunning(false);

    std::printf(
        "\nTapnor's click tick step by step at %d ms (its timed twin, Tab and the walk %s, "
        "4 s after a second of clicking)\n\n",
        intervalMs, plain ? "off" : "on");
    benchmarks::PrintTicks(benchmarks::TicksOf(*timeline.get(), from, to), intervalMs);
    return 0;
}
