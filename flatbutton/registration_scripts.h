#pragma once

#include <string>

#include "flatbutton/registration_table.h"

// The kit's registration scripts (Windows command scripts, CRLF, ASCII), generated from
// the registration table, for Sleekon.ocx lying beside the script. Each exits with 0 when
// it did its work and non-zero when not; started without arguments (from Explorer) it
// waits for a key before its window closes, and with /q (from another script) it does not.
// The registering scripts warn when the other scope holds the control already, and the
// per-user one when it runs elevated, where elevated programs will not see its work.
namespace flatbutton {

// For the current user, without administrator rights: reg.exe below
// HKCU\Software\Classes, in the registry view of the platform (/reg:32 or /reg:64).
std::string UserRegisterScript(Platform platform);
std::string UserUnregisterScript(Platform platform);

// For every user, through the regsvr32 of the platform (run as administrator), which writes
// below HKLM\Software\Classes.
std::string MachineRegisterScript(Platform platform);
std::string MachineUnregisterScript(Platform platform);

}  // namespace flatbutton
