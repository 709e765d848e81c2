// Start-up, from the launch to the program's first window on the screen (Tapnor: its settings
// dialog), seen from outside: this process takes the time before CreateProcess and watches
// for the window to be shown. Tapnor against a bare window built as the programs are, in
// interleaved rounds, with a bare dialog like Tapnor's beside them (what a dialog alone
// costs); and Tapnor's start-up step by step, from the timed twin's calls.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "benchmarks/cadence_figures.h"
#include "benchmarks/call_timeline_win32.h"
#include "benchmarks/deadline_loop_win32.h"
#include "benchmarks/startup_steps.h"
#include "runtime/unique_handle_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/start_check.h"
#include "testing/temporary_folder_win32.h"

namespace {

using namespace std::chrono_literals;

constexpr int kRounds = 9;
constexpr const wchar_t* kDialogTitle = L"連射設定";

// The settings file of a run with the defaults, as Tapnor writes it.
constexpr const char* kSettings =
    "[Tapnor]\r\n\r\nTimer=10\r\nTabKey=False\r\nRange=0, 0, 1919, 1079\r\nMsMove=True\r\n";

struct Contender {
    const wchar_t* file;   // in the program folder
    const wchar_t* title;  // of the window that counts
};

// One start: the counter at the launch, and at the window's showing; nullopt when the
// window did not come.
struct Start {
    std::int64_t launched = 0;
    std::int64_t shown = 0;
    double ms() const { return benchmarks::CounterToMs(shown - launched); }
};

HWND ShownWindowOf(DWORD process, const wchar_t* title) {
    for (HWND window = ::FindWindowW(nullptr, title); window != nullptr;
         window = ::FindWindowExW(nullptr, window, nullptr, title)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == process && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// Launches the program and waits, looking every millisecond, for its window to be shown;
// then ends it. A start that Wine failed is made again (testing/start_check.h).
std::optional<Start> TimeStart(const std::wstring& folder, const Contender& contender) {
    std::wstring commandLine = L"\"" + folder + L"\\" + contender.file + L"\"";
    for (int attempt = 0; attempt < testing_support::kStartAttempts; ++attempt) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION started = {};
        Start start;
        start.launched = benchmarks::CounterNow();
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &started)) {
            continue;
        }
        const runtime::UniqueKernelHandle process(started.hProcess);
        const runtime::UniqueKernelHandle thread(started.hThread);
        const auto giveUp = std::chrono::steady_clock::now() + 30s;
        while (ShownWindowOf(started.dwProcessId, contender.title) == nullptr &&
               std::chrono::steady_clock::now() < giveUp &&
               ::WaitForSingleObject(process.get(), 1) == WAIT_TIMEOUT) {
        }
        start.shown = benchmarks::CounterNow();
        const bool shown = ShownWindowOf(started.dwProcessId, contender.title) != nullptr;
        ::TerminateProcess(process.get(), 0);
        ::WaitForSingleObject(process.get(), 10000);
        if (shown) {
            return start;
        }
    }
    return std::nullopt;
}

double Median(std::vector<double> values) {
    return benchmarks::Percentile(std::move(values), 0.5);
}

// Every call of the user-interface thread in one start, until the dialog was shown.
void PrintCalls(const benchmarks::CallTimeline& timeline, const Start& start) {
    std::printf("\n| Since launch | Call | Took |\n|---|---|---|\n");
    std::printf("| %.1f ms | (entry point) | |\n",
                benchmarks::CounterToMs(timeline.entered - start.launched));
    const LONG count =
        std::min(static_cast<LONG>(timeline.count), benchmarks::CallTimeline::kCapacity);
    for (LONG i = 0; i < count; ++i) {
        const benchmarks::CallRecord& call = timeline.records[i];
        if (call.thread != timeline.mainThread || call.enter >= start.shown) {
            continue;
        }
        std::printf("| %.2f ms | %s | %.2f ms |\n",
                    benchmarks::CounterToMs(call.enter - start.launched),
                    benchmarks::kCallNames[static_cast<std::size_t>(call.call)],
                    call.leave != 0 ? benchmarks::CounterToMs(call.leave - call.enter) : -1.0);
    }
    std::printf("| %.1f ms | (dialog shown) | |\n", start.ms());
}

}  // namespace

