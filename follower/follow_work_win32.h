#pragma once

#include <windows.h>

#include <memory>

#include "follower/follower_window_win32.h"
#include "frame/param_store.h"
#include "frame/status_work_win32.h"

namespace follower {

// Fendle's work: starting shows a fresh follower window, modeless and without an owner;
// stopping closes it.
class FollowWork final : public frame::StatusWork {
  public:
    explicit FollowWork(const frame::ParamStore& params) : params_(params) {}

    void Start() override;
    void Stop() override;
    void Close() override { Stop(); }
    bool HandleMessage(UINT, WPARAM, LPARAM) override { return false; }

  private:
    const frame::ParamStore& params_;
    std::unique_ptr<FollowerWindow> window_;
};

}  // namespace follower
