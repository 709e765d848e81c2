#pragma once

#include "frame/options_form.h"

namespace fendle {

// The settings dialog: distance, interval and Tab.
const frame::OptionsFormLayout& OptionsLayout();

}  // namespace fendle
