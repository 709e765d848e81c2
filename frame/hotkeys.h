#pragma once

namespace frame {

// Modifier bits of a key event: 1 Shift, 2 Ctrl, 4 Alt.
constexpr int kShiftBit = 1;
constexpr int kCtrlBit = 2;
constexpr int kAltBit = 4;

enum class MainAction { None, Options, Status, Quit, Minimize };

// The main window's hotkeys: Alt+O, Alt+S and Alt+X, with Shift and Ctrl allowed as well.
// They run the action whether or not its button is enabled.
MainAction HotkeyAction(int keyCode, int modifiers);

}  // namespace frame
