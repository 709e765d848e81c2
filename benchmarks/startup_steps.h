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

// Where the time of one start went, from the launch until the dialog was shown, in ms. The
// steps add up to the whole; calls of a step made inside another's count to the outer one.
enum class StartupStep {
    ToEntry,      // process start to the program's entry point
    Ole,          // OleInitialize
    Settings,     // from the entry point to the single-instance check, less the above
    Library,      // loading Sleekon.ocx: by the program itself, or by COM for the first control
    Buttons,      // making the buttons and putting them in place, less what is counted apart
    Artwork,      // bitmaps and icons loaded, and the picture objects made of them
    TypeLibrary,  // Sleekon.ocx loading its type library
    Dialog,       // from the dialog's call until it was shown
    Other,        // the rest (the window, the layout, the timers, ...)
    kCount
};

inline constexpr std::array<const char*, static_cast<std::size_t>(StartupStep::kCount)>
    kStartupStepNames = {
        "process start to the entry point",
        "OLE initialisation",
        "loading the settings",
        "loading the control library",
        "creating the buttons",
        "loading artwork (bitmaps, icons, pictures)",
        "loading the type library",
        "the dialog, from its call until shown",
        "the rest",
};

using StartupSteps = std::array<double, static_cast<std::size_t>(StartupStep::kCount)>;

// The steps of one start of the twin, launched and shown at those counter times.
inline StartupSteps StepsOf(const CallTimeline& timeline, std::int64_t launched,
                            std::int64_t shown) {
    StartupSteps steps{};
    const auto ms = [](std::int64_t counts) {
        return CounterToMs(std::max<std::int64_t>(0, counts));
    };
    const auto add = [&](StartupStep step, double value) {
        steps[static_cast<std::size_t>(step)] += value;
    };
    add(StartupStep::ToEntry, ms(timeline.entered - launched));

    // The user-interface thread's calls until the dialog was shown, each cut off there.
    std::vector<CallRecord> calls;
    const LONG count = std::min(static_cast<LONG>(timeline.count), CallTimeline::kCapacity);
    for (LONG i = 0; i < count; ++i) {
        CallRecord call = timeline.records[i];
        if (call.thread == timeline.mainThread && call.enter < shown) {
            call.leave = call.leave == 0 ? shown : std::min(call.leave, shown);
            calls.push_back(call);
        }
    }
    const auto firstOf = [&](Call which) {
        return std::find_if(calls.begin(), calls.end(),
                            [&](const CallRecord& call) { return call.call == which; });
    };
    const auto lastOf = [&](Call which) {
        const auto found = std::find_if(calls.rbegin(), calls.rend(),
                                        [&](const CallRecord& call) { return call.call == which; });
        return found == calls.rend() ? calls.end() : std::prev(found.base());
    };

    // The step of each call that counts apart, outermost first.
    const auto firstControl = firstOf(Call::CoCreateInstance);
    const auto stepOf =
        [&](const std::vector<CallRecord>::const_iterator call) -> std::optional<StartupStep> {
        switch (call->call) {
            case Call::OleInitialize:
                return StartupStep::Ole;
            case Call::LoadLibraryExW:
                return StartupStep::Library;
            case Call::CoCreateInstance:
                return call == firstControl ? StartupStep::Library : StartupStep::Buttons;
            case Call::LoadImageW:
            case Call::OleCreatePictureIndirect:
                return StartupStep::Artwork;
            case Call::LoadTypeLibEx:
                return StartupStep::TypeLibrary;
            case Call::DialogBoxIndirectParamW:
                return StartupStep::Dialog;
            default:
                return std::nullopt;
        }
    };
    // Counted time inside [from, to), for the spans below.
    std::int64_t countedUntil = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> counted;
    for (auto call = calls.cbegin(); call != calls.cend(); ++call) {
        const std::optional<StartupStep> step = stepOf(call);
        if (!step || call->enter < countedUntil) {
            continue;  // not a step, or inside one already counted
        }
        add(*step, ms(call->leave - call->enter));
        counted.emplace_back(call->enter, call->leave);
        countedUntil = call->leave;
    }
    const auto uncounted = [&](std::int64_t from, std::int64_t to) {
        std::int64_t inside = 0;
        for (const auto& [enter, leave] : counted) {
            inside += std::max<std::int64_t>(0, std::min(leave, to) - std::max(enter, from));
        }
        return ms(to - from - inside);
    };

    // The settings are read between the entry point and the single-instance check.
    if (const auto check = firstOf(Call::CreateMutexW); check != calls.end()) {
        add(StartupStep::Settings, uncounted(timeline.entered, check->enter));
    }
    // The buttons: from the first control made until the program goes on to its next window
    // (a timer's or the dialog), after the last control.
    if (const auto last = lastOf(Call::CoCreateInstance); last != calls.end()) {
        const auto next = std::find_if(last + 1, calls.end(), [&](const CallRecord& call) {
            return call.enter >= last->leave && (call.call == Call::CreateWindowExW ||
                                                 call.call == Call::DialogBoxIndirectParamW);
        });
        add(StartupStep::Buttons,
            uncounted(firstControl->enter, next != calls.end() ? next->enter : shown));
    }
    double known = 0;
    for (const double value : steps) {
        known += value;
    }
    add(StartupStep::Other, std::max(0.0, ms(shown - launched) - known));
    return steps;
}

// The median of each step over several starts, and of the whole.
inline void PrintSteps(const std::vector<StartupSteps>& starts) {
    std::printf("| Step | Median |\n|---|---|\n");
    std::vector<double> totals;
    for (const StartupSteps& start : starts) {
        double total = 0;
        for (const double value : start) {
            total += value;
        }
        totals.push_back(total);
    }
    for (std::size_t step = 0; step < kStartupStepNames.size(); ++step) {
        std::vector<double> values;
        for (const StartupSteps& start : starts) {
            values.push_back(start[step]);
        }
        std::printf("| %s | %.1f ms |\n", kStartupStepNames[step], Percentile(values, 0.5));
    }
    std::printf("| launch to the dialog shown | %.1f ms |\n", Percentile(totals, 0.5));
}

}  // namespace benchmarks
