#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "benchmarks/cadence_figures.h"
#include "benchmarks/call_timeline_win32.h"
#include "benchmarks/deadline_loop_win32.h"

namespace benchmarks {

// Where the time of a click tick goes, on the user-interface thread: from the deadline to the
// wake (its wait returned; or the loop, finding no message, saw the deadline passed; or its
// posted tick was taken from the queue), from the wake to the tick's first call, each of its
// calls, the engine's own code between them, and back to the message loop.
enum class TickStep {
    DeadlineToWake,  // the deadline until the wait for it returns
    WakeToWork,      // the wake until the tick's first call (the loop, the lock, dispatch)
    Rearm,           // of which the timer armed for the next deadline
    KeepOnTop,       // the main window kept first in the z-order, topmost
    Tab,             // keybd_event
    CursorRead,      // GetCursorPos
    Click,           // SendInput, or mouse_event down and up
    Walk,            // SetCursorPos
    BetweenCalls,    // the engine's own code between those calls
    BackToWait,      // the tick's last call until the message loop looks again
    Tick,            // the whole: wake to the loop's next look
    kCount
};

inline constexpr std::array<const char*, static_cast<std::size_t>(TickStep::kCount)>
    kTickStepNames = {
        "deadline to the wake (ticks that waited)",
        "wake to the tick's first call",
        "  of which arming the timer",
        "keeping the main window on top",
        "Tab (keybd_event)",
        "cursor read (GetCursorPos)",
        "click (SendInput / mouse_event)",
        "walk (SetCursorPos)",
        "the engine between its calls",
        "last call to the loop's next look",
        "whole tick, wake to the loop's next look",
};

struct TickFigures {
    std::array<std::vector<double>, static_cast<std::size_t>(TickStep::kCount)> ms;
    long ticks = 0;
    long postedTicks = 0;  // of which the worker posted, rather than the loop's wait ran
    double seconds = 0;
    long workerWakes = 0;     // waits of the timers' other threads that returned
    double workerBusyMs = 0;  // their time between a wake and the next wait
};

inline std::optional<TickStep> WorkStepOf(Call call) {
    switch (call) {
        case Call::IsWindowVisible:
        case Call::GetWindow:
        case Call::GetWindowRect:
        case Call::SetWindowPos:
        case Call::GetWindowLongPtrW:
            return TickStep::KeepOnTop;
        case Call::keybd_event:
            return TickStep::Tab;
        case Call::GetCursorPos:
            return TickStep::CursorRead;
        case Call::SendInput:
        case Call::mouse_event:
            return TickStep::Click;
        case Call::SetCursorPos:
            return TickStep::Walk;
        default:
            return std::nullopt;
    }
}

// The click ticks whose wake falls within [from, to) (counter counts).
inline TickFigures TicksOf(const CallTimeline& timeline, std::int64_t from, std::int64_t to) {
    TickFigures figures;
    figures.seconds = CounterToMs(to - from) / 1000.0;
    std::vector<CallRecord> main;
    std::vector<std::int64_t> deadlines;
    const LONG count = std::min(static_cast<LONG>(timeline.count), CallTimeline::kCapacity);
    std::vector<std::pair<DWORD, const CallRecord*>> others;
    for (LONG i = 0; i < count; ++i) {
        const CallRecord& call = timeline.records[i];
        if (call.leave == 0) {
            continue;
        }
        if (call.call == Call::SetWaitableTimer && call.detail != 0) {
            deadlines.push_back(call.detail);
        }
        if (call.thread == timeline.mainThread) {
            main.push_back(call);
        } else if (call.call == Call::WaitForMultipleObjects && call.leave >= from &&
                   call.leave < to) {
            others.emplace_back(call.thread, &call);
        }
    }
    std::sort(deadlines.begin(), deadlines.end());

    // The message loop's calls: a wait for the timer or a message, or a look for a message.
    // Work begins after any of them: a wait returned, a message (a posted tick) was taken, or
    // the loop found none and ran a tick whose deadline had passed.
    const auto isLoop = [](const CallRecord& call) {
        return call.call == Call::MsgWaitForMultipleObjectsEx || call.call == Call::PeekMessageW;
    };
    const auto add = [&](TickStep step, double value) {
        figures.ms[static_cast<std::size_t>(step)].push_back(value);
    };
    for (std::size_t i = 0; i < main.size(); ++i) {
        if (!isLoop(main[i]) || main[i].leave < from || main[i].leave >= to) {
            continue;
        }
        const std::int64_t wake = main[i].leave;
        std::size_t next = i + 1;
        while (next < main.size() && !isLoop(main[next])) {
            ++next;
        }
        if (next == main.size()) {
            break;
        }
        // The calls of the tick's work, and what came before and after them.
        std::array<double, static_cast<std::size_t>(TickStep::kCount)> sums{};
        std::int64_t firstWork = 0, lastWork = 0;
        double rearm = 0;
        bool clicked = false;
        for (std::size_t call = i + 1; call < next; ++call) {
            const CallRecord& record = main[call];
            const double took = CounterToMs(record.leave - record.enter);
            if (record.call == Call::SetWaitableTimer) {
                rearm += took;
            }
            const std::optional<TickStep> step = WorkStepOf(record.call);
            if (!step || (record.call == Call::GetWindowLongPtrW && firstWork == 0)) {
                continue;  // a window procedure's lookup before the work is not the work's
            }
            clicked = clicked || *step == TickStep::Click;
            sums[static_cast<std::size_t>(*step)] += took;
            firstWork = firstWork == 0 ? record.enter : firstWork;
            lastWork = record.leave;
        }
        if (!clicked) {
            continue;  // not a click tick (a message, the start delay)
        }
        ++figures.ticks;
        figures.postedTicks += main[i].call == Call::PeekMessageW && main[i].detail != 0 ? 1 : 0;
        // Only a wait has a deadline armed for it; a tick run straight away had none.
        const auto deadline = std::upper_bound(deadlines.begin(), deadlines.end(), wake);
        if (main[i].call == Call::MsgWaitForMultipleObjectsEx && deadline != deadlines.begin()) {
            add(TickStep::DeadlineToWake, CounterToMs(wake - *std::prev(deadline)));
        }
        add(TickStep::WakeToWork, CounterToMs(firstWork - wake));
        add(TickStep::Rearm, rearm);
        double inCalls = 0;
        for (const TickStep step : {TickStep::KeepOnTop, TickStep::Tab, TickStep::CursorRead,
                                    TickStep::Click, TickStep::Walk}) {
            add(step, sums[static_cast<std::size_t>(step)]);
            inCalls += sums[static_cast<std::size_t>(step)];
        }
        add(TickStep::BetweenCalls, CounterToMs(lastWork - firstWork) - inCalls);
        add(TickStep::BackToWait, CounterToMs(main[next].enter - lastWork));
        add(TickStep::Tick, CounterToMs(main[next].enter - wake));
    }

    // The other threads: each wake until the same thread waits again.
    for (std::size_t i = 0; i < others.size(); ++i) {
        ++figures.workerWakes;
        for (LONG j = static_cast<LONG>(others[i].second - timeline.records) + 1; j < count; ++j) {
            const CallRecord& later = timeline.records[j];
            if (later.thread == others[i].first && later.call == Call::WaitForMultipleObjects) {
                figures.workerBusyMs += CounterToMs(later.enter - others[i].second->leave);
                break;
            }
        }
    }
    return figures;
}

inline void PrintTicks(const TickFigures& figures, double intervalMs) {
    std::printf("| Step of a click tick | Median | p99 | Mean |\n|---|---|---|---|\n");
    for (std::size_t step = 0; step < kTickStepNames.size(); ++step) {
        const std::vector<double>& values = figures.ms[step];
        double mean = 0;
        for (const double value : values) {
            mean += value / static_cast<double>(values.size());
        }
        std::printf("| %s | %.3f ms | %.3f ms | %.3f ms |\n", kTickStepNames[step],
                    Percentile(values, 0.5), Percentile(values, 0.99), mean);
    }
    const double ticks = static_cast<double>(std::max(1L, figures.ticks));
    std::printf(
        "\n%ld click ticks in %.1f s (%.1f a second at %.0f ms), %ld of them posted by the "
        "timer's other thread; that thread woke %.2f times a tick, %.3f ms each tick\n",
        figures.ticks, figures.seconds, static_cast<double>(figures.ticks) / figures.seconds,
        intervalMs, figures.postedTicks, static_cast<double>(figures.workerWakes) / ticks,
        figures.workerBusyMs / ticks);
}

}  // namespace benchmarks
