#include "clicker/click_engine.h"

#include "runtime/timer_interval.h"

namespace clicker {

ClickEngine::ClickEngine(ClickPlatform& platform, ClickTimers& timers)
    : platform_(platform), timers_(timers) {}

void ClickEngine::Start(const ClickSettings& settings) {
    if (state_ != EngineState::Idle) {
        return;
    }
    settings_ = settings;
    state_ = EngineState::Waiting;
    timers_.StartDelayTimer(kStartDelayMs);
}

void ClickEngine::ApplySettings(const ClickSettings& settings) {
    settings_ = settings;
}

void ClickEngine::Stop() {
    timers_.StopDelayTimer();
    timers_.StopClickTimer();
    state_ = EngineState::Idle;
    ReleaseTabIfPressed();
}

void ClickEngine::Close() {
    Stop();
}

void ClickEngine::OnStartDelayTick() {
    if (state_ != EngineState::Waiting) {
        return;
    }
    timers_.StopDelayTimer();
    state_ = EngineState::Clicking;
    const std::uint32_t interval = runtime::TimerIntervalFor(settings_.intervalMs);
    if (interval > 0) {
        // Raising the window is the slow step of a tick when the window is not yet on top
        // (under Wine a restack of about 3 ms); done before the first tick, it does not hold
        // back the first click.
        platform_.KeepMainWindowOnTop();
        timers_.StartClickTimer(interval);
    }
}

void ClickEngine::OnClickTick() {
    if (state_ != EngineState::Clicking) {
        return;
    }
    platform_.KeepMainWindowOnTop();
    if (settings_.holdsTab) {
        platform_.PressTab();
        tabHeld_ = true;
    }
    const std::optional<CursorPosition> cursor = platform_.ReadCursor();
    if (!cursor) {
        return;  // missed for this tick; the next one tries again
    }
    if (!settings_.range.Contains(cursor->x, cursor->y)) {
        return;
    }
    platform_.ClickLeftButton();
    if (settings_.walksCursor) {
        platform_.MoveCursor(walk_.WalkCursor(cursor->x, cursor->y, settings_.range));
    }
}

void ClickEngine::ReleaseTabIfPressed() {
    if (tabHeld_) {
        tabHeld_ = false;
        platform_.ReleaseTab();
    }
}

}  // namespace clicker
