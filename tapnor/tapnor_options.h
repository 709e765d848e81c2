#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "frame/options_form.h"

namespace tapnor {

// The settings dialog: interval, click rectangle with its mouse button, Tab and walk.
const frame::OptionsFormLayout& OptionsLayout();

// The button whose action picks the click rectangle with the mouse.
inline constexpr std::string_view kPickRangeButton = "cmdRange";

// The texts of the four range boxes for a picked rectangle (x1, y1, x2, y2).
std::vector<frame::FieldText> RangeBoxTexts(const std::array<std::int32_t, 4>& picked);

}  // namespace tapnor
