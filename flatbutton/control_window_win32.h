#pragma once

#include <windows.h>

#include "runtime/window_base_win32.h"

namespace flatbutton {

// Receives the messages of the control's window.
class WindowMessageHandler {
  public:
    // May release the last reference to the handler's owner, and with it the window
    // object, unless the message is WM_DESTROY or WM_NCDESTROY.
    virtual LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept = 0;

  protected:
    ~WindowMessageHandler() = default;
};

// The control's own child window in the container's window: the surface the control
// draws on and takes pointer input from.
class ControlWindow : public runtime::WindowBase<ControlWindow> {
  public:
    static constexpr const wchar_t* kClassName = L"SleekonControlWindow";

    explicit ControlWindow(WindowMessageHandler& handler) noexcept : handler_(handler) {}

    // A child of parent at place (in parent's client coordinates), shown, and disabled
    // when enabled is false.
    bool Create(HWND parent, const RECT& place, bool enabled) noexcept;
    void Destroy() noexcept;

    // Unregisters the window class when the library is unloaded.
    static void UnregisterClassOf(HINSTANCE instance) noexcept;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        return DefaultHandling(message, wParam, lParam);
    }

  private:
    WindowMessageHandler& handler_;
};

}  // namespace flatbutton
