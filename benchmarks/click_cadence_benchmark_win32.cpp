// Click cadence end to end: the real Tapnor.exe against the platform's ceiling, a window-timer
// clicker and xdotool, each timed by a low-level mouse hook in a separate process (the click
// recorder) that takes the time of every left-button down.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "benchmarks/cadence_figures.h"
#include "benchmarks/click_stamps_win32.h"
#include "benchmarks/deadline_loop_win32.h"
#include "runtime/unique_handle_win32.h"
#include "testing/child_process_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/temporary_folder_win32.h"
#include "testing/window_driver_win32.h"

namespace {

using namespace std::chrono_literals;
using benchmarks::Cadence;

// The recorder's window; Tapnor's range is its left half, where the clickers click. Between
// its rounds the cursor rests in the right half, outside the range, and Tapnor is stopped.
// Away from the top-left corner, where Tapnor's main window comes up.
constexpr RECT kTargetPlace = {300, 300, 540, 540};
constexpr RECT kRange = {300, 300, 419, 539};
constexpr POINT kClickPoint = {360, 420};
constexpr POINT kRestPoint = {480, 420};
constexpr auto kWarmUp = 200ms;

void ClickWithMouseEvents() {
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

// The recorder process and its stamps, for the whole run.
class Recorder {
  public:
    Recorder() {
        std::wstring commandLine =
            L"\"" + testing_support::ProgramFolder() + L"\\..\\benchmarks\\click_recorder.exe\" " +
            std::to_wstring(kTargetPlace.left) + L" " + std::to_wstring(kTargetPlace.top) + L" " +
            std::to_wstring(kTargetPlace.right - kTargetPlace.left) + L" " +
            std::to_wstring(kTargetPlace.bottom - kTargetPlace.top);
        const runtime::UniqueKernelHandle ready(
            ::CreateEventW(nullptr, TRUE, FALSE, benchmarks::ClickStamps::kReadyEvent));
        process_ = testing_support::ChildProcess::Start(std::move(commandLine));
        if (process_ && ::WaitForSingleObject(ready.get(), 10000) == WAIT_OBJECT_0) {
            mapping_.reset(
                ::OpenFileMappingW(FILE_MAP_READ, FALSE, benchmarks::ClickStamps::kName));
            view_.reset(::MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0,
                                        sizeof(benchmarks::ClickStamps)));
            stamps_ = static_cast<const benchmarks::ClickStamps*>(view_.get());
        }
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    bool ready() const { return stamps_ != nullptr; }
    LONG count() const { return stamps_->count; }

    // Waits for the clicker's first click, lets it settle, and takes the run's click times.
    std::vector<double> Record(int intervalMs) const {
        const LONG before = count();
        if (!testing_support::WaitUntil([&] { return count() > before; }, 10s)) {
            return {};
        }
        std::this_thread::sleep_for(kWarmUp);
        const LONG first = count();
        std::this_thread::sleep_for(benchmarks::RunLength(intervalMs));
        const LONG last = count();
        std::vector<double> times;
        for (LONG i = first; i < last; ++i) {
            times.push_back(
                benchmarks::CounterToMs(stamps_->stamps[i % benchmarks::ClickStamps::kCapacity]));
        }
        return times;
    }

    // Waits until the last clicker has stopped clicking, so that runs never overlap.
    void WaitForQuiet(int intervalMs) const {
        const auto quiet = std::max(std::chrono::milliseconds(300), intervalMs * 5ms);
        LONG seen = count();
        auto lastClick = std::chrono::steady_clock::now();
        testing_support::WaitUntil(
            [&] {
                if (count() != seen) {
                    seen = count();
                    lastClick = std::chrono::steady_clock::now();
                }
                return std::chrono::steady_clock::now() - lastClick >= quiet;
            },
            60s);
    }

  private:
    testing_support::ChildProcess process_;  // ended when the recorder goes
    runtime::UniqueKernelHandle mapping_;
    runtime::UniqueMappedView view_;
    const benchmarks::ClickStamps* stamps_ = nullptr;
};

using Clicks = std::vector<double>;

// A clicker on a thread of this process, running until the run is recorded.
Clicks OnThread(const Recorder& recorder, int intervalMs,
                const std::function<void(int, const std::atomic<bool>&)>& clicker) {
    std::atomic<bool> stop{false};
    std::thread thread([&] { clicker(intervalMs, stop); });
    Clicks clicks = recorder.Record(intervalMs);
    stop = true;
    thread.join();
    return clicks;
}

void CeilingClicker(int intervalMs, const std::atomic<bool>& stop) {
    benchmarks::RunOnDeadlines(std::chrono::milliseconds(intervalMs), stop,
                               [](std::int64_t) { ClickWithMouseEvents(); });
}

// How most rapid-fire tools time their clicks: a window timer on the user-interface thread.
void WindowTimerClicker(int intervalMs, const std::atomic<bool>& stop) {
    const UINT_PTR timer = ::SetTimer(nullptr, 0, static_cast<UINT>(intervalMs), nullptr);
    MSG message;
    while (!stop.load()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER) {
                ClickWithMouseEvents();
            }
        }
    }
    ::KillTimer(nullptr, timer);
}

