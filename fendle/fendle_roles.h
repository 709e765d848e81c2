#pragma once

#include "frame/main_roles.h"

namespace fendle {

// The parts the controls and pictures of Fendle's stored main window (frmMain.layout.in)
// play.
inline constexpr frame::MainWindowRoles kMainRoles = {
    .status = "cmdStatus",
    .options = "cmdOption",
    .quit = "cmdQuit",
    .close = "cmdClose",
    .minimize = "cmdMinimize",
    .title = "imgTitle",
    .startFace = "imgStart",
    .stopFace = "imgStop",
    .optionsStoppedFace = "imgOptionStart",
    .optionsRunningFace = "imgOptionStop",
};

}  // namespace fendle
