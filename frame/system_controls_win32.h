#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "frame/global_hotkey_win32.h"
#include "frame/hotkeys.h"
#include "frame/notify_icon_win32.h"
#include "frame/notify_menu.h"
#include "frame/param_store.h"

namespace frame {

// What the hotkey and the notification icon's menu ask of the main window.
class MainCommands {
  public:
    virtual ~MainCommands() = default;
    virtual void Run(MainAction action) = 0;
    virtual bool Running() const = 0;
    // Settings the work reads have changed, perhaps while it runs.
    virtual void ApplySettings() = 0;
};

// The ways to a program from any window: its system-wide start/stop hotkey, held in a text
// key of its settings, and its notification-area icon with the icon's menu.
class SystemControls {
  public:
    // The icon's callback message on the main window, and the ids of the icon and hotkey.
    static constexpr UINT kNotifyMessage = WM_APP + 0x41;
    static constexpr UINT kNotifyIconId = 1;
    static constexpr int kHotkeyId = 1;

    SystemControls(HWND mainWindow, const NotifyTexts& texts, std::string_view hotkeyKey,
                   ParamStore& store, MainCommands& commands);
    SystemControls(const SystemControls&) = delete;
    SystemControls& operator=(const SystemControls&) = delete;

    // Registers the hotkey and adds the icon.
    void Open();
    // Takes the icon away and gives the hotkey back, as the main window goes.
    void Close();

    // The hotkey, the icon's callback and the taskbar's return; true when handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A key-down that is the registered hotkey: the window's own keys leave it alone.
    bool TakesKey(const MSG& message) const { return hotkey_.TakesKey(message); }
    // The work started or stopped: the tip says so.
    void StatusChanged();

  private:
    std::wstring Tip() const;
    void RegisterHotkey();
    void ShowMenu(POINT anchor);
    void RunMenuCommand(unsigned command);
    void BringToFront();
    void EditHotkey();

    HWND main_;
    const NotifyTexts& texts_;
    std::string_view hotkeyKey_;
    ParamStore& store_;
    MainCommands& commands_;
    GlobalHotkey hotkey_;
    NotifyIcon icon_;
};

}  // namespace frame
