#include "testing/message_box_driver_win32.h"

#include "runtime/ascii_text.h"
#include "testing/window_driver_win32.h"

namespace testing_support {

namespace {

bool IsOfClass(HWND window, std::string_view className) {
    return runtime::EqualsIgnoringCase(std::wstring_view(ClassOf(window)), className);
}

bool HasButton(HWND box) {
    for (HWND child : ChildWindows(box)) {
        if (IsOfClass(child, "Button")) {
            return true;
        }
    }
    return false;
}

}  // namespace

MessageBoxView WaitForMessageBox(const std::wstring& title, std::chrono::milliseconds timeout,
                                 DWORD process) {
    MessageBoxView view;
    HWND box = nullptr;
    // The box is ready once its buttons exist.
    const bool ready = WaitUntil(
        [&] {
            box = WaitForWindow(title, std::chrono::milliseconds(0), nullptr, process);
            return box != nullptr && HasButton(box);
        },
        timeout);
    if (!ready) {
        return view;
    }
    view.window = box;
    view.className = ClassOf(box);
    view.title = title;
    for (HWND child : ChildWindows(box)) {
        if (IsOfClass(child, "Button")) {
            view.buttons.push_back(WindowText(child));
        } else if (IsOfClass(child, "Static")) {
            std::wstring text = WindowText(child);
            if (!text.empty()) {
                view.text = std::move(text);
            }
        }
    }
    return view;
}

void PressButton(HWND box, int commandId) {
    ::SendMessageW(::GetDlgItem(box, commandId), BM_CLICK, 0, 0);
}

}  // namespace testing_support