// xdotool clicks through the X server's test extension, as an X client outside Wine.
Clicks Xdotool(const Recorder& recorder, int intervalMs) {
    // Enough clicks for the run; it ends by itself soon after.
    const long repeat = std::chrono::duration_cast<std::chrono::milliseconds>(
                            kWarmUp + benchmarks::RunLength(intervalMs) + 500ms)
                            .count() /
                        intervalMs;
    std::wstring commandLine = L"Z:\\usr\\bin\\xdotool click --repeat " + std::to_wstring(repeat) +
                               L" --delay " + std::to_wstring(intervalMs) + L" 1";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started)) {
        return {};
    }
    // Not through ChildProcess: its wait for the start would eat into the counted clicks.
    const runtime::UniqueKernelHandle process(started.hProcess);
    const runtime::UniqueKernelHandle thread(started.hThread);
    Clicks clicks = recorder.Record(intervalMs);
    ::WaitForSingleObject(process.get(), 30000);
    return clicks;
}

// The real program from a folder of its own, driven as a person would: its settings file sets
// the interval and the range, the dialog is dismissed with Escape, and a click on the status
// button starts and stops it (a click needs no focus, which the clicked recorder takes); the
// cursor is not walked.
class Tapnor {
  public:
    explicit Tapnor(int intervalMs) {
        testing_support::WriteFileBytes(
            program_.PathOf(L"Tapnor.ini"),
            "[Tapnor]\r\n\r\nTimer=" + std::to_string(intervalMs) +
                "\r\nTabKey=False\r\nRange=" + std::to_string(kRange.left) + ", " +
                std::to_string(kRange.top) + ", " + std::to_string(kRange.right) + ", " +
                std::to_string(kRange.bottom) + "\r\nMsMove=False\r\n");
        if (!program_.Start(L"Tapnor.exe")) {
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
            testing_support::WaitUntil([&] { return Options(main) != main; }, 30s)) {
            main_ = main;
        }
    }

    Clicks Record(const Recorder& recorder, int intervalMs) {
        if (!SetRunning(true)) {
            std::fprintf(stderr, "click cadence: Tapnor did not start at %d ms\n", intervalMs);
            return {};
        }
        testing_support::MoveCursor(kClickPoint.x, kClickPoint.y);
        Clicks clicks = recorder.Record(intervalMs);
        testing_support::MoveCursor(kRestPoint.x, kRestPoint.y);
        recorder.WaitForQuiet(intervalMs);
        SetRunning(false);
        return clicks;
    }

