#pragma once

#include <windows.h>

namespace runtime {

// Tab key-downs sent into the system's input stream tick after tick, and the one key-up
// that ends them. A key-down without its key-up would stay down for every program.
class HeldTabKey {
  public:
    HeldTabKey() = default;
    HeldTabKey(const HeldTabKey&) = delete;
    HeldTabKey& operator=(const HeldTabKey&) = delete;

    void Press() noexcept {
        ::keybd_event(VK_TAB, 0, 0, 0);
        held_ = true;
    }

    // One key-up when a key-down went out since the last release; nothing otherwise.
    void Release() noexcept {
        if (held_) {
            held_ = false;
            ::keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
        }
    }

  private:
    bool held_ = false;
};

}  // namespace runtime
