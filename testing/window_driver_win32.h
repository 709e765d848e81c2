#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

std::wstring WindowText(HWND window);  // WM_GETTEXT, which works across processes
std::wstring ClassOf(HWND window);
std::vector<HWND> ChildWindows(HWND parent);

// The first visible top-level window with this title (and class, when given) of the
// process (this one unless given; 0 for any); null after the timeout.
HWND WaitForWindow(const std::wstring& title, std::chrono::milliseconds timeout,
                   const wchar_t* className = nullptr, DWORD process = ::GetCurrentProcessId());

// Handles the messages waiting for this thread's windows.
inline void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Waits until the condition holds, pumping this thread's messages meanwhile.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// The window with the keyboard focus in the thread that owns the given window.
HWND FocusOfThreadOf(HWND window);

}  // namespace testing_support
