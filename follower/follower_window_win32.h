#pragma once

#include <windows.h>

#include "follower/follow_settings.h"
#include "follower/follow_step.h"
#include "follower/follower_resources.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/precision_timer_win32.h"
#include "runtime/tab_key_win32.h"
#include "runtime/window_base_win32.h"

#include <memory>

namespace follower {

// frmPebbit: the small shaped picture window that stands Position pixels right of the
// cursor. It never takes the activation; every tick of its timer moves it beside the
// cursor, optionally presses Tab, and puts it back above all windows. It takes the size of
// the monitor under the cursor (follower::FollowerScaling).
class FollowerWindow final : public runtime::WindowBase<FollowerWindow> {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteFollowerWindow";
    static constexpr const wchar_t* kPictureResource =
        SUITE_RESOURCE_NAME(FOLLOWER_PICTURE_RESOURCE);

    explicit FollowerWindow(const FollowSettings& settings);
    // Distance and Tab from the next tick; the interval at the next opening.
    void ApplySettings(const FollowSettings& settings) { settings_ = settings; }

    // Loads the window (shape, picture, timer) and shows it without activating it.
    bool Open();
    void Close();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's size, picture and shape (the outline as its region) for dpi.
    void LayOut(int dpi);
    // The system found the window on a monitor of another scaling: it takes neither that
    // scaling nor the suggested place, and stays beside the cursor at the scaling of the
    // monitor under it.
    void DpiChanged(int windowDpi, const RECT& suggested);

    // tmrWindowMove while the window is open with a non-zero interval, else null.
    const runtime::PrecisionTimer* timer() const { return timer_.get(); }

  private:
    void Tick();
    void Paint();
    // Beside the cursor, at the size of the monitor under it.
    void Follow();
    // The picture and the shape for dpi; the window's size is the caller's to set.
    void LayOutParts(int dpi);

    FollowSettings settings_;
    FollowerScaling scaling_;
    bool following_ = false;  // a move is under way; what it provokes changes nothing
    runtime::UniqueBitmap picture_;
    std::unique_ptr<runtime::PrecisionTimer> timer_;  // tmrWindowMove
    runtime::HeldTabKey tab_;                         // one key-up follows at the window's close
};

}  // namespace follower
