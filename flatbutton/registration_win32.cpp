#include "flatbutton/registration_win32.h"

#include "flatbutton/registration_table.h"
#include "runtime/com_check_win32.h"
#include "runtime/unique_handle_win32.h"

namespace flatbutton {

namespace {

using runtime::UniqueRegistryKey;

constexpr Platform kThisPlatform = sizeof(void*) == 8 ? Platform::Win64 : Platform::Win32;
// The registry view of the other platform's registration (ignored on 32-bit Windows).
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

HRESULT FromStatus(LSTATUS status) noexcept {
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

HRESULT Write(const RegistryEntry& entry) {
    HKEY created = nullptr;
    SUITE_RETURN_IF_FAILED(
        FromStatus(::RegCreateKeyExW(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, &created, nullptr)));
    const UniqueRegistryKey key(created);
    const auto bytes = static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t));
    return FromStatus(::RegSetValueExW(key.get(), entry.name.empty() ? nullptr : entry.name.c_str(),
                                       0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(entry.value.c_str()), bytes));
}

bool KeyExists(const std::wstring& path, REGSAM view = 0) noexcept {
    HKEY opened = nullptr;
    const LSTATUS status =
        ::RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ | view, &opened);
    const UniqueRegistryKey key(opened);
    return status == ERROR_SUCCESS;
}

std::wstring DefaultValue(const std::wstring& path) {
    wchar_t text[64] = {};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text,
                       &bytes) != ERROR_SUCCESS) {
        return {};
    }
    return text;
}

bool Removable(const RegisteredTree& tree) {
    if (tree.removal == Removal::Always) {
        return true;
    }
    if (KeyExists(ClassKey(), kOtherView)) {
        return false;
    }
    if (tree.removal == Removal::UnlessOtherViewHasClassOrTakenOver) {
        const std::wstring owner = DefaultValue(tree.key + L"\\CLSID");
        return owner.empty() || ::_wcsicmp(owner.c_str(), kClassIdText) == 0;
    }
    return true;
}

HRESULT Remove(const RegisteredTree& tree) {
    if (!Removable(tree)) {
        return S_OK;
    }
    const LSTATUS status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, tree.key.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromStatus(status);
}

std::wstring FolderOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

}  // namespace

HRESULT RegisterServer(const std::wstring& modulePath) noexcept {
    const HRESULT result = runtime::GuardComCall([&] {
        for (const RegistryEntry& entry :
             RegistrationEntries({modulePath, FolderOf(modulePath), kThisPlatform})) {
            SUITE_RETURN_IF_FAILED(Write(entry));
        }
        return S_OK;
    });
    if (FAILED(result)) {
        UnregisterServer();
    }
    return result;
}

HRESULT UnregisterServer() noexcept {
    return runtime::GuardComCall([] {
        HRESULT first = S_OK;
        for (const RegisteredTree& tree : RegisteredTrees(kThisPlatform)) {
            const HRESULT result = Remove(tree);
            if (SUCCEEDED(first) && FAILED(result)) {
                first = result;
            }
        }
        return first;
    });
}

}  // namespace flatbutton
