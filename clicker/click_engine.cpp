#include "clicker/click_engine.h"

#include "runtime/timer_interval.h"

namespace clicker {

ClickEngine::ClickEngine(const frame::ParamStore& params, ClickPlatform& platform)
    : params_(params), platform_(platform) {}

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
    const std::uint32_t interval =
        runtime::TimerIntervalFor(params_.GetParam("Timer", 0).AsInteger());
    if (interval > 0) {
        platform_.StartClickTimer(interval);
    }
}

void ClickEngine::OnClickTick() {
    if (state_ != EngineState::Clicking) {
        return;
    }
    platform_.KeepMainWindowOnTop();
    if (params_.GetParam("TabKey", 0).AsBoolean()) {
        platform_.PressTab();
        tabHeld_ = true;
    }
    const std::optional<CursorPosition> cursor = platform_.ReadCursor();
    if (!cursor) {
        return;  // missed for this tick; the next one tries again
    }
    if (!CurrentRange().Contains(cursor->x, cursor->y)) {
        return;
    }
    platform_.ClickLeftButton();
    if (params_.GetParam("MsMove", 0).AsBoolean()) {
        platform_.MoveCursor(walk_.WalkCursor(cursor->x, cursor->y, CurrentRange()));
    }
}

ClickRange ClickEngine::CurrentRange() const {
    return {params_.GetParam("Range", 0).AsInteger(), params_.GetParam("Range", 1).AsInteger(),
            params_.GetParam("Range", 2).AsInteger(), params_.GetParam("Range", 3).AsInteger()};
}

void ClickEngine::ReleaseTabIfPressed() {
    if (tabHeld_) {
        tabHeld_ = false;
        platform_.ReleaseTab();
    }
}

}  // namespace clicker
