#include "frame/notify_menu.h"

namespace frame {

std::wstring ShownHotkey(const std::wstring& hotkey, bool inUse) {
    return inUse ? hotkey + L"（" + kHotkeyInUse + L"）" : hotkey;
}

std::vector<MenuEntry> NotifyMenu(const NotifyTexts& texts, const NotifyMenuState& state) {
    std::vector<MenuEntry> menu;
    std::wstring status = state.running ? texts.stop : texts.start;
    if (!state.hotkey.empty()) {
        status += L"\t" + ShownHotkey(state.hotkey, state.hotkeyInUse);  // right-aligned
    }
    menu.push_back({kStatusCommand, std::move(status)});
    for (std::size_t i = 0; i < texts.checks.size(); ++i) {
        menu.push_back({kFirstCheckCommand + static_cast<unsigned>(i), texts.checks[i].text,
                        i < state.checks.size() && state.checks[i]});
    }
    menu.push_back({});
    menu.push_back({kHotkeySettingsCommand, texts.hotkeySettings, false, state.dialogsAllowed});
    menu.push_back({kSettingsCommand, texts.settings, false, state.dialogsAllowed});
    menu.push_back({});
    menu.push_back({kQuitCommand, texts.quit});
    return menu;
}

}  // namespace frame
