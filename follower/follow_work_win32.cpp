#include "follower/follow_work_win32.h"

namespace follower {

void FollowWork::Start(const FollowSettings& settings) {
    window_ = std::make_unique<FollowerWindow>(settings);
    if (!window_->Open()) {
        window_.reset();
    }
}

void FollowWork::ApplySettings(const FollowSettings& settings) {
    if (window_) {
        window_->ApplySettings(settings);
    }
}

void FollowWork::Stop() {
    if (window_) {
        window_->Close();
        window_.reset();
    }
}

}  // namespace follower
