#pragma once

#include <cstdint>

namespace follower {

// The settings the follower works with, as typed values: read from the program's settings
// when it starts and again whenever they change, never during a tick.
struct FollowSettings {
    std::int32_t distancePx = 0;  // how far right of the cursor it stands
    std::int32_t intervalMs = 0;  // its timer's interval as stored
    bool holdsTab = false;        // press Tab at every tick

    friend bool operator==(const FollowSettings&, const FollowSettings&) = default;
};

}  // namespace follower
