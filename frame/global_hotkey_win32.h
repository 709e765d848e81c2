#pragma once

#include <windows.h>

#include "frame/hotkey_text.h"

namespace frame {

// A system-wide hotkey of one window (RegisterHotKey): Windows posts the window WM_HOTKEY
// with the id whichever window has the focus. Unregistered when it goes.
class GlobalHotkey {
  public:
    enum class State {
        Off,         // no key is set
        Registered,  // the window hears it
        InUse,       // another program holds the combination; the program runs on without it
    };

    GlobalHotkey(HWND window, int id) : window_(window), id_(id) {}
    GlobalHotkey(const GlobalHotkey&) = delete;
    GlobalHotkey& operator=(const GlobalHotkey&) = delete;
    ~GlobalHotkey() { Unregister(); }

    // Registers the hotkey in place of the earlier one.
    State Register(const Hotkey& hotkey);
    void Unregister();

    State state() const { return state_; }
    const Hotkey& hotkey() const { return hotkey_; }

    // Whether a key-down of the window's thread is the registered combination, held with
    // exactly its modifiers. Windows takes such a key-down for the hotkey; should it still
    // reach the window, the window's own keys leave it alone, so that it acts once.
    bool TakesKey(const MSG& message) const;

  private:
    HWND window_;
    int id_;
    Hotkey hotkey_;
    State state_ = State::Off;
};

}  // namespace frame
