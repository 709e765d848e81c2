#pragma once

#include <windows.h>

#include <functional>

namespace runtime {

// The program's open windows in the order they were opened, so that closing the main
// window can close every other one, the most recently opened first. The window and dialog
// bases (runtime/window_base_win32.h, runtime/dialog_base_win32.h) enter each top-level
// window when it has been created and take it out when it is destroyed; the closer says
// how it is closed (a modal dialog ends its loop, a plain window is destroyed).
class OpenWindows {
  public:
    using Closer = std::function<void(HWND)>;

    static void Opened(HWND window, Closer closer = {});
    static void Closed(HWND window) noexcept;

    // Closes every open window but the first (the main window), newest first.
    static void CloseAllButFirst();
};

}  // namespace runtime
