// Tapnor at rest and over a long run, as the host's kernel sees its process: the processor
// time it takes while stopped (none is the goal), and its memory and threads while it clicks
// at 1 ms for minutes (flat is the goal).
//
//   idle_memory_benchmark.exe [minutes of the long run, 1 by default]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <thread>
#include <vector>

#include "benchmarks/click_recorder_client_win32.h"
#include "benchmarks/click_target.h"
#include "benchmarks/host_process_win32.h"
#include "benchmarks/tapnor_driver_win32.h"
#include "testing/input_driver_win32.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kIdle = 10s;
constexpr auto kSampleEvery = 10s;

// After a second for what the last action started (a repaint, a tooltip) to end.
double IdleProcessorMs(const benchmarks::HostProcess& process) {
    std::this_thread::sleep_for(1s);
    const double before = process.ProcessorMs();
    std::this_thread::sleep_for(kIdle);
    return process.ProcessorMs() - before;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const long minutes = std::max(1L, argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 1L);
    const benchmarks::Recorder recorder(benchmarks::kTargetPlace);
    testing_support::MoveCursor(benchmarks::kRestPoint.x, benchmarks::kRestPoint.y);
    const benchmarks::TapnorDriver tapnor({.intervalMs = 1, .range = benchmarks::kTargetRange});
    const std::optional<benchmarks::HostProcess> process =
        benchmarks::HostProcess::Find(tapnor.executablePath());
    if (!recorder.ready() || !tapnor.ready() || !process) {
        std::printf("idle and memory: Tapnor or the recorder did not start\n");
        return 1;
    }

    // At rest before its first run; clicking at 1 ms over the recorder, sampled; at rest
    // again after it stopped.
    const double idleBefore = IdleProcessorMs(*process);
    tapnor.SetRunning(true);
    testing_support::MoveCursor(benchmarks::kClickPoint.x, benchmarks::kClickPoint.y);
    const LONG clicksBefore = recorder.count();
    const double processorBefore = process->ProcessorMs();
    std::vector<benchmarks::HostProcess::Memory> samples;
    const auto start = std::chrono::steady_clock::now();
    while (samples.size() <
           static_cast<std::size_t>(std::chrono::minutes(minutes) / kSampleEvery)) {
        std::this_thread::sleep_for(kSampleEvery);
        samples.push_back(process->ReadMemory());
    }
    // After the first minute (a third of a shorter run) the memory has settled: the last
    // sample is held against the one taken then.
    const std::size_t settled = std::min<std::size_t>(6, samples.size() / 3) - 1;
    const double clickingSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double clickingProcessorMs = process->ProcessorMs() - processorBefore;
    const LONG clicks = recorder.count() - clicksBefore;
    testing_support::MoveCursor(benchmarks::kRestPoint.x, benchmarks::kRestPoint.y);
    recorder.WaitForQuiet(300ms);
    tapnor.SetRunning(false);
    const double idleAfter = IdleProcessorMs(*process);

    std::printf(
        "\nTapnor's process as the host sees it. At rest: %.3f ms of processor time in %lld s "
        "before its first run, %.3f ms after a run. Clicking at 1 ms for %ld min: %ld clicks "
        "(%.0f a second), %.0f ms of processor time a second.\n\n",
        idleBefore, static_cast<long long>(kIdle / 1s), idleAfter, minutes,
        static_cast<long>(clicks), clicks / clickingSeconds, clickingProcessorMs / clickingSeconds);
    std::printf("| After | Resident | Own (anonymous) | Threads |\n|---|---|---|---|\n");
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::printf("| %lld s | %ld KiB | %ld KiB | %ld |\n",
                    static_cast<long long>((i + 1) * (kSampleEvery / 1s)), samples[i].residentKiB,
                    samples[i].anonymousKiB, samples[i].threads);
    }
    const bool idle = idleBefore == 0 && idleAfter == 0;
    std::printf("\nGoal idle stopped: no processor time: %.3f and %.3f ms in %lld s: %s\n",
                idleBefore, idleAfter, static_cast<long long>(kIdle / 1s),
                idle ? "held" : "not held");
    if (samples.empty()) {
        return 0;
    }
    // Flat: from the settled sample to the last, its own memory grows by less than 64 KiB
    // and it runs no more threads.
    const auto& from = samples[settled];
    const auto& to = samples.back();
    const long grewKiB = to.anonymousKiB - from.anonymousKiB;
    const bool flat = grewKiB < 64 && to.threads <= from.threads;
    std::printf(
        "Goal memory flat over %ld min at 1 ms: own memory %+ld KiB and threads %+ld "
        "from the %lld s sample to the last: %s\n",
        minutes, grewKiB, to.threads - from.threads,
        static_cast<long long>((settled + 1) * (kSampleEvery / 1s)), flat ? "held" : "not held");
    return 0;
}
