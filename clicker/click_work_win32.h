#pragma once

#include <windows.h>

#include "clicker/click_engine.h"
#include "clicker/click_platform_win32.h"
#include "runtime/precision_timer_win32.h"

namespace clicker {

// The click engine on Tapnor's main window: its two timers tick on that window's thread,
// and its clicks, keys and cursor moves go into the system's input stream (or to the
// platform given, which a measurement may put in between).
class ClickWork final : private ClickTimers {
  public:
    explicit ClickWork(HWND mainWindow);
    explicit ClickWork(ClickPlatform& platform);
    ClickWork(const ClickWork&) = delete;
    ClickWork& operator=(const ClickWork&) = delete;

    void Start(const ClickSettings& settings) { engine_.Start(settings); }
    void ApplySettings(const ClickSettings& settings) { engine_.ApplySettings(settings); }
    void Stop() { engine_.Stop(); }
    void Close() { engine_.Close(); }

    const ClickEngine& engine() const { return engine_; }
    // tmrKeyInput, for measuring its ticks.
    const runtime::PrecisionTimer& clickTimer() const { return clickTimer_; }

  private:
    void StartDelayTimer(std::uint32_t milliseconds) override;
    void StopDelayTimer() override;
    void StartClickTimer(std::uint32_t milliseconds) override;
    void StopClickTimer() override;

    std::optional<SystemClickPlatform> system_;
    ClickEngine engine_;
    runtime::PrecisionTimer delayTimer_{[this] { engine_.OnStartDelayTick(); }};  // tmrTimer
    runtime::PrecisionTimer clickTimer_{[this] { engine_.OnClickTick(); }};       // tmrKeyInput
};

}  // namespace clicker
