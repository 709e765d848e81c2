#pragma once

#include <cstdint>

#include "clicker/click_range.h"

namespace clicker {

// The settings the click engine works with, as typed values: read from the program's
// settings when clicking starts and again whenever they change, never during a tick.
struct ClickSettings {
    std::int32_t intervalMs = 0;  // the click timer's interval as stored
    bool holdsTab = false;        // press Tab at every tick
    ClickRange range;             // where clicks land
    bool walksCursor = false;     // move the cursor within the range

    friend bool operator==(const ClickSettings&, const ClickSettings&) = default;
};

}  // namespace clicker
