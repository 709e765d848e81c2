#include "frame/system_controls_win32.h"

#include <windowsx.h>

#include <optional>

#include "frame/hotkey_dialog_win32.h"
#include "frame/hotkey_setting.h"
#include "runtime/ascii_text.h"
#include "runtime/resource_ids.h"
#include "runtime/unique_handle_win32.h"

namespace frame {

namespace {

struct MenuTraits {
    using Type = HMENU;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type menu) noexcept { ::DestroyMenu(menu); }
};
using UniqueMenu = runtime::UniqueHandle<MenuTraits>;

UniqueMenu BuildMenu(const std::vector<MenuEntry>& entries) {
    UniqueMenu menu(::CreatePopupMenu());
    for (const MenuEntry& entry : entries) {
        if (entry.command == kSeparator) {
            ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED) |
                           (entry.enabled ? MF_ENABLED : MF_GRAYED);
        ::AppendMenuW(menu.get(), flags, entry.command, entry.text.c_str());
    }
    return menu;
}

}  // namespace

SystemControls::SystemControls(HWND mainWindow, const NotifyTexts& texts,
                               std::string_view hotkeyKey, ParamStore& store,
                               MainCommands& commands)
    : main_(mainWindow),
      texts_(texts),
      hotkeyKey_(hotkeyKey),
      store_(store),
      commands_(commands),
      hotkey_(mainWindow, kHotkeyId),
      icon_(mainWindow, kNotifyIconId, kNotifyMessage) {}

void SystemControls::Open() {
    RegisterHotkey();
    // An elevated copy hears Explorer's broadcast only when it lets the message through
    // ("ChangeWindowMessageFilterEx function"; "Taskbar", Taskbar Creation Notification).
    ::ChangeWindowMessageFilterEx(main_, NotifyIcon::TaskbarCreatedMessage(), MSGFLT_ALLOW,
                                  nullptr);
    icon_.Add(Tip());
}

void SystemControls::Close() {
    hotkey_.Unregister();
    icon_.Remove();
}

std::wstring SystemControls::Tip() const {
    return commands_.Running() ? texts_.runningTip : texts_.stoppedTip;
}

void SystemControls::StatusChanged() {
    icon_.SetTip(Tip());
}

void SystemControls::RegisterHotkey() {
    hotkey_.Register(StoredHotkey(store_, hotkeyKey_));
}

bool SystemControls::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        if (static_cast<int>(wParam) == kHotkeyId) {
            commands_.Run(MainAction::Status);  // as Alt+S
        }
        return true;
    }
    if (message == NotifyIcon::TaskbarCreatedMessage()) {
        icon_.Add(Tip());
        return true;
    }
    if (message != kNotifyMessage || HIWORD(lParam) != kNotifyIconId) {
        return false;
    }
    switch (LOWORD(lParam)) {
        case WM_CONTEXTMENU:  // a right click, or the keyboard's menu key
            ShowMenu({GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
            break;
        case NIN_SELECT:  // a click
        case NIN_KEYSELECT:
            BringToFront();
            break;
        default:
            break;
    }
    return true;
}

// The window to bring forward: the main window, or the modal dialog over it.
void SystemControls::BringToFront() {
    if (::IsIconic(main_)) {
        ::ShowWindow(main_, SW_RESTORE);
    }
    ::SetForegroundWindow(::GetLastActivePopup(main_));
}

void SystemControls::ShowMenu(POINT anchor) {
    NotifyMenuState state;
    state.running = commands_.Running();
    if (const std::optional<std::string> text = WriteHotkey(hotkey_.hotkey())) {
        state.hotkey = runtime::WidenAscii(*text);
    }
    state.hotkeyInUse = hotkey_.state() == GlobalHotkey::State::InUse;
    for (const MenuCheck& check : texts_.checks) {
        state.checks.push_back(store_.GetParam(check.key).AsBoolean());
    }
    state.dialogsAllowed = ::IsWindowEnabled(main_) != FALSE;
    const UniqueMenu menu = BuildMenu(NotifyMenu(texts_, state));

    // The menu closes on a click elsewhere only when its window is in the foreground
    // ("TrackPopupMenu function", remarks).
    const HWND owner = ::GetLastActivePopup(main_);
    ::SetForegroundWindow(owner);
    const UINT align =
        ::GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const auto command = static_cast<unsigned>(::TrackPopupMenu(
        menu.get(), align | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
        anchor.x, anchor.y, 0, owner, nullptr));
    RunMenuCommand(command);
}

void SystemControls::RunMenuCommand(unsigned command) {
    switch (command) {
        case kStatusCommand:
            commands_.Run(MainAction::Status);
            return;
        case kHotkeySettingsCommand:
            EditHotkey();
            return;
        case kSettingsCommand:
            commands_.Run(MainAction::Options);
            return;
        case kQuitCommand:
            commands_.Run(MainAction::Quit);  // as Alt+X
            return;
        default:
            break;
    }
    if (command >= kFirstCheckCommand && command - kFirstCheckCommand < texts_.checks.size()) {
        const std::string_view key = texts_.checks[command - kFirstCheckCommand].key;
        store_.SetParam(key, ParamValue(!store_.GetParam(key).AsBoolean()));
        commands_.ApplySettings();
    }
}

void SystemControls::EditHotkey() {
    const std::optional<Hotkey> chosen =
        ShowHotkeyDialog(main_, hotkey_.hotkey(), hotkey_.state() == GlobalHotkey::State::InUse,
                         SUITE_PROGRAM_ICON_ID);
    if (chosen && ::IsWindow(main_) && StoreHotkey(store_, hotkeyKey_, *chosen)) {
        RegisterHotkey();
        commands_.ApplySettings();
    }
}

}  // namespace frame
