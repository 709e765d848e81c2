#pragma once

#include <windows.h>

#include "clicker/click_work_win32.h"
#include "frame/param_store.h"
#include "frame/status_work.h"

namespace tapnor {

// What Tapnor's status toggle starts and stops: the click engine, which takes its settings
// from the store when it starts and whenever they are changed.
class TapnorWork final : public frame::StatusWork {
  public:
    TapnorWork(HWND mainWindow, const frame::ParamStore& store)
        : store_(store), clicks_(mainWindow) {}

    void Start() override;
    void Stop() override;
    void ApplySettings() override;
    void Close() override;

  private:
    const frame::ParamStore& store_;
    clicker::ClickWork clicks_;
};

}  // namespace tapnor
