#pragma once

#include <windows.h>

#include <memory>

#include "clicker/click_engine.h"
#include "frame/status_work_win32.h"
#include "runtime/precision_timer_win32.h"
#include "runtime/tab_key_win32.h"

namespace clicker {

// The click engine on Tapnor's main window: its two timers tick on that window's thread,
// and its clicks, keys and cursor moves go into the system's input stream.
class ClickWork final : public frame::WindowWork, private ClickPlatform {
  public:
    static constexpr UINT kTickMessage = WM_APP + 0x31;

    ClickWork(HWND mainWindow, std::unique_ptr<const ClickSettings> settings);

    void Start() override { engine_.Start(); }
    void Stop() override { engine_.Stop(); }
    void Close() override { engine_.Close(); }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    enum TimerId : WPARAM { kDelayTimer = 1, kClickTimer = 2 };

    void KeepMainWindowOnTop() override;
    void PressTab() override;
    void ReleaseTab() override;
    std::optional<CursorPosition> ReadCursor() override;
    void ClickLeftButton() override;
    void MoveCursor(CursorPosition position) override;
    void StartDelayTimer(std::uint32_t milliseconds) override;
    void StopDelayTimer() override;
    void StartClickTimer(std::uint32_t milliseconds) override;
    void StopClickTimer() override;

    HWND mainWindow_;
    std::unique_ptr<const ClickSettings> settings_;
    runtime::PrecisionTimer delayTimer_;  // tmrTimer
    runtime::PrecisionTimer clickTimer_;  // tmrKeyInput
    runtime::HeldTabKey tab_;
    ClickEngine engine_;
};

}  // namespace clicker
