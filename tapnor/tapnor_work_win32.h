#pragma once

#include <windows.h>

#include "clicker/click_work_win32.h"
#include "clicker/zone_outline_win32.h"
#include "frame/param_store.h"
#include "frame/status_work_win32.h"
#include "tapnor/tapnor_settings.h"

namespace tapnor {

// Tapnor's work: the click engine on the main window and, while it runs with ShowRange on,
// the range outlined on the screen, following a range confirmed meanwhile.
class TapnorWork final : public frame::WindowWork {
  public:
    TapnorWork(HWND mainWindow, const frame::ParamStore& store);

    void Start() override;
    void Stop() override;
    void Close() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        return clicks_.HandleMessage(message, wParam, lParam);
    }
    void ApplySettings() override;

  private:
    TapnorSettings settings_;
    clicker::ClickWork clicks_;
    clicker::ZoneOutline outline_;
    bool running_ = false;
};

}  // namespace tapnor
