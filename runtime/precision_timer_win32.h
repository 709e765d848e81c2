#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "runtime/deadline_grid.h"
#include "runtime/unique_handle_win32.h"

namespace runtime {

// A timer that ticks on fixed deadlines (start + n × period, so it never drifts) and
// delivers each tick as its message to a window, so that the tick's work runs on that
// window's thread. A worker thread sleeps on a high-resolution waitable timer and posts the
// tick, so that ticks also arrive while a modal loop runs there; the thread's own loop,
// waiting in GetMessageOrTick, wakes on the same timer and takes the tick itself, one
// thread switch sooner. Which deadlines become ticks is DeadlineGrid's arithmetic: each
// deadline once, by whichever takes it first; none while the window has not handled the tick
// before it; no burst after falling behind.
class PrecisionTimer {
  public:
    // Each tick sends (message, wParam = id, lParam = the run's generation) to the window.
    // Create and destroy the timer on the window's thread.
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

    // The deadline of the tick last accepted, in performance-counter counts (for measuring
    // how late the tick's work stands).
    std::int64_t acceptedDeadline() const;

  private:
    friend BOOL GetMessageOrTick(MSG* message);

    void Run();
    void Arm(std::int64_t dueCount);
    // On the window's thread, when the timer is signalled: delivers a due tick at once.
    void DeliverHere();

    std::vector<PrecisionTimer*>* owners_;  // the creating thread's timers
    HWND target_;
    UINT message_;
    WPARAM id_;
    UniqueKernelHandle timer_;
    UniqueKernelHandle wake_;  // tells the worker that the settings changed
    LARGE_INTEGER frequency_{};

    mutable std::mutex mutex_;
    DeadlineGrid grid_;  // in performance-counter counts
    bool quit_ = false;
    std::thread worker_;
};

// GetMessageW for a thread's own message loop: while it waits, the precision timers created
// on this thread deliver their due ticks at once (see PrecisionTimer). Returns FALSE for
// WM_QUIT.
BOOL GetMessageOrTick(MSG* message);

}  // namespace runtime
