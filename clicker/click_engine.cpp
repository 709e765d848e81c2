#include "clicker/click_engine.h"

#include "runtime/timer_interval.h"

namespace clicker {

ClickEngine::ClickEngine(const ClickSettings& settings, ClickPlatform& platform)
    : settings_(settings), platform_(platform) {}

void ClickEngine::Start() {
    if (state_ != EngineState::Idle) {
        return;
    }
    state_ = EngineState::Waiting;
    platform_.StartDelayTimer(kStartDelayMs);
}

void ClickEngine::Stop() {
    platform_.StopDelayTimer();
    platform_.StopClickTimer();
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
    platform_.StopDelayTimer();
    state_ = EngineState::Clicking;
    const std::uint32_t interval = runtime::TimerIntervalFor(settings_.IntervalMs());
    if (interval > 0) {
        platform_.StartClickTimer(interval);
    }
}

void ClickEngine::OnClickTick() {
    if (state_ != EngineState::Clicking) {
        return;
    }
    platform_.KeepMainWindowOnTop();
    if (settings_.HoldsTab()) {
        platform_.PressTab();
        tabHeld_ = true;
    }
    const std::optional<CursorPosition> cursor = platform_.ReadCursor();
    if (!cursor) {
        return;  // missed for this tick; the next one tries again
    }
    const ClickRange range = settings_.Range();
    if (!range.Contains(cursor->x, cursor->y)) {
        return;
    }
    platform_.ClickLeftButton();
    if (settings_.WalksCursor()) {
        platform_.MoveCursor(walk_.WalkCursor(cursor->x, cursor->y, range));
    }
}

void ClickEngine::ReleaseTabIfPressed() {
    if (tabHeld_) {
        tabHeld_ = false;
        platform_.ReleaseTab();
    }
}

}  // namespace clicker
