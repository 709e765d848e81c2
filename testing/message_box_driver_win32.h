#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

// A message box of this process as a person sees it.
struct MessageBoxView {
    HWND window = nullptr;
    std::wstring className;
    std::wstring title;
    std::wstring text;                  // the message's static text
    std::vector<std::wstring> buttons;  // captions, in child order
};

// Waits until a top-level window of the process (this one unless given) with the given
// title is visible with its buttons, and returns what it shows; window is null after the
// timeout.
MessageBoxView WaitForMessageBox(const std::wstring& title, std::chrono::milliseconds timeout,
                                 DWORD process = ::GetCurrentProcessId());

// Presses a button of the box the way a click would.
void PressButton(HWND box, int commandId);

}  // namespace testing_support
