#pragma once

#include <windows.h>

#include <functional>

namespace runtime {

// The program's open windows in the order they were opened, so that closing the main
// window can close every other one, the most recently opened first. Each window enters
// itself when it opens and leaves when it is destroyed; its closer says how it is closed
// (a modal dialog ends its loop, a plain window is destroyed).
class OpenWindows {
  public:
    using Closer = std::function<void(HWND)>;

    static void Opened(HWND window, Closer closer = {});
    static void Closed(HWND window);

    // Closes every open window but the first (the main window), newest first.
    static void CloseAllButFirst();
};

}  // namespace runtime
