#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace frame {

// A check item of the notification icon's menu: it turns a boolean setting on and off.
struct MenuCheck {
    const wchar_t* text;
    std::string_view key;
};

// A program's words for its notification icon: the tip in each state and the menu's items.
struct NotifyTexts {
    const wchar_t* stoppedTip;
    const wchar_t* runningTip;
    const wchar_t* start;
    const wchar_t* stop;
    std::span<const MenuCheck> checks;
    const wchar_t* hotkeySettings;
    const wchar_t* settings;
    const wchar_t* quit;
};

// What the menu shows besides its words.
struct NotifyMenuState {
    bool running = false;
    std::wstring hotkey;  // the hotkey's text form, empty when off
    bool hotkeyInUse = false;
    std::vector<bool> checks;    // one per check item
    bool dialogsAllowed = true;  // no modal window of the program is open
};

// The menu's commands; check item i is kFirstCheck + i.
enum NotifyCommand : unsigned {
    kSeparator = 0,
    kStatusCommand = 1,
    kHotkeySettingsCommand,
    kSettingsCommand,
    kQuitCommand,
    kFirstCheckCommand = 16,
};

struct MenuEntry {
    unsigned command = kSeparator;
    std::wstring text;
    bool checked = false;
    bool enabled = true;
};

// The word for a hotkey another program holds, shown where the hotkey is shown.
inline constexpr const wchar_t* kHotkeyInUse = L"使用中";

// The hotkey as menus and dialogs show it: its text, and that another program holds it.
std::wstring ShownHotkey(const std::wstring& hotkey, bool inUse);

// Start or stop with the hotkey beside it, the check items, the hotkey and settings dialogs
// (not while another modal window is open) and quit.
std::vector<MenuEntry> NotifyMenu(const NotifyTexts& texts, const NotifyMenuState& state);

}  // namespace frame