//   startup_benchmark.exe [folder] [calls]
// The programs come from the folder given (a release build's, as shipped), else from this
// build's program folder; "calls" lists the calls of the last timed start too.
int wmain(int argc, wchar_t** argv) {
    std::wstring programs = testing_support::ProgramFolder();
    bool listCalls = false;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"calls") {
            listCalls = true;
        } else {
            programs = argv[i];
        }
    }
    const testing_support::TemporaryFolder folder(L"起動計測");
    for (const wchar_t* file : {L"Tapnor.exe", L"Sleekon.ocx", L"TapnorTimed.exe",
                                L"bare_window.exe", L"bare_dialog.exe"}) {
        const std::wstring from = programs + L"\\" + file;
        if (!::CopyFileW(from.c_str(), (folder / file).c_str(), FALSE)) {
            std::printf("start-up: %ls is missing\n", from.c_str());
            return 1;
        }
    }
    testing_support::WriteFileBytes(folder / L"Tapnor.ini", kSettings);
    benchmarks::SharedCallTimeline timeline;
    if (timeline.get() == nullptr) {
        std::printf("start-up: no call timeline\n");
        return 1;
    }

    const Contender bare = {L"bare_window.exe", L"BareWindow"};
    const Contender bareDialog = {L"bare_dialog.exe", L"BareDialog"};
    const Contender tapnor = {L"Tapnor.exe", kDialogTitle};
    const Contender twin = {L"TapnorTimed.exe", kDialogTitle};
    // One start of each first, so that every counted start finds the files in the cache.
    TimeStart(folder.path(), bare);
    TimeStart(folder.path(), bareDialog);
    TimeStart(folder.path(), tapnor);
    std::vector<double> bareMs, bareDialogMs, tapnorMs;

    std::vector<benchmarks::StartupSteps> steps;
    std::optional<Start> lastTimed;
    for (int round = 0; round < kRounds; ++round) {
        if (const auto start = TimeStart(folder.path(), bare)) {
            bareMs.push_back(start->ms());
        }
        if (const auto start = TimeStart(folder.path(), bareDialog)) {
            bareDialogMs.push_back(start->ms());
        }
        if (const auto start = TimeStart(folder.path(), tapnor)) {
            tapnorMs.push_back(start->ms());
        }
        timeline.Clear();
        if (const auto start = TimeStart(folder.path(), twin)) {
            steps.push_back(benchmarks::StepsOf(*timeline.get(), start->launched, start->shown));
            lastTimed = start;
        }
    }
    if (bareMs.empty() || bareDialogMs.empty() || tapnorMs.empty()) {
        std::printf("start-up: the programs did not show their windows\n");
        return 1;
    }

    std::printf(
        "\nStart-up, from the launch to the first window shown (Tapnor: its settings dialog), "
        "seen from another process; %d interleaved starts each, the programs from %ls\n\n",
        kRounds, programs.c_str());
    std::printf("| Program | Median | Best | Worst |\n|---|---|---|---|\n");
    const auto row = [](const char* name, const std::vector<double>& ms) {
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms |\n", name, Median(ms),
                    *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()));
    };
    row("bare window", bareMs);
    row("bare dialog like Tapnor's", bareDialogMs);
    row("Tapnor", tapnorMs);

    std::printf("\nTapnor's start-up by step (its timed twin; median of %zu starts)\n\n",
                steps.size());
    benchmarks::PrintSteps(steps);
    if (listCalls && lastTimed) {
        PrintCalls(*timeline.get(), *lastTimed);
    }

    const double ratio = Median(tapnorMs) / Median(bareMs);
    std::printf(
        "\nAgainst the bare window, the bare dialog took %.2f times as long and Tapnor %.2f; "
        "Tapnor took %.2f times the bare dialog's.\n",
        Median(bareDialogMs) / Median(bareMs), ratio, Median(tapnorMs) / Median(bareDialogMs));
    std::printf("\nGoal start-up to the dialog at most 1.3 times a bare window's: %.2f: %s\n",
                ratio, ratio <= 1.3 ? "held" : "not held");
    return 0;
}
