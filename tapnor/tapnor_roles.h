#pragma once

#include "frame/main_roles.h"

namespace tapnor {

// The parts the controls and pictures of Tapnor's stored main window (frmMain.layout.in)
// play.
inline constexpr frame::MainWindowRoles kMainRoles = {
    .status = "cmdStatus",
    .options = "cmdOptions",
    .quit = "cmdQuit",
    .close = "cmdClose",
    .minimize = "cmdMinimize",
    .title = "imgTitle",
    .startFace = "imgStart",
    .stopFace = "imgStop",
    .optionsStoppedFace = "imgOptionSet",
    .optionsRunningFace = "imgOptionStop",
};

}  // namespace tapnor
