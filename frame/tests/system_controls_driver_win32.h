#pragma once

// The hotkey and the notification icon of a program under test, driven as the shell and a
// person drive them.
#include <windows.h>

#include <chrono>
#include <string_view>
#include <vector>

#include "frame/hotkey_text.h"
#include "frame/param_schema.h"
#include "frame/system_controls_win32.h"
#include "testing/e2e_support_win32.h"
#include "testing/window_driver_win32.h"

namespace frame_test {

// The keys a person holds for a hotkey: its modifiers, then its key.
inline std::vector<WORD> KeysOf(const frame::Hotkey& hotkey) {
    std::vector<WORD> keys;
    const std::pair<unsigned, WORD> modifiers[] = {{frame::kHotkeyCtrl, VK_CONTROL},
                                                   {frame::kHotkeyAlt, VK_MENU},
                                                   {frame::kHotkeyShift, VK_SHIFT},
                                                   {frame::kHotkeyWin, VK_LWIN}};
    for (const auto& [modifier, key] : modifiers) {
        if ((hotkey.modifiers & modifier) != 0) {
            keys.push_back(key);
        }
    }
    keys.push_back(static_cast<WORD>(hotkey.key));
    return keys;
}

// The hotkey a schema's text key holds by default.
inline frame::Hotkey DefaultHotkey(const frame::ParamSchema& schema, std::string_view key) {
    return frame::ReadHotkey(schema.Find(key)->defaultText).value_or(frame::Hotkey{});
}

// What the shell sends the program's main window for an event on its icon
// (NOTIFYICON_VERSION_4: the event and the icon's id in lParam, the anchor in wParam). The
// shell lets the program take the foreground for it, and so does the test.
inline void SendIconEvent(HWND main, WORD event, POINT anchor = {600, 500}) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(main, &process);
    ::AllowSetForegroundWindow(process);
    ::PostMessageW(main, frame::SystemControls::kNotifyMessage,
                   MAKEWPARAM(static_cast<WORD>(anchor.x), static_cast<WORD>(anchor.y)),
                   MAKELPARAM(event, frame::SystemControls::kNotifyIconId));
}

// A right click on the icon; the menu's window once it shows, null when it does not.
inline HWND OpenIconMenu(HWND main) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(main, &process);
    SendIconEvent(main, WM_CONTEXTMENU);
    HWND menu = nullptr;
    testing_support::WaitUntil(
        [&] {
            menu = testing_support::FindProcessWindow(process, L"#32768");
            return menu != nullptr && ::IsWindowVisible(menu);
        },
        std::chrono::seconds(5));
    ::Sleep(150);  // its first paint
    return menu;
}

}  // namespace frame_test
