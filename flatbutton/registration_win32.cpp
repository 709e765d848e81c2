#include "flatbutton/registration_win32.h"

#include <oleauto.h>

#include "flatbutton/sleekon_ids_win32.h"
#include "flatbutton/sleekon_module_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/com_ptr_win32.h"
#include "runtime/resource_ids.h"
#include "runtime/unique_handle_win32.h"

namespace flatbutton {

namespace {

using runtime::UniqueRegistryKey;

constexpr const wchar_t* kClassName = L"SleekonControl";
constexpr WORD kTypeLibMajor = 1;
constexpr WORD kTypeLibMinor = 0;
constexpr int kToolboxBitmapId = SLEEKON_TOOLBOX_BITMAP_ID;

std::wstring GuidText(REFGUID guid) {
    wchar_t text[39] = {};
    ::StringFromGUID2(guid, text, static_cast<int>(std::size(text)));
    return text;
}

std::wstring ClassKey() {
    return L"CLSID\\" + GuidText(CLSID_SleekonControl);
}

HRESULT FromStatus(LSTATUS status) noexcept {
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

// Creates the key below HKEY_CLASSES_ROOT and, with a value, sets its value name.
HRESULT SetKey(const std::wstring& path, const wchar_t* name = nullptr,
               const std::wstring* value = nullptr) noexcept {
    HKEY created = nullptr;
    SUITE_RETURN_IF_FAILED(
        FromStatus(::RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &created, nullptr)));
    const UniqueRegistryKey key(created);
    if (value == nullptr) {
        return S_OK;
    }
    const auto bytes = static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t));
    return FromStatus(::RegSetValueExW(key.get(), name, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value->c_str()), bytes));
}

HRESULT SetDefault(const std::wstring& path, const std::wstring& value) noexcept {
    return SetKey(path, nullptr, &value);
}

HRESULT DeleteTree(const std::wstring& path) noexcept {
    const LSTATUS status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
    return status == ERROR_FILE_NOT_FOUND ? S_OK : FromStatus(status);
}

bool KeyExists(const std::wstring& path) noexcept {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(opened);
    return true;
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

HRESULT WriteKeys(const std::wstring& modulePath) {
    const std::wstring classKey = ClassKey();
    const std::wstring progId = sleekon::kProgId;
    SUITE_RETURN_IF_FAILED(SetDefault(classKey, kClassName));
    SUITE_RETURN_IF_FAILED(SetDefault(classKey + L"\\InprocServer32", modulePath));
    const std::wstring apartment = L"Apartment";
    SUITE_RETURN_IF_FAILED(SetKey(classKey + L"\\InprocServer32", L"ThreadingModel", &apartment));
    SUITE_RETURN_IF_FAILED(SetDefault(classKey + L"\\ProgID", progId));
    SUITE_RETURN_IF_FAILED(SetKey(classKey + L"\\Control"));
    SUITE_RETURN_IF_FAILED(SetDefault(classKey + L"\\MiscStatus", L"0"));
    SUITE_RETURN_IF_FAILED(
        SetDefault(classKey + L"\\MiscStatus\\1", std::to_wstring(sleekon::kMiscStatus)));
    SUITE_RETURN_IF_FAILED(SetDefault(classKey + L"\\ToolboxBitmap32",
                                      modulePath + L", " + std::to_wstring(kToolboxBitmapId)));
    SUITE_RETURN_IF_FAILED(SetDefault(classKey + L"\\TypeLib", GuidText(LIBID_Sleekon)));
    SUITE_RETURN_IF_FAILED(SetDefault(classKey + L"\\Version", L"1.0"));
    SUITE_RETURN_IF_FAILED(SetDefault(progId, kClassName));
    SUITE_RETURN_IF_FAILED(SetDefault(progId + L"\\CLSID", GuidText(CLSID_SleekonControl)));

    runtime::ComPtr<ITypeLib> library;
    SUITE_RETURN_IF_FAILED(::LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.put()));
    // Some SDKs declare the path parameter without const; it is only read.
    return ::RegisterTypeLib(library.get(), const_cast<wchar_t*>(modulePath.c_str()), nullptr);
}

}  // namespace

HRESULT RegisterServer(const std::wstring& modulePath) noexcept {
    const HRESULT result = runtime::GuardComCall([&] { return WriteKeys(modulePath); });
    if (FAILED(result)) {
        UnregisterServer();
    }
    return result;
}

HRESULT UnregisterServer() noexcept {
    return runtime::GuardComCall([] {
        HRESULT first = S_OK;
        const auto keep = [&first](HRESULT result) {
            if (SUCCEEDED(first) && FAILED(result)) {
                first = result;
            }
        };
        const std::wstring versionKey = L"TypeLib\\" + GuidText(LIBID_Sleekon) + L"\\" +
                                        std::to_wstring(kTypeLibMajor) + L"." +
                                        std::to_wstring(kTypeLibMinor);
        if (KeyExists(versionKey)) {
            keep(::UnRegisterTypeLib(LIBID_Sleekon, kTypeLibMajor, kTypeLibMinor, 0,
                                     sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32));
        }
        const std::wstring progId = sleekon::kProgId;
        const std::wstring owner = DefaultValue(progId + L"\\CLSID");
        if (owner.empty() ||
            ::_wcsicmp(owner.c_str(), GuidText(CLSID_SleekonControl).c_str()) == 0) {
            keep(DeleteTree(progId));
        }
        keep(DeleteTree(ClassKey()));
        return first;
    });
}

}  // namespace flatbutton
