#include "flatbutton/control_window_win32.h"

#include "flatbutton/sleekon_module_win32.h"

namespace flatbutton {

bool ControlWindow::Create(HWND parent, const RECT& place, bool enabled) noexcept {
    const HINSTANCE instance = ThisModule();
    // Double clicks are part of the control's input; the face paints its whole client
    // area, so the class has no background brush.
    if (!RegisterClassOnce(instance, CS_DBLCLKS)) {
        return false;
    }
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (enabled ? 0 : static_cast<DWORD>(WS_DISABLED));
    return CreateWindowHandle(instance, 0, L"", style, place.left, place.top,
                              place.right - place.left, place.bottom - place.top,
                              parent) != nullptr;
}

void ControlWindow::Destroy() noexcept {
    if (hwnd() != nullptr) {
        ::DestroyWindow(hwnd());
    }
}

void ControlWindow::UnregisterClassOf(HINSTANCE instance) noexcept {
    ::UnregisterClassW(kClassName, instance);
}

LRESULT ControlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // Nothing of this object is touched after the handler: it may have freed it.
    return handler_.OnWindowMessage(message, wParam, lParam);
}

}  // namespace flatbutton
