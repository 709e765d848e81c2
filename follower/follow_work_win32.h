#pragma once

#include <memory>

#include "follower/follower_window_win32.h"

namespace follower {

// Fendle's work: starting shows a fresh follower window, modeless and without an owner;
// stopping closes it.
class FollowWork final {
  public:
    void Start(const FollowSettings& settings);
    void ApplySettings(const FollowSettings& settings);
    void Stop();
    void Close() { Stop(); }

  private:
    std::unique_ptr<FollowerWindow> window_;
};

}  // namespace follower
