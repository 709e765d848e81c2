#pragma once

#include <string>

#include "flatbutton/registration_table.h"

// The kit's registration scripts (Windows command scripts, CRLF, ASCII), generated from
// the registration table, for Sleekon.ocx lying beside the script.
namespace flatbutton {

// For the current user, without administrator rights: reg.exe below
// HKCU\Software\Classes, in the registry view of the platform (/reg:32 or /reg:64).
std::string UserRegisterScript(Platform platform);
std::string UserUnregisterScript(Platform platform);

// For every user, through the regsvr32 of the platform (run as administrator).
std::string MachineRegisterScript(Platform platform);
std::string MachineUnregisterScript(Platform platform);

}  // namespace flatbutton
