#include "runtime/precision_timer_win32.h"

#include <algorithm>

namespace runtime {

namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

HANDLE CreateTimer() {
    HANDLE timer = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                            TIMER_ALL_ACCESS);
    if (timer == nullptr) {
        // Before Windows 10 1803: an ordinary waitable timer.
        timer = ::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    return timer;
}

std::int64_t Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

PrecisionTimer::PrecisionTimer(HWND target, UINT message, WPARAM id)
    : target_(target),
      message_(message),
      id_(id),
      timer_(CreateTimer()),
      wake_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    ::QueryPerformanceFrequency(&frequency_);
    worker_ = std::thread([this] { Run(); });
}

PrecisionTimer::~PrecisionTimer() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    ::SetEvent(wake_.get());
    worker_.join();
}

void PrecisionTimer::Start(std::chrono::microseconds period, bool oneShot) {
    {
        std::lock_guard lock(mutex_);
        running_ = true;
        oneShot_ = oneShot;
        periodCounts_ = std::max<std::int64_t>(1, period.count() * frequency_.QuadPart / 1000000);
        startCount_ = Now();
        nextDeadline_ = startCount_ + periodCounts_;
        ++generation_;
        pending_ = false;
        skipped_ = 0;
    }
    ::SetEvent(wake_.get());
}

void PrecisionTimer::Stop() {
    {
        std::lock_guard lock(mutex_);
        running_ = false;
        ++generation_;
        pending_ = false;
    }
    ::SetEvent(wake_.get());
}

bool PrecisionTimer::running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool PrecisionTimer::Accept(LPARAM generation) {
    std::lock_guard lock(mutex_);
    if (generation != generation_) {
        return false;
    }
    pending_ = false;
    acceptedDeadline_ = postedDeadline_;
    return true;
}

std::int64_t PrecisionTimer::acceptedDeadline() const {
    std::lock_guard lock(mutex_);
    return acceptedDeadline_;
}

void PrecisionTimer::Arm(std::int64_t dueCount) {
    // Relative due time in 100 ns units; the deadline itself stays absolute.
    const std::int64_t remaining = std::max<std::int64_t>(0, dueCount - Now());
    LARGE_INTEGER due;
    due.QuadPart = -std::max<std::int64_t>(1, remaining * 10000000 / frequency_.QuadPart);
    ::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
}

void PrecisionTimer::Run() {
    const HANDLE handles[] = {wake_.get(), timer_.get()};
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (quit_) {
                return;
            }
            if (running_) {
                Arm(nextDeadline_);
            } else {
                ::CancelWaitableTimer(timer_.get());
            }
        }
        const DWORD woken = ::WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1) {
            continue;  // settings changed (or a failed wait): re-arm from the new state
        }
        std::lock_guard lock(mutex_);
        if (!running_) {
            continue;
        }
        const std::int64_t now = Now();
        if (now < nextDeadline_) {
            continue;  // woken early; wait for the deadline
        }
        if (pending_.exchange(true)) {
            ++skipped_;
        } else {
            postedDeadline_ = nextDeadline_;
            ::PostMessageW(target_, message_, id_, generation_);
        }
        if (oneShot_) {
            running_ = false;
            continue;
        }
        // The next deadline on the grid after now; deadlines already missed are dropped.
        const std::int64_t elapsed = now - startCount_;
        nextDeadline_ = startCount_ + (elapsed / periodCounts_ + 1) * periodCounts_;
    }
}

}  // namespace runtime
