#pragma once

#include "clicker/click_settings.h"
#include "frame/param_store.h"

namespace tapnor {

// Tapnor's settings as the click engine works with them, read from the store by key.
clicker::ClickSettings ReadClickSettings(const frame::ParamStore& store);

}  // namespace tapnor
