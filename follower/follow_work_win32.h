#pragma once

#include <windows.h>

#include <memory>
#include <utility>

#include "follower/follower_window_win32.h"
#include "frame/status_work_win32.h"

namespace follower {

// Fendle's work: starting shows a fresh follower window, modeless and without an owner;
// stopping closes it.
class FollowWork final : public frame::WindowWork {
  public:
    explicit FollowWork(std::unique_ptr<const FollowSettings> settings)
        : settings_(std::move(settings)) {}

    void Start() override;
    void Stop() override;
    void Close() override { Stop(); }
    bool HandleMessage(UINT, WPARAM, LPARAM) override { return false; }

  private:
    std::unique_ptr<const FollowSettings> settings_;
    std::unique_ptr<FollowerWindow> window_;
};

}  // namespace follower
