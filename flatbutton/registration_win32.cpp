#include "flatbutton/registration_win32.h"

#include "flatbutton/registration_table.h"
#include "runtime/com_check_win32.h"
#include "runtime/file_path.h"
#include "runtime/unique_handle_win32.h"

namespace flatbutton {

namespace {

using runtime::UniqueRegistryKey;

constexpr Platform kThisPlatform = sizeof(void*) == 8 ? Platform::Win64 : Platform::Win32;
// The registry views of this library's platform and of the other one, named explicitly:
// both are ignored on 32-bit Windows ("Accessing an Alternate Registry View").
constexpr REGSAM kOwnView = sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// Self-registration is for every user: the machine's classes, never the merged
// HKEY_CLASSES_ROOT, whose writes land in the user's tree where a key exists there
// ("HKEY_CLASSES_ROOT Key").
const HKEY kRoot = HKEY_LOCAL_MACHINE;

std::wstring UnderClasses(const std::wstring& key) {
    return L"Software\\Classes\\" + key;
}

HRESULT FromStatus(LSTATUS status) noexcept {
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

HRESULT Write(const RegistryEntry& entry) {
    HKEY created = nullptr;
    SUITE_RETURN_IF_FAILED(
        FromStatus(::RegCreateKeyExW(kRoot, UnderClasses(entry.key).c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE | kOwnView, nullptr, &created, nullptr)));
    const UniqueRegistryKey key(created);
    const auto bytes = static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t));
    return FromStatus(::RegSetValueExW(key.get(), entry.name.empty() ? nullptr : entry.name.c_str(),
                                       0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(entry.value.c_str()), bytes));
}

// The key below the machine's classes, or none where it is not there (or not readable).
UniqueRegistryKey Open(const std::wstring& path, REGSAM access) noexcept {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(kRoot, UnderClasses(path).c_str(), 0, access, &opened) != ERROR_SUCCESS) {
        return UniqueRegistryKey();
    }
    return UniqueRegistryKey(opened);
}

// Whether the key is there and its default value is not this class's identifier (a value
// that is not set, or too long to be an identifier, is not).
bool NamesAnotherClass(const std::wstring& path) {
    const UniqueRegistryKey key = Open(path, KEY_QUERY_VALUE | kOwnView);
    if (!key) {
        return false;
    }
    wchar_t text[64] = {};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    return ::RegGetValueW(key.get(), nullptr, nullptr, RRF_RT_REG_SZ, nullptr, text, &bytes) !=
               ERROR_SUCCESS ||
           ::_wcsicmp(text, kClassIdText) != 0;
}

bool Holds(const KeepCondition& condition) {
    switch (condition.test) {
        case KeepCondition::Test::KeyInOtherView:
            return static_cast<bool>(Open(condition.key, KEY_READ | kOtherView));
        case KeepCondition::Test::NamesAnotherClass:
            return NamesAnotherClass(condition.key);
    }
    return true;
}

// The tree and everything below it, in this library's view.
HRESULT Remove(const RegisteredTree& tree) {
    for (const KeepCondition& condition : tree.keepIf) {
        if (Holds(condition)) {
            return S_OK;
        }
    }
    const std::wstring path = UnderClasses(tree.key);
    HKEY opened = nullptr;
    const LSTATUS found = ::RegOpenKeyExW(
        kRoot, path.c_str(), 0,
        DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | kOwnView, &opened);
    if (found == ERROR_FILE_NOT_FOUND) {
        return S_OK;
    }
    SUITE_RETURN_IF_FAILED(FromStatus(found));  // there, but not ours to remove (no rights)
    {
        const UniqueRegistryKey key(opened);
        SUITE_RETURN_IF_FAILED(FromStatus(::RegDeleteTreeW(key.get(), nullptr)));
    }
    const LSTATUS status = ::RegDeleteKeyExW(kRoot, path.c_str(), kOwnView, 0);
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromStatus(status);
}

}  // namespace

HRESULT RegisterServer(const std::wstring& modulePath) noexcept {
    const HRESULT result = runtime::GuardComCall([&] {
        for (const RegistryEntry& entry :
             RegistrationEntries({modulePath, runtime::FolderOf(modulePath), kThisPlatform})) {
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
