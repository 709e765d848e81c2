#pragma once

#include <windows.h>

#include "runtime/com_check_win32.h"
#include "runtime/display_scale.h"
#include "runtime/open_windows_win32.h"
#include "runtime/window_dpi_win32.h"

namespace runtime {

// The small base of every window of the suite: binds the C++ object to its window at
// WM_NCCREATE and hands each message to Derived::HandleMessage. The object must outlive
// its window; the binding ends at WM_NCDESTROY, after which OnWindowGone runs. A message
// whose handling throws gets the default handling instead (runtime::GuardMessage).
//
// Once WM_CREATE has succeeded, a top-level window enters OpenWindows (it leaves when it
// is destroyed) and Derived::LayOut(dpi) sizes the window and places and draws its parts
// for the dots per inch of its monitor. LayOut is the one place a window's layout is
// made: when the window comes onto a monitor of another scaling (WM_DPICHANGED), it takes
// the suggested rectangle and LayOut runs again for the new dots per inch (Microsoft's
// "WM_DPICHANGED message"). The suite's windows have no frame whose size would scale
// otherwise than their content, so the system's linear scaling of the suggested size
// stands (no WM_GETDPISCALEDSIZE). A window that places itself (it follows the cursor, or
// covers every monitor) answers the change with its own Derived::DpiChanged instead.
template <typename Derived>
class WindowBase {
  public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }

  protected:
    ~WindowBase() {
        if (hwnd_ != nullptr) {
            // Unbind first: the derived part is already gone.
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            OpenWindows::Closed(hwnd_);
            ::DestroyWindow(hwnd_);
        }
    }

    // Registers the class on first use; Derived::kClassName names it. No class icon: a
    // window's icons are its own (WM_SETICON), owned by the window's object.
    static bool RegisterClassOnce(HINSTANCE instance, UINT style = 0,
                                  HCURSOR cursor = ::LoadCursorW(nullptr, IDC_ARROW),
                                  HBRUSH background = nullptr) {
        WNDCLASSEXW existing = {};
        existing.cbSize = sizeof(existing);
        if (::GetClassInfoExW(instance, Derived::kClassName, &existing)) {
            return true;
        }
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = style;
        windowClass.lpfnWndProc = &WindowBase::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = Derived::kClassName;
        return ::RegisterClassExW(&windowClass) != 0;
    }

    HWND CreateWindowHandle(HINSTANCE instance, DWORD exStyle, const wchar_t* title, DWORD style,
                            int x, int y, int width, int height, HWND parent,
                            HMENU menu = nullptr) {
        return ::CreateWindowExW(exStyle, Derived::kClassName, title, style, x, y, width, height,
                                 parent, menu, instance, static_cast<Derived*>(this));
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    // For windows whose size and parts are fixed at creation.
    void LayOut(int /*dpi*/) {}
    void OnWindowGone() noexcept {}

    // WM_DPICHANGED: the suggested place and size, then the layout for the new scaling.
    void DpiChanged(int dpi, const RECT& suggested) {
        ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top,
                       suggested.right - suggested.left, suggested.bottom - suggested.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        static_cast<Derived*>(this)->LayOut(dpi);
    }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            self->hwnd_ = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (self == nullptr) {
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
        // After the handler nothing of self is touched but on WM_CREATE and WM_NCDESTROY:
        // a handler may free its object with any other message.
        const LRESULT result = GuardMessage(
            [&]() -> LRESULT {
                if (message == WM_DPICHANGED) {
                    self->DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
                    return 0;
                }
                const LRESULT handled = self->HandleMessage(message, wParam, lParam);
                if (message == WM_CREATE && handled != -1) {
                    Created(*self, window);
                }
                return handled;
            },
            [&] { return ::DefWindowProcW(window, message, wParam, lParam); });
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            OpenWindows::Closed(window);
            self->hwnd_ = nullptr;
            self->OnWindowGone();
        }
        return result;
    }

    static void Created(Derived& self, HWND window) {
        // A child goes with its parent; only top-level windows are the program's to close.
        if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
            OpenWindows::Opened(window);
        }
        self.LayOut(WindowDpi(window));
    }

    HWND hwnd_ = nullptr;
};

}  // namespace runtime
