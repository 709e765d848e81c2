#include "runtime/window_dpi_win32.h"

#include "runtime/screen_dpi_win32.h"

namespace runtime {

namespace {

// A function of user32 that older Windows may not have; null then.
template <typename Function>
Function User32Function(const char* name) noexcept {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? reinterpret_cast<Function>(
                                   reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)))
                             : nullptr;
}

}  // namespace

int WindowDpi(HWND window) noexcept {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return ScreenDotsPerInch().x;
}

RECT FrameAroundClient(RECT client, DWORD style, DWORD exStyle, int dpi) noexcept {
    using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr ||
        !adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        ::AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
    return client;
}

void KeepDialogScalingToItself(HWND dialog) noexcept {
    using SetBehaviorFunction = BOOL(WINAPI*)(HWND, int, int);
    static const auto setBehavior =
        User32Function<SetBehaviorFunction>("SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    if (setBehavior != nullptr) {
        setBehavior(dialog, kDisableAll, kDisableAll);
    }
}

}  // namespace runtime
