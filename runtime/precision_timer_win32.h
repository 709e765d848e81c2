#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "runtime/unique_handle_win32.h"

namespace runtime {

// A timer that ticks on fixed deadlines (start + n × period, so it never drifts) and
// delivers each tick as a message posted to a window, so that the tick's work runs on
// that window's thread, also while a modal loop runs there. A worker thread sleeps on a
// high-resolution waitable timer. A tick whose predecessor the window has not yet handled
// is skipped, and deadlines missed meanwhile are dropped: the window never receives a
// burst of ticks after falling behind.
class PrecisionTimer {
  public:
    // Each tick posts (message, wParam = id, lParam = the run's generation) to the window.
    PrecisionTimer(HWND target, UINT message, WPARAM id);
    ~PrecisionTimer();
    PrecisionTimer(const PrecisionTimer&) = delete;
    PrecisionTimer& operator=(const PrecisionTimer&) = delete;

    // (Re)starts: the first tick comes one period from now. A one-shot timer stops after it.
    void Start(std::chrono::microseconds period, bool oneShot = false);
    void Stop();
    bool running() const;

    // Call when the window handles a tick message; false when the tick belongs to an earlier
    // run (posted before Stop or a restart) and must be ignored.
    bool Accept(LPARAM generation);

    // Ticks dropped because the window had not handled the previous one, since Start.
    std::uint64_t skippedTicks() const { return skipped_.load(); }
    // The deadline of the tick last accepted, in performance-counter counts (for measuring
    // how late the tick's work stands).
    std::int64_t acceptedDeadline() const;

  private:
    void Run();
    void Arm(std::int64_t dueCount);

    HWND target_;
    UINT message_;
    WPARAM id_;
    UniqueKernelHandle timer_;
    UniqueKernelHandle wake_;  // tells the worker that the settings changed
    LARGE_INTEGER frequency_{};

    mutable std::mutex mutex_;
    bool running_ = false;
    bool oneShot_ = false;
    bool quit_ = false;
    std::int64_t periodCounts_ = 0;
    std::int64_t startCount_ = 0;
    std::int64_t nextDeadline_ = 0;  // in performance-counter counts
    LPARAM generation_ = 0;
    std::int64_t postedDeadline_ = 0;
    std::int64_t acceptedDeadline_ = 0;

    std::atomic<bool> pending_{false};
    std::atomic<std::uint64_t> skipped_{0};
    std::thread worker_;
};

}  // namespace runtime
