#include "runtime/precision_timer_win32.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "runtime/com_check_win32.h"

namespace runtime {

namespace {

using namespace std::chrono_literals;

// How long past a deadline the worker lets a waiting loop be before it takes the ticks over.
constexpr std::chrono::milliseconds kLoopWatchdog = 50ms;

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// A notification (manual-reset) timer, so that whichever of the worker and the window's
// thread waits for it wakes when it comes due.
HANDLE CreateTimer() {
    HANDLE timer = ::CreateWaitableTimerExW(
        nullptr, nullptr,
        CREATE_WAITABLE_TIMER_MANUAL_RESET | CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
        TIMER_ALL_ACCESS);
    if (timer == nullptr) {
        // Before Windows 10 1803: an ordinary waitable timer.
        timer = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_MANUAL_RESET,
                                         TIMER_ALL_ACCESS);
    }
    return timer;
}

// The precision timers created on this thread, which its GetMessageOrTick waits on.
thread_local std::vector<PrecisionTimer*> threadTimers;

constexpr const wchar_t* kTickWindowClass = L"SuitePrecisionTimerTicks";
constexpr UINT kTickMessage = WM_APP;  // wParam: the generation of the tick's run

std::int64_t Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// A message-only window: it never shows, and no window but its timer's knows it.
HWND CreateTickWindow(PrecisionTimer* timer, WNDPROC procedure) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExW(instance, kTickWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kTickWindowClass;
        ::RegisterClassExW(&windowClass);
    }
    const HWND window = ::CreateWindowExW(0, kTickWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                          nullptr, instance, nullptr);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(timer));
    return window;
}

}  // namespace

PrecisionTimer::PrecisionTimer(std::function<void()> onTick)
    : onTick_(std::move(onTick)),
      owners_(&threadTimers),
      tickWindow_(CreateTickWindow(this, &PrecisionTimer::TickWindowProcedure)),
      timer_(CreateTimer()),
      wake_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    ::QueryPerformanceFrequency(&frequency_);
    owners_->push_back(this);
    worker_ = std::thread([this] { Run(); });
}

