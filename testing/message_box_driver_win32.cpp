#include "testing/message_box_driver_win32.h"

#include "testing/window_driver_win32.h"

namespace testing_support {

namespace {

bool HasButton(HWND box) {
    for (HWND child : ChildWindows(box)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Button") == 0) {
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
        const std::wstring kind = ClassOf(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0) {
            view.buttons.push_back(WindowText(child));
        } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
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
