#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace frame {

// Modifier bits of a system-wide hotkey, in the order its text names them.
inline constexpr unsigned kHotkeyCtrl = 1;
inline constexpr unsigned kHotkeyAlt = 2;
inline constexpr unsigned kHotkeyShift = 4;
inline constexpr unsigned kHotkeyWin = 8;

// A key combination that starts and stops a program from any window: modifiers and one
// key, given by its Windows virtual-key code. Without a key the hotkey is off.
struct Hotkey {
    unsigned modifiers = 0;
    int key = 0;

    bool IsOff() const { return key == 0; }
    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// Reads the text form of a settings file, "Ctrl+Alt+S": the modifiers Ctrl, Alt, Shift and
// Win, each at most once and in any order, joined by "+" before one key; letter case and
// spaces around each part do not matter. The keys are A to Z, 0 to 9, F1 to F24, Num0 to
// Num9, Pause, Insert, Delete, Home, End, PageUp, PageDown, Left, Up, Right, Down, Space
// and ScrollLock. Empty text is off. Nothing when the text cannot be read.
std::optional<Hotkey> ReadHotkey(std::string_view text);

// The text form: the modifiers in the order Ctrl, Alt, Shift, Win, then the key's name;
// empty when off. Nothing when the key has no name.
std::optional<std::string> WriteHotkey(const Hotkey& hotkey);

// The text as the program writes what it reads as; nothing when it cannot be read.
std::optional<std::string> CanonicalHotkeyText(std::string_view text);

}  // namespace frame
