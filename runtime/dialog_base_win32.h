#pragma once

#include <windows.h>

#include "runtime/com_check_win32.h"
#include "runtime/display_scale.h"
#include "runtime/open_windows_win32.h"

namespace runtime {

// Puts a dialog centred over its owner (over the work area when it has none), inside the
// work area.
void CentreOverOwner(HWND dialog) noexcept;

// The base of the suite's modal dialogs, beside WindowBase: binds the C++ object to its
// dialog at WM_INITDIALOG and hands each message to Derived::HandleMessage, which answers
// as a dialog procedure does (TRUE when handled). The binding ends at WM_NCDESTROY. A
// message whose handling throws is left to the dialog manager (runtime::GuardMessage).
//
// While it is open the dialog stands in OpenWindows, whose closing ends it with IDCANCEL.
// After Derived has handled WM_INITDIALOG, Derived::LayOut(dpi) sizes the dialog and
// places its controls for dpi dots per inch, and the dialog is centred over its owner;
// a change of the display's scaling will lay it out again here, as in WindowBase.
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

    void LayOut(int /*dpi*/) {}

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
                if (message == WM_INITDIALOG) {
                    OpenWindows::Opened(dialog, [](HWND opened) { ::EndDialog(opened, IDCANCEL); });
                }
                const INT_PTR handled = self->HandleMessage(message, wParam, lParam);
                if (message == WM_INITDIALOG) {
                    self->LayOut(kBaseDpi);
                    CentreOverOwner(dialog);
                }
                return handled;
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

    HWND hwnd_ = nullptr;
};

}  // namespace runtime
