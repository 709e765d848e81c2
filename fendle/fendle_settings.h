#pragma once

#include "follower/follow_settings.h"
#include "frame/param_store.h"

namespace fendle {

// Fendle's settings as the follower works with them, read from the store by key.
follower::FollowSettings ReadFollowSettings(const frame::ParamStore& store);

}  // namespace fendle
