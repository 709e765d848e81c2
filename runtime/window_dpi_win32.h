#pragma once

#include <windows.h>

namespace runtime {

// The dots per inch a window is drawn at: its monitor's under per-monitor awareness
// (GetDpiForWindow, Windows 10 1607), else the system's. The programs also run on
// Windows 7 and 8.1, which lack the per-monitor functions, so each is looked up at run
// time and the older call stands in where it is missing.
int WindowDpi(HWND window) noexcept;

// The window rectangle around `client` for a window of these styles at `dpi`: the frame
// and caption sized for that scaling (AdjustWindowRectExForDpi), not for the system's.
RECT FrameAroundClient(RECT client, DWORD style, DWORD exStyle, int dpi) noexcept;

// Leaves a dialog's scaling to its own layout: the dialog manager of per-monitor (v2)
// windows would otherwise move and refont the controls itself on a change of scaling
// ("SetDialogDpiChangeBehavior", DDC_DISABLE_ALL; Windows 10 1703).
void KeepDialogScalingToItself(HWND dialog) noexcept;

}  // namespace runtime
