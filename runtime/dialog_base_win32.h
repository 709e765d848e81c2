#pragma once

#include <windows.h>

#include "runtime/com_check_win32.h"
#include "runtime/display_scale.h"
#include "runtime/open_windows_win32.h"
#include "runtime/window_dpi_win32.h"

namespace runtime {

// Puts a dialog centred over its owner inside the work area of the owner's monitor (a
// dialog without an owner: centred in the primary monitor's work area).
void CentreOverOwner(HWND dialog) noexcept;

// The dots per inch a dialog is laid out at when it opens: those of its owner's monitor,
// where CentreOverOwner puts it, rather than those of the place it was created at.
int OpeningDpi(HWND dialog) noexcept;

// The base of the suite's modal dialogs, beside WindowBase: binds the C++ object to its
// dialog at WM_INITDIALOG and hands each message to Derived::HandleMessage, which answers
// as a dialog procedure does (TRUE when handled). The binding ends at WM_NCDESTROY. A
// message whose handling throws is left to the dialog manager (runtime::GuardMessage).
//
// While it is open the dialog stands in OpenWindows, whose closing ends it with IDCANCEL.
// After Derived has handled WM_INITDIALOG, Derived::LayOut(dpi) places its controls and
// gives them their font for the dots per inch of its owner's monitor, the base sizes the
// dialog around Derived::ClientSize(dpi) with a frame of that scaling, and centres it over
// its owner on that monitor. On a change of scaling the dialog takes the suggested place
// and is laid out again; its size for the coming scaling is its client's plus that
// scaling's frame, which does not grow linearly (Microsoft's "WM_GETDPISCALEDSIZE
// message"). The dialog manager's own rescaling is off (runtime::KeepDialogScalingToItself).
template <typename Derived>
class DialogBase {
  public:
    DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }

  protected:
    ~DialogBase() = default;  // a modal dialog is gone when ShowModal returns

    // Runs the dialog modally over owner: the value EndDialog ended it with, -1 when it
    // could not be made.
    INT_PTR ShowModal(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner) noexcept {
        return ::DialogBoxIndirectParamW(instance, dialogTemplate, owner, &DialogBase::Procedure,
                                         reinterpret_cast<LPARAM>(static_cast<Derived*>(this)));
    }

    // What the dialog manager does with a message the dialog does not handle.
    static INT_PTR DefaultHandling() noexcept { return FALSE; }

  private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<Derived*>(lParam);
            self->hwnd_ = dialog;
            ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        } else {
            self = reinterpret_cast<Derived*>(::GetWindowLongPtrW(dialog, DWLP_USER));
        }
        if (self == nullptr) {
            return FALSE;  // before WM_INITDIALOG (WM_SETFONT)
        }
        const INT_PTR result = GuardMessage(
            [&] {
                switch (message) {
                    case WM_INITDIALOG: {
                        OpenWindows::Opened(dialog,
                                            [](HWND opened) { ::EndDialog(opened, IDCANCEL); });
                        KeepDialogScalingToItself(dialog);
                        const INT_PTR handled = self->HandleMessage(message, wParam, lParam);
                        Scale(*self, OpeningDpi(dialog));
                        CentreOverOwner(dialog);
                        return handled;
                    }
                    case WM_GETDPISCALEDSIZE: {
                        const RECT frame = FrameAt(*self, static_cast<int>(wParam));
                        *reinterpret_cast<SIZE*>(lParam) = {frame.right - frame.left,
                                                            frame.bottom - frame.top};
                        ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
                        return INT_PTR{TRUE};
                    }
                    case WM_DPICHANGED: {
                        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
                        ::SetWindowPos(dialog, nullptr, suggested->left, suggested->top, 0, 0,
                                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                        Scale(*self, LOWORD(wParam));
                        return INT_PTR{TRUE};
                    }
                    default:
                        return self->HandleMessage(message, wParam, lParam);
                }
            },
            [] { return DefaultHandling(); });
        // The dialog procedure sees every message before the dialog manager, WM_NCDESTROY
        // too (Microsoft's "Dialog Box Default Message Processing").
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(dialog, DWLP_USER, 0);
            OpenWindows::Closed(dialog);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    // The dialog's window rectangle (at the origin) for its client at dpi.
    static RECT FrameAt(const Derived& self, int dpi) noexcept {
        const SIZE client = self.ClientSize(dpi);
        return FrameAroundClient({0, 0, client.cx, client.cy},
                                 static_cast<DWORD>(::GetWindowLongPtrW(self.hwnd(), GWL_STYLE)),
                                 static_cast<DWORD>(::GetWindowLongPtrW(self.hwnd(), GWL_EXSTYLE)),
                                 dpi);
    }

    static void Scale(Derived& self, int dpi) {
        self.LayOut(dpi);
        const RECT frame = FrameAt(self, dpi);
        ::SetWindowPos(self.hwnd(), nullptr, 0, 0, frame.right - frame.left,
                       frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND hwnd_ = nullptr;
};

}  // namespace runtime
