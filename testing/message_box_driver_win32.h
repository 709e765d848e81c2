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

// Waits until a top-level window of this process with the given title is visible, and
// returns what it shows; window is null after the timeout.
MessageBoxView WaitForMessageBox(const std::wstring& title, std::chrono::milliseconds timeout);

// Presses a button of the box the way a click would.
void PressButton(HWND box, int commandId);

}  // namespace testing_support
