#pragma once

#include <string_view>

#include "frame/param_schema.h"

namespace fendle {

// The keys of Fendle's settings file, spelt once for the schema and the typed view.
namespace keys {
inline constexpr std::string_view kPosition = "Position";  // distance right of the cursor, px
inline constexpr std::string_view kTimer = "Timer";        // follow interval, milliseconds
inline constexpr std::string_view kTabKey = "TabKey";      // hold Tab while following
inline constexpr std::string_view kHotKey = "HotKey";      // start and stop from any window
}  // namespace keys

// Position, Timer, TabKey and HotKey, in the order of the settings file.
const frame::ParamSchema& Schema();

}  // namespace fendle
