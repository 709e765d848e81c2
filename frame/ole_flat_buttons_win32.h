#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "frame/flat_buttons.h"
#include "frame/form_layout.h"

namespace frame {

// Hosts the layout's controls in the window through the container (container/): each
// is created by its class identifier, loaded from its stored property bag, in-place
// activated at its place, and its Click event is passed to onClick with the control's
// name. The layout's images become the pictures that SetPictureFrom hands out. Null when a
// control cannot be created.
std::unique_ptr<FlatButtons> CreateOleFlatButtons(HWND window, const FormLayout& layout,
                                                  std::function<void(std::string_view)> onClick);

}  // namespace frame
