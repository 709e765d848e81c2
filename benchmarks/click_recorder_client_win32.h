#pragma once

#include <windows.h>

#include <chrono>
#include <vector>

#include "benchmarks/click_stamps_win32.h"
#include "runtime/unique_handle_win32.h"
#include "testing/child_process_win32.h"

namespace benchmarks {

// The click recorder process (click_recorder_win32) and its stamps, for the whole run: an
// outside observer of every left-button down over its target window.
class Recorder {
  public:
    explicit Recorder(const RECT& target);
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    bool ready() const { return stamps_ != nullptr; }
    LONG count() const { return stamps_->count; }
    // The time of the click of that number, in ms of the performance counter.
    double TimeOf(LONG click) const;

    // Waits for the next click, skips warmUp after it, and returns the times of the clicks of
    // the following run (none when no click came). The clicker keeps clicking meanwhile.
    std::vector<double> Record(std::chrono::milliseconds warmUp,
                               std::chrono::milliseconds run) const;
    // Waits until the last clicker has stopped clicking, so that runs never overlap.
    void WaitForQuiet(std::chrono::milliseconds quiet) const;

  private:
    testing_support::ChildProcess process_;  // ended when the recorder goes
    runtime::UniqueKernelHandle mapping_;
    runtime::UniqueMappedView view_;
    const ClickStamps* stamps_ = nullptr;
};

}  // namespace benchmarks
