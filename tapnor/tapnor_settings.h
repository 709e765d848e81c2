#pragma once

#include "clicker/click_settings.h"
#include "frame/param_store.h"

namespace tapnor {

// Tapnor's settings as the click engine reads them, straight from the store at each call.
class TapnorSettings final : public clicker::ClickSettings {
  public:
    explicit TapnorSettings(const frame::ParamStore& store) : store_(store) {}

    std::int32_t IntervalMs() const override;
    bool HoldsTab() const override;
    clicker::ClickRange Range() const override;
    bool WalksCursor() const override;
    // Outline the range on the screen while running.
    bool ShowsRange() const;

  private:
    const frame::ParamStore& store_;
};

}  // namespace tapnor
