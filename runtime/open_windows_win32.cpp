#include "runtime/open_windows_win32.h"

#include <algorithm>
#include <vector>

namespace runtime {

namespace {

struct Entry {
    HWND window;
    OpenWindows::Closer closer;
};

std::vector<Entry>& Entries() {
    static std::vector<Entry> entries;  // only the user-interface thread touches it
    return entries;
}

}  // namespace

void OpenWindows::Opened(HWND window, Closer closer) {
    Entries().push_back({window, std::move(closer)});
}

void OpenWindows::Closed(HWND window) noexcept {
    std::erase_if(Entries(), [window](const Entry& entry) { return entry.window == window; });
}

void OpenWindows::CloseAllButFirst() {
    // A closer may open or close other windows, so take the newest afresh every time.
    for (std::size_t guard = Entries().size(); Entries().size() > 1 && guard > 0; --guard) {
        Entry newest = Entries().back();
        Closed(newest.window);
        if (newest.closer) {
            newest.closer(newest.window);
        } else {
            ::DestroyWindow(newest.window);
        }
    }
}

}  // namespace runtime
