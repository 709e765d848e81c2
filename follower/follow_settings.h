#pragma once

#include <cstdint>

namespace follower {

// The settings the follower reads, each at the moment it is used.
class FollowSettings {
  public:
    virtual ~FollowSettings() = default;
    virtual std::int32_t DistancePx() const = 0;  // how far right of the cursor it stands
    virtual std::int32_t IntervalMs() const = 0;  // its timer's interval as stored
    virtual bool HoldsTab() const = 0;            // press Tab at every tick
};

}  // namespace follower
