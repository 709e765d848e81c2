#pragma once

#include "frame/program_variant_win32.h"

namespace frame {

// Main: loads the settings, ends silently when the program already runs, and otherwise
// shows the main window and runs until it closes. The process's exit code.
int RunProgram(const ProgramVariant& variant, int showCommand);

}  // namespace frame
