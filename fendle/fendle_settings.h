#pragma once

#include "follower/follow_settings.h"
#include "frame/param_store.h"

namespace fendle {

// Fendle's settings as the follower reads them, straight from the store at each call.
class FendleSettings final : public follower::FollowSettings {
  public:
    explicit FendleSettings(const frame::ParamStore& store) : store_(store) {}

    std::int32_t DistancePx() const override;
    std::int32_t IntervalMs() const override;
    bool HoldsTab() const override;

  private:
    const frame::ParamStore& store_;
};

}  // namespace fendle
