// The floor of Tapnor's start-up: a bare modal dialog with as many standard controls of the
// same kinds as Tapnor's settings dialog, from a template, built as the programs are (the same
// compiler, options, static runtime and application manifest, so themed common controls) and
// without anything else: no control library, no OLE, no hidden owner window.
#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);
    return static_cast<int>(
        ::DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, &Procedure, 0));
}
