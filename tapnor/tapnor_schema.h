#pragma once

#include <string_view>

#include "frame/param_schema.h"

namespace tapnor {

// The keys of Tapnor's settings file, spelt once for the schema and the typed view.
namespace keys {
inline constexpr std::string_view kTimer = "Timer";    // click interval, milliseconds
inline constexpr std::string_view kTabKey = "TabKey";  // hold Tab while clicking
inline constexpr std::string_view kRange = "Range";    // click rectangle: left, top, right, bottom
inline constexpr std::string_view kMsMove = "MsMove";  // walk the cursor within the rectangle
inline constexpr std::string_view kHotKey = "HotKey";  // start and stop from any window
inline constexpr std::string_view kShowRange = "ShowRange";  // outline the rectangle while running
}  // namespace keys

// Timer, TabKey, Range, MsMove, HotKey and ShowRange, in the order of the settings file.
const frame::ParamSchema& Schema();

}  // namespace tapnor
