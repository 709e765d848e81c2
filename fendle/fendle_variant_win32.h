#pragma once

#include "frame/program_variant_win32.h"

namespace fendle {

// Fendle on the frame: its keys, dialog, buttons and the follower window as its work.
const frame::ProgramVariant& Variant();

}  // namespace fendle
