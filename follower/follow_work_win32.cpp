#include "follower/follow_work_win32.h"

namespace follower {

void FollowWork::Start() {
    window_ = std::make_unique<FollowerWindow>(*settings_);
    if (!window_->Open()) {
        window_.reset();
    }
}

void FollowWork::Stop() {
    if (window_) {
        window_->Close();
        window_.reset();
    }
}

}  // namespace follower
