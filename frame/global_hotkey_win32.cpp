#include "frame/global_hotkey_win32.h"

namespace frame {

namespace {

struct ModifierKey {
    unsigned modifier;
    UINT registerFlag;
    int virtualKeys[2];
};

constexpr ModifierKey kModifierKeys[] = {
    {kHotkeyCtrl, MOD_CONTROL, {VK_CONTROL, VK_CONTROL}},
    {kHotkeyAlt, MOD_ALT, {VK_MENU, VK_MENU}},
    {kHotkeyShift, MOD_SHIFT, {VK_SHIFT, VK_SHIFT}},
    {kHotkeyWin, MOD_WIN, {VK_LWIN, VK_RWIN}},
};

bool IsHeld(const ModifierKey& key) {
    return ::GetKeyState(key.virtualKeys[0]) < 0 || ::GetKeyState(key.virtualKeys[1]) < 0;
}

}  // namespace

GlobalHotkey::State GlobalHotkey::Register(const Hotkey& hotkey) {
    Unregister();
    hotkey_ = hotkey;
    if (hotkey.IsOff()) {
        return state_ = State::Off;
    }
    // Auto-repeat of a held combination gives one notification ("RegisterHotKey function",
    // MOD_NOREPEAT; Windows 7 and later).
    UINT flags = MOD_NOREPEAT;
    for (const ModifierKey& key : kModifierKeys) {
        if ((hotkey.modifiers & key.modifier) != 0) {
            flags |= key.registerFlag;
        }
    }
    const bool registered =
        ::RegisterHotKey(window_, id_, flags, static_cast<UINT>(hotkey.key)) != FALSE;
    return state_ = registered ? State::Registered : State::InUse;
}

void GlobalHotkey::Unregister() {
    if (state_ == State::Registered) {
        ::UnregisterHotKey(window_, id_);
    }
    state_ = State::Off;
}

bool GlobalHotkey::TakesKey(const MSG& message) const {
    if (state_ != State::Registered ||
        (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) ||
        static_cast<int>(message.wParam) != hotkey_.key) {
        return false;
    }
    unsigned held = 0;
    for (const ModifierKey& key : kModifierKeys) {
        if (IsHeld(key)) {
            held |= key.modifier;
        }
    }
    return held == hotkey_.modifiers;
}

}  // namespace frame