  private:
    // The options button: 32 x 32 at (15, 28) of the client area, disabled while running. Its
    // window is the smallest of the main window's descendants there.
    static HWND Options(HWND main) {
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

    // cmdStatus: 32 x 32 at (55, 28) of the client area; a press toggles the engine.
    bool SetRunning(bool running) const {
        POINT button = {55 + 16, 28 + 16};
        ::ClientToScreen(main_, &button);
        const auto isRunning = [&] { return ::IsWindowEnabled(Options(main_)) == FALSE; };
        for (int attempt = 0; main_ != nullptr && attempt < 3; ++attempt) {
            if (isRunning() == running) {
                return true;
            }
            testing_support::ClickAt(button.x, button.y);
            testing_support::WaitUntil([&] { return isRunning() == running; }, 3s);
        }
        return main_ != nullptr && isRunning() == running;
    }

    testing_support::ProgramUnderTest program_{L"タップノール計測",
                                               {L"Tapnor.exe", L"Sleekon.ocx"}};
    HWND main_ = nullptr;
};

void PrintRow(const char* name, int intervalMs, const Cadence& cadence) {
    std::printf("| %2d ms | %-22s | %7.1f | %8.3f ms | %7.3f ms | %7.3f ms | %5ld |\n", intervalMs,
                name, cadence.clicksPerSecond, cadence.meanPeriodMs, cadence.medianErrorMs,
                cadence.p99ErrorMs, cadence.missedTicks);
}

}  // namespace

// Intervals in ms may be given on the command line (benchmarks::IntervalsFrom).
int wmain(int argc, wchar_t** argv) {
    const std::vector<int> intervals = benchmarks::IntervalsFrom(argc, argv);
    const Recorder recorder;
    if (!recorder.ready() || !testing_support::MoveCursor(kRestPoint.x, kRestPoint.y)) {
        std::printf("click cadence: the click recorder did not start\n");
        return 1;
    }
    std::printf(
        "Click cadence, end to end: left-button downs timed by a low-level mouse hook in "
        "another process; per interval %d interleaved rounds of each clicker, each %lld "
        "ms (at least 60 periods) after %lld ms of warm-up\n\n",
        benchmarks::kRounds, static_cast<long long>(benchmarks::RunLength(1) / 1ms),
        static_cast<long long>(kWarmUp / 1ms));
    std::printf(
        "| Interval | Clicker | Clicks/s | Mean period | Median error | p99 error | "
        "Missed |\n|---|---|---|---|---|---|---|\n");
    struct Goal {
        int intervalMs;
        double rate;
        double p99;
    };
    std::vector<Goal> goals;
    for (const int intervalMs : intervals) {
        Tapnor tapnor(intervalMs);
        std::vector<Clicks> tapnorRuns, ceilingRuns, xdotoolRuns, windowTimerRuns;
        const auto take = [&](std::vector<Clicks>& runs, Clicks clicks) {
            runs.push_back(std::move(clicks));
            recorder.WaitForQuiet(intervalMs);
        };
        for (int round = 0; round < benchmarks::kRounds; ++round) {
            take(ceilingRuns, OnThread(recorder, intervalMs, CeilingClicker));
            take(tapnorRuns, tapnor.Record(recorder, intervalMs));
            take(xdotoolRuns, Xdotool(recorder, intervalMs));
            take(windowTimerRuns, OnThread(recorder, intervalMs, WindowTimerClicker));
        }
        const Cadence ceiling = benchmarks::CadenceOf(ceilingRuns, intervalMs);
        const Cadence ours = benchmarks::CadenceOf(tapnorRuns, intervalMs);
        PrintRow("Tapnor", intervalMs, ours);
        PrintRow("ceiling (bare clicker)", intervalMs, ceiling);
        PrintRow("xdotool", intervalMs, benchmarks::CadenceOf(xdotoolRuns, intervalMs));
        PrintRow("window-timer clicker", intervalMs,
                 benchmarks::CadenceOf(windowTimerRuns, intervalMs));
        std::fflush(stdout);
        goals.push_back(
            {intervalMs,
             ceiling.clicksPerSecond > 0 ? ours.clicksPerSecond / ceiling.clicksPerSecond : 0,
             ceiling.p99ErrorMs > 0 ? ours.p99ErrorMs / ceiling.p99ErrorMs : 0});
    }
    std::printf(
        "\nTapnor against the ceiling (goals: clicks/s at least 0.90 of it at 1 and 2 ms; "
        "p99 error at most 1.5 times its own at 5 to 50 ms)\n\n");
    for (const Goal& goal : goals) {
        const bool met = goal.intervalMs <= 2 ? goal.rate >= 0.90 : goal.p99 <= 1.5;
        std::printf(
            "%2d ms: clicks/s %.2f of the ceiling, p99 error %.2f times the ceiling's: %s\n",
            goal.intervalMs, goal.rate, goal.p99, met ? "met" : "missed");
    }
    return 0;
}
