#pragma once

#include <cstdint>
#include <optional>

#include "clicker/click_range.h"

namespace clicker {

// What the click engine does to the system. Real under Windows, faked in the engine's unit
// tests.
class ClickPlatform {
  public:
    virtual ~ClickPlatform() = default;

    // Raises the main window above all windows that are not topmost, without activating it.
    virtual void KeepMainWindowOnTop() = 0;
    virtual void PressTab() = 0;
    virtual void ReleaseTab() = 0;
    virtual std::optional<CursorPosition> ReadCursor() = 0;
    virtual void ClickLeftButton() = 0;
    virtual void MoveCursor(CursorPosition position) = 0;
};

// The engine's two timers.
class ClickTimers {
  public:
    virtual ~ClickTimers() = default;

    // The one-shot start delay; its expiry calls ClickEngine::OnStartDelayTick.
    virtual void StartDelayTimer(std::uint32_t milliseconds) = 0;
    virtual void StopDelayTimer() = 0;
    // The click timer; each tick calls ClickEngine::OnClickTick.
    virtual void StartClickTimer(std::uint32_t milliseconds) = 0;
    virtual void StopClickTimer() = 0;
};

}  // namespace clicker
