#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "runtime/deadline_grid.h"
#include "runtime/unique_handle_win32.h"

namespace runtime {

// A timer that ticks on fixed deadlines (start + n × period, so it never drifts) and runs its tick
// on the thread that made it. The thread's own loop, in GetMessageOrTick, runs a tick whose
// deadline has passed at once, or waits on a high-resolution waitable timer and runs the tick
// itself when it comes. While the thread is away from that loop (a modal loop runs, or a message
// is being handled), a worker thread sleeps on the same timer instead and posts the tick to a
// message-only window the timer owns, so that ticks also arrive in modal loops; while the loop
// waits, the worker sleeps until the thread leaves it (a message came), so a tick costs one wake,
// not two, and a posted tick that the loop takes gives the ticks back to the loop. Should the
// thread be held without having left the loop, the worker takes over once a deadline is 50 ms
// overdue. Which deadlines become ticks is DeadlineGrid's arithmetic: each deadline once, by
// whichever takes it first; none while the tick before it is still on its way; no burst after
// falling behind; a tick of a run that was stopped or restarted since never runs.
class PrecisionTimer {
  public:
    // onTick runs on the creating thread, one tick to its end before the next; an exception
    // that escapes it ends that tick only. Create and destroy the timer on that thread.
    explicit PrecisionTimer(std::function<void()> onTick);
    ~PrecisionTimer();
    PrecisionTimer(const PrecisionTimer&) = delete;
    PrecisionTimer& operator=(const PrecisionTimer&) = delete;

    // (Re)starts: the first tick comes one period from now. A one-shot timer stops after it.
    void Start(std::chrono::microseconds period, bool oneShot = false);
    void Stop();
    bool running() const;

    // The deadline of the tick running now, or of the last one, in performance-counter counts
    // (for measuring how late the tick's work stands).
    std::int64_t acceptedDeadline() const;

  private:
    friend BOOL GetMessageOrTick(MSG* message);
    static LRESULT CALLBACK TickWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) noexcept;

    void Run();
    void Arm(std::int64_t dueCount);
    // On the timer's thread, in its loop: runs the tick whose deadline has passed, if any;
    // `signalled` when the timer woke the loop.
    bool RunDueTick(bool signalled);
    // Before the loop waits: the timer signals at the next deadline.
    void ArmForLoop();
    // The thread's GetMessageOrTick takes this timer's ticks itself now (it waits for the
    // timer, or runs a tick the worker posted); or it returns a message.
    void LoopWaits();
    void LoopLeft();
    // On the timer's thread: runs the tick of `generation` unless its run has ended.
    void RunTick(std::uint32_t generation);
    void RunGuarded() noexcept;

    std::function<void()> onTick_;
    std::vector<PrecisionTimer*>* owners_;  // the creating thread's timers
    UniqueWindow tickWindow_;               // receives the worker's ticks
    UniqueKernelHandle timer_;
    UniqueKernelHandle wake_;  // tells the worker to look again: started, stopped, loop left
    LARGE_INTEGER frequency_{};

    mutable std::mutex mutex_;
    DeadlineGrid grid_;       // in performance-counter counts
    std::int64_t armed_ = 0;  // the deadline the timer is set for; 0 once it must be set again
    bool quit_ = false;
    // The creating thread waits for this timer in GetMessageOrTick, and takes its ticks
    // itself until it returns a message; meanwhile the worker leaves the timer alone.
    std::atomic<bool> loopWatches_{false};
    std::thread worker_;
};

// GetMessageW for a thread's own message loop: while it waits, the precision timers created
// on this thread run their due ticks at once (see PrecisionTimer). Returns FALSE for WM_QUIT.
BOOL GetMessageOrTick(MSG* message);

}  // namespace runtime
