// A window that records the input it receives, for the end-to-end tests: every left-button
// press and release with its screen position, every key message, and (through a low-level
// keyboard hook) every Tab key event in the session, whoever has the focus.
//
//   input_target.exe <log file> <left> <top> <width> <height>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "runtime/gdi_handles_win32.h"

namespace {

std::FILE* gLog = nullptr;

void Record(const char* what, long a, long b = 0) {
    if (gLog != nullptr) {
        std::fprintf(gLog, "%s %ld %ld\n", what, a, b);
        std::fflush(gLog);
    }
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (key->vkCode == VK_TAB) {
            const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
            Record(up ? "hook-up" : "hook-down", static_cast<long>(key->vkCode),
                   (key->flags & LLKHF_INJECTED) != 0 ? 1 : 0);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: {
            POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ::ClientToScreen(window, &point);
            Record(message == WM_LBUTTONDOWN ? "down" : "up", point.x, point.y);
            return 0;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            Record(message == WM_KEYDOWN ? "key-down" : "key-up", static_cast<long>(wParam));
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (__argc < 6) {
        return 2;
    }
    gLog = _wfopen(__wargv[1], L"w");
    const int left = _wtoi(__wargv[2]);
    const int top = _wtoi(__wargv[3]);
    const int width = _wtoi(__wargv[4]);
    const int height = _wtoi(__wargv[5]);

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"SuiteInputTarget";
    ::RegisterClassW(&windowClass);
    const HWND window =
        ::CreateWindowExW(0, windowClass.lpszClassName, L"InputTarget", WS_POPUP | WS_VISIBLE, left,
                          top, width, height, nullptr, nullptr, instance, nullptr);
    const runtime::UniqueHook hook(::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook, instance, 0));
    Record("ready", window != nullptr ? 1 : 0, hook ? 1 : 0);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    std::fclose(gLog);
    return 0;
}
