#pragma once

#include <windows.h>

#include <optional>

#include "frame/hotkey_text.h"

namespace frame {

// The hotkey dialog: the system's hotkey control (HOTKEY_CLASS) with the program's
// start/stop hotkey, a button that clears it, OK and Cancel; below the control the hotkey
// now in force, and "使用中" when another program holds it. Modal over its owner, scaled
// like every dialog. The hotkey the user confirmed when it differs from the current one;
// nothing when cancelled or unchanged.
// iconId is the program's icon resource, drawn small at the dialog's scaling.
std::optional<Hotkey> ShowHotkeyDialog(HWND owner, const Hotkey& current, bool inUse, int iconId);

}  // namespace frame
