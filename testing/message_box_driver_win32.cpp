#include "testing/message_box_driver_win32.h"

#include <thread>

namespace testing_support {

namespace {

std::wstring WindowText(HWND window) {
    const int length = static_cast<int>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

struct Search {
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
        WindowText(window) == *search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM parameter) {
    auto* view = reinterpret_cast<MessageBoxView*>(parameter);
    const std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        view->buttons.push_back(WindowText(child));
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        std::wstring text = WindowText(child);
        if (!text.empty()) {
            view->text = std::move(text);
        }
    }
    return TRUE;
}

}  // namespace

MessageBoxView WaitForMessageBox(const std::wstring& title, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    MessageBoxView view;
    while (std::chrono::steady_clock::now() < deadline) {
        Search search{&title, nullptr};
        ::EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&search));
        // The box is ready once its buttons exist.
        if (search.found != nullptr && ::GetDlgItem(search.found, IDCANCEL) != nullptr) {
            view.window = search.found;
            view.className = ClassOf(search.found);
            view.title = title;
            ::EnumChildWindows(search.found, &CollectChild, reinterpret_cast<LPARAM>(&view));
            return view;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return view;
}

void PressButton(HWND box, int commandId) {
    ::SendMessageW(::GetDlgItem(box, commandId), BM_CLICK, 0, 0);
}

}  // namespace testing_support
