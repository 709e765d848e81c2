#include "benchmarks/click_recorder_client_win32.h"

#include <string>

#include "benchmarks/deadline_loop_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/window_driver_win32.h"

namespace benchmarks {

using namespace std::chrono_literals;

Recorder::Recorder(const RECT& target) {
    std::wstring commandLine = L"\"" + testing_support::ProgramFolder() +
                               L"\\..\\benchmarks\\click_recorder.exe\" " +
                               std::to_wstring(target.left) + L" " + std::to_wstring(target.top) +
                               L" " + std::to_wstring(target.right - target.left) + L" " +
                               std::to_wstring(target.bottom - target.top);
    const runtime::UniqueKernelHandle ready(
        ::CreateEventW(nullptr, TRUE, FALSE, ClickStamps::kReadyEvent));
    process_ = testing_support::ChildProcess::Start(std::move(commandLine));
    if (process_ && ::WaitForSingleObject(ready.get(), 10000) == WAIT_OBJECT_0) {
        mapping_.reset(::OpenFileMappingW(FILE_MAP_READ, FALSE, ClickStamps::kName));
        view_.reset(::MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, sizeof(ClickStamps)));
        stamps_ = static_cast<const ClickStamps*>(view_.get());
    }
}

double Recorder::TimeOf(LONG click) const {
    return CounterToMs(stamps_->stamps[click % ClickStamps::kCapacity]);
}

std::vector<double> Recorder::Record(std::chrono::milliseconds warmUp,
                                     std::chrono::milliseconds run) const {
    const LONG before = count();
    if (!testing_support::WaitUntil([&] { return count() > before; }, 10s)) {
        return {};
    }
    const double from = TimeOf(before) + static_cast<double>(warmUp.count());
    const double to = from + static_cast<double>(run.count());
    testing_support::WaitUntil([&] { return TimeOf(count() - 1) >= to; }, warmUp + run + 10s);
    std::vector<double> times;
    for (LONG click = before; click < count(); ++click) {
        if (TimeOf(click) >= from && TimeOf(click) < to) {
            times.push_back(TimeOf(click));
        }
    }
    return times;
}

void Recorder::WaitForQuiet(std::chrono::milliseconds quiet) const {
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

}  // namespace benchmarks
