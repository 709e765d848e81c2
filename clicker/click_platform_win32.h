#pragma once

#include <windows.h>

#include "clicker/click_platform.h"
#include "runtime/tab_key_win32.h"

namespace clicker {

// The click engine's effects on the system: Tapnor's main window kept on top, Tab
// key-downs, the cursor, and clicks into the system's input stream.
class SystemClickPlatform final : public ClickPlatform {
  public:
    explicit SystemClickPlatform(HWND mainWindow) : mainWindow_(mainWindow) {}

    void KeepMainWindowOnTop() override;
    void PressTab() override;
    void ReleaseTab() override;
    std::optional<CursorPosition> ReadCursor() override;
    void ClickLeftButton() override;
    void MoveCursor(CursorPosition position) override;

  private:
    HWND mainWindow_;
    runtime::HeldTabKey tab_;
    ULONGLONG lastOnTopCheck_ = 0;  // GetTickCount64 at the last look at the z-order
};

}  // namespace clicker
