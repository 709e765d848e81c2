#pragma once

#include <cstdint>

#include "clicker/click_range.h"

namespace clicker {

// The settings the click engine reads, each at the moment it is used.
class ClickSettings {
  public:
    virtual ~ClickSettings() = default;
    virtual std::int32_t IntervalMs() const = 0;  // the click timer's interval as stored
    virtual bool HoldsTab() const = 0;            // press Tab at every tick
    virtual ClickRange Range() const = 0;         // where clicks land
    virtual bool WalksCursor() const = 0;         // move the cursor within the range
};

}  // namespace clicker
