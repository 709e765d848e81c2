#include "testing/e2e_support_win32.h"

#include <sddl.h>

#include <memory>

#include "testing/program_under_test_win32.h"

namespace testing_support {

namespace {

struct ClassSearch {
    DWORD process;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindByClass(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ClassSearch*>(parameter);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    wchar_t name[128] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if (process == search->process && std::wstring(name) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void ReleaseHeldKeys() {
    const WORD keys[] = {VK_TAB, VK_MENU, VK_CONTROL, VK_SHIFT};
    INPUT inputs[std::size(keys)] = {};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ::SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
}

POINT WindowOrigin(HWND window) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

RECT ClientAreaInShot(HWND window, const RECT& clientPlace) {
    RECT frame = {};
    ::GetWindowRect(window, &frame);
    POINT client = {0, 0};
    ::ClientToScreen(window, &client);
    const LONG left = client.x - frame.left;
    const LONG top = client.y - frame.top;
    return {clientPlace.left + left, clientPlace.top + top, clientPlace.right + left,
            clientPlace.bottom + top};
}

void SaveScreenshot(const Pixels& pixels, const std::wstring& name) {
    pixels.SaveBitmapFile(ScreenshotFolder() + L"\\" + name);
}

std::wstring ArtFile(const std::wstring& program, const std::wstring& file) {
    return SourceFolder() + L"\\" + program + L"\\art\\" + file;
}

HWND FindProcessWindow(DWORD process, const wchar_t* className) {
    ClassSearch search{process, className, nullptr};
    ::EnumWindows(&FindByClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

runtime::UniqueKernelHandle HoldMutexOfAnElevatedCopy(const wchar_t* name) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;;0x00100000;;;WD)", SDDL_REVISION_1, &descriptor, nullptr)) {
        return {};
    }
    const std::unique_ptr<void, decltype(&::LocalFree)> owned(descriptor, &::LocalFree);
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), descriptor, FALSE};
    return runtime::UniqueKernelHandle(::CreateMutexW(&attributes, FALSE, name));
}

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace testing_support