PrecisionTimer::~PrecisionTimer() {
    std::erase(*owners_, this);
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    ::SetEvent(wake_.get());
    worker_.join();
    // Ticks still posted go with the window, unrun.
    ::SetWindowLongPtrW(tickWindow_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK PrecisionTimer::TickWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) noexcept {
    if (message == kTickMessage) {
        if (auto* timer =
                reinterpret_cast<PrecisionTimer*>(::GetWindowLongPtrW(window, GWLP_USERDATA))) {
            timer->RunTick(static_cast<std::uint32_t>(wParam));
        }
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void PrecisionTimer::Start(std::chrono::microseconds period, bool oneShot) {
    {
        std::lock_guard lock(mutex_);
        grid_.Start(Now(), period.count() * frequency_.QuadPart / 1000000, oneShot);
        Arm(grid_.nextDeadline());  // a deadline of an earlier run no longer signals
    }
    ::SetEvent(wake_.get());
}

void PrecisionTimer::Stop() {
    {
        std::lock_guard lock(mutex_);
        grid_.Stop();
    }
    ::SetEvent(wake_.get());
}

bool PrecisionTimer::running() const {
    std::lock_guard lock(mutex_);
    return grid_.running();
}

std::int64_t PrecisionTimer::acceptedDeadline() const {
    std::lock_guard lock(mutex_);
    return grid_.acceptedDeadline();
}

void PrecisionTimer::Arm(std::int64_t dueCount) {
    armed_ = dueCount;
    // Relative due time in 100 ns units; the deadline itself stays absolute.
    const std::int64_t remaining = std::max<std::int64_t>(0, dueCount - Now());
    LARGE_INTEGER due;
    due.QuadPart = -std::max<std::int64_t>(1, remaining * 10000000 / frequency_.QuadPart);
    ::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
}

void PrecisionTimer::Run() {
    const HANDLE handles[] = {wake_.get(), timer_.get()};
    const std::int64_t watchdogCounts = frequency_.QuadPart * kLoopWatchdog.count() / 1000;
    for (;;) {
        DWORD count = 1;
        DWORD timeoutMs = INFINITE;
        {
            std::lock_guard lock(mutex_);
            if (quit_) {
                return;
            }
            if (grid_.running() && !loopWatches_) {
                count = 2;  // the thread is away from its loop: deliver its ticks
            } else if (grid_.running()) {
                timeoutMs = static_cast<DWORD>(kLoopWatchdog.count());
            }
        }
        const DWORD woken = ::WaitForMultipleObjects(count, handles, FALSE, timeoutMs);
        if (woken == WAIT_TIMEOUT) {
            // The loop said it waits, yet a deadline long past is still untaken: the thread
            // was held before it could say otherwise (a modal loop run from a message sent to
            // it while it peeked). The ticks are the worker's until the loop waits again.
            std::lock_guard lock(mutex_);
            if (grid_.running() && Now() - grid_.nextDeadline() > watchdogCounts) {
                loopWatches_ = false;
            }
            continue;
        }
        if (woken != WAIT_OBJECT_0 + 1) {
            continue;  // started, stopped, or the thread left its loop: look again
        }
        std::lock_guard lock(mutex_);
        if (loopWatches_) {
            continue;  // the thread came back to its loop, which takes the tick
        }
        if (const auto tick = grid_.TakeDue(Now())) {
            ::PostMessageW(tickWindow_.get(), kTickMessage, tick->generation, 0);
        }
        if (grid_.running()) {
            Arm(grid_.nextDeadline());  // clears the signal of the deadline just passed
        }
    }
}

void PrecisionTimer::LoopWaits() {
    loopWatches_ = true;
}

void PrecisionTimer::LoopLeft() {
    if (loopWatches_.exchange(false)) {
        ::SetEvent(wake_.get());  // the worker takes over until the thread is back
    }
}

bool PrecisionTimer::RunDueTick(bool signalled) {
    {
        std::lock_guard lock(mutex_);
        const std::optional<DueTick> tick = grid_.TakeDue(Now());
        if (!tick) {
            if (signalled) {
                armed_ = 0;  // early, or the worker posted it: arming again clears the signal
            }
            return false;
        }
        grid_.Accept(tick->generation);
    }
    RunGuarded();
    return true;
}

void PrecisionTimer::ArmForLoop() {
    std::lock_guard lock(mutex_);
    if (grid_.running() && armed_ != grid_.nextDeadline()) {
        Arm(grid_.nextDeadline());
    }
}

void PrecisionTimer::RunTick(std::uint32_t generation) {
    {
        std::lock_guard lock(mutex_);
        if (!grid_.Accept(generation)) {
            return;  // posted before Stop or a restart
        }
    }
    RunGuarded();
}

void PrecisionTimer::RunGuarded() noexcept {
    GuardMessage(
        [this] {
            onTick_();
            return 0;
        },
        [] { return 0; });
}

BOOL GetMessageOrTick(MSG* message) {
    // The thread leaves its loop: its timers' workers deliver the ticks until it is back.
    const auto leaveLoop = [] {
        for (PrecisionTimer* timer : threadTimers) {
            timer->LoopLeft();
        }
    };
    // The thread's timer whose worker posted this tick; null for any other message.
    const auto tickOwner = [](const MSG& taken) -> PrecisionTimer* {
        if (taken.message != kTickMessage) {
            return nullptr;
        }
        for (PrecisionTimer* timer : threadTimers) {
            if (timer->tickWindow_.get() == taken.hwnd) {
                return timer;
            }
        }
        return nullptr;
    };
    for (;;) {
        if (::PeekMessageW(message, nullptr, 0, 0, PM_REMOVE)) {
            // A tick the worker posted while the thread was away: the thread is back, and the
            // loop takes the ticks back before it runs this one. Handed to the caller as a
            // message, it would leave the loop again; with a tick as long as the period, the
            // next tick would always be posted by then, and the worker would deliver every
            // tick from then on, each a wake of its own and a trip through the queue; and
            // input, WM_PAINT and WM_TIMER, which come only after posted messages ("PeekMessageW
            // function", Remarks), would wait for as long as the ticks went on.
            if (PrecisionTimer* timer = tickOwner(*message)) {
                timer->LoopWaits();
                timer->RunTick(static_cast<std::uint32_t>(message->wParam));
                continue;
            }
            leaveLoop();
            return message->message != WM_QUIT;
        }
        // A deadline that has passed runs at once, without a wait: when a tick takes as long
        // as the period, the next deadline has passed by the time it ends, and waiting for
        // the timer would add its latency and two calls to every tick. The queue is looked
        // at again before the next tick, so input, painting and window timers still come.
        const auto ranDueTick = [] {
            for (PrecisionTimer* timer : threadTimers) {
                if (timer->running()) {
                    timer->LoopWaits();
                    if (timer->RunDueTick(false)) {
                        return true;  // the thread's timers may have changed meanwhile
                    }
                }
            }
            return false;
        };
        if (ranDueTick()) {
            continue;
        }
        // Kept from wait to wait: the loop waits once per message, and need not allocate.
        thread_local std::vector<HANDLE> due;
        thread_local std::vector<PrecisionTimer*> timers;
        due.clear();
        timers.clear();
        for (PrecisionTimer* timer : threadTimers) {
            if (timer->running() && due.size() + 1 < MAXIMUM_WAIT_OBJECTS) {
                timer->ArmForLoop();
                due.push_back(timer->timer_.get());
                timers.push_back(timer);
            }
        }
        const DWORD woken = ::MsgWaitForMultipleObjectsEx(
            static_cast<DWORD>(due.size()), due.data(), INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken < WAIT_OBJECT_0 + due.size()) {
            timers[woken - WAIT_OBJECT_0]->RunDueTick(true);
        } else if (woken == WAIT_OBJECT_0 + due.size()) {
            // A message came. PeekMessage may first deliver messages sent to this thread, and
            // one of them may run a modal loop (a notification icon's menu): the worker
            // delivers the ticks from here on.
            leaveLoop();
        } else if (woken == WAIT_FAILED) {
            leaveLoop();
            return ::GetMessageW(message, nullptr, 0, 0);
        }
    }
}

}  // namespace runtime
