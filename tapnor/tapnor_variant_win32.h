#pragma once

#include "frame/program_variant_win32.h"

namespace tapnor {

// Tapnor on the frame: its keys, dialog, buttons, the click engine as its work and the
// range picker behind the dialog's mouse button.
const frame::ProgramVariant& Variant();

}  // namespace tapnor
