#pragma once

#include <string_view>

#include "frame/options_form.h"
#include "frame/param_schema.h"

// A made-up program that stands on the frame, so the frame's tests need no real one.
namespace sample {

namespace keys {
inline constexpr std::string_view kPace = "Pace";      // integer, written unless 50
inline constexpr std::string_view kHold = "Hold";      // truth value, written unless false
inline constexpr std::string_view kArea = "Area";      // 5 integers from the screen, 4 written
inline constexpr std::string_view kRoam = "Roam";      // truth value, always written, true
inline constexpr std::string_view kOffset = "Offset";  // quiet schema only: integer, 33
}  // namespace keys

// Pace, Hold, Area and Roam, in the order of the settings file.
const frame::ParamSchema& Schema();
// Offset, Pace (default 100) and Hold, each written only when it differs from its default.
const frame::ParamSchema& QuietSchema();

// The dialog of Schema(): txtPace, chkRoam, txtArea 0 to 3 (put in order as two corners),
// cmdPick (an action), chkHold, cmdOk, cmdBack; 246 by 182 and kept topmost.
const frame::OptionsFormLayout& Layout();
// The dialog of QuietSchema(): txtOffset (3 digits), cmdOk, cmdBack; 230 by 118.
const frame::OptionsFormLayout& QuietLayout();

}  // namespace sample
