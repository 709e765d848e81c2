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
// activated at its place scaled for dpi, and its Click event is passed to onClick with the
// control's name. The layout's images are the pictures that SetPictureFrom hands out, each
// drawn for the current scaling. The layout must outlive the buttons. Null when a control
// cannot be created.
std::unique_ptr<FlatButtons> CreateOleFlatButtons(HWND window, const FormLayout& layout, int dpi,
                                                  std::function<void(std::string_view)> onClick);

}  // namespace frame
