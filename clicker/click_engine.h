#pragma once

#include <cstdint>

#include "clicker/click_platform.h"
#include "clicker/cursor_walk.h"
#include "clicker/click_settings.h"

namespace clicker {

enum class EngineState { Idle, Waiting, Clicking };

// The rapid-fire engine of Tapnor's main window: a one-second start delay, then on every
// tick of the click timer the main window is kept on top, Tab is optionally pressed, and a
// cursor inside the click range is clicked and optionally walked. Settings changed while it
// runs apply from the next tick; the interval is taken only when the start delay expires.
class ClickEngine {
  public:
    static constexpr std::uint32_t kStartDelayMs = 1000;

    ClickEngine(ClickPlatform& platform, ClickTimers& timers);

    void Start(const ClickSettings& settings);  // Idle -> Waiting
    void ApplySettings(const ClickSettings& settings);
    void Stop();  // any -> Idle
    // The main window is closing: its timers end with it.
    void Close();

    void OnStartDelayTick();  // Waiting -> Clicking
    void OnClickTick();

    EngineState state() const { return state_; }
    const CursorWalk& walk() const { return walk_; }

  private:
    void ReleaseTabIfPressed();

    ClickPlatform& platform_;
    ClickTimers& timers_;
    ClickSettings settings_;
    EngineState state_ = EngineState::Idle;
    CursorWalk walk_;
    // A Tab key-down went out since the last start; one key-up follows at stop and close.
    bool tabHeld_ = false;
};

}  // namespace clicker
