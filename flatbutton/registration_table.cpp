#include "flatbutton/registration_table.h"

namespace flatbutton {

namespace {

constexpr const wchar_t* kClassName = L"SleekonControl";
// The standard marshalers of automation interfaces: dual ones, and dispinterfaces.
constexpr const wchar_t* kDualMarshaler = L"{00020424-0000-0000-C000-000000000046}";
constexpr const wchar_t* kDispatchMarshaler = L"{00020420-0000-0000-C000-000000000046}";
constexpr const wchar_t* kLibraryFlagControl = L"2";  // LIBFLAG_FCONTROL

std::wstring LibraryVersionKey() {
    return LibraryKey() + L"\\" + kLibraryVersion;
}

std::wstring PlatformName(Platform platform) {
    return platform == Platform::Win64 ? L"win64" : L"win32";
}

void AddInterface(std::vector<RegistryEntry>& entries, const std::wstring& id, const wchar_t* name,
                  const wchar_t* marshaler) {
    const std::wstring key = L"Interface\\" + id;
    entries.push_back({key, L"", name});
    entries.push_back({key + L"\\ProxyStubClsid", L"", marshaler});
    entries.push_back({key + L"\\ProxyStubClsid32", L"", marshaler});
    entries.push_back({key + L"\\TypeLib", L"", kLibraryIdText});
    entries.push_back({key + L"\\TypeLib", L"Version", kLibraryVersion});
}

}  // namespace

std::wstring ClassKey() {
    return std::wstring(L"CLSID\\") + kClassIdText;
}

std::wstring LibraryKey() {
    return std::wstring(L"TypeLib\\") + kLibraryIdText;
}

std::vector<RegistryEntry> RegistrationEntries(const RegistrationSite& site) {
    const std::wstring classKey = ClassKey();
    const std::wstring progId = kProgId;
    const std::wstring libraryKey = LibraryVersionKey();
    std::vector<RegistryEntry> entries = {
        {classKey, L"", kClassName},
        {classKey + L"\\InprocServer32", L"", site.modulePath},
        {classKey + L"\\InprocServer32", L"ThreadingModel", kThreadingModel},
        {classKey + L"\\ProgID", L"", progId},
        {classKey + L"\\Control", L"", L""},
        {classKey + L"\\Implemented Categories\\" + kControlCategoryText, L"", L""},
        {classKey + L"\\MiscStatus", L"", L"0"},
        {classKey + L"\\MiscStatus\\1", L"", std::to_wstring(kMiscStatus)},
        {classKey + L"\\ToolboxBitmap32", L"",
         site.modulePath + L", " + std::to_wstring(kToolboxBitmapId)},
        {classKey + L"\\TypeLib", L"", kLibraryIdText},
        {classKey + L"\\Version", L"", kLibraryVersion},
        {progId, L"", kClassName},
        {progId + L"\\CLSID", L"", kClassIdText},
        {libraryKey, L"", L"Sleekon"},
        {libraryKey + L"\\FLAGS", L"", kLibraryFlagControl},
        {libraryKey + L"\\HELPDIR", L"", site.moduleFolder},
        {libraryKey + L"\\0\\" + PlatformName(site.platform), L"", site.modulePath},
    };
    AddInterface(entries, kInterfaceIdText, L"_SleekonControl", kDualMarshaler);
    AddInterface(entries, kEventsIdText, L"__SleekonControl", kDispatchMarshaler);
    return entries;
}

std::vector<RegisteredTree> RegisteredTrees(Platform platform) {
    using Test = KeepCondition::Test;
    const KeepCondition otherViewHasClass{Test::KeyInOtherView, ClassKey()};
    const std::wstring progId = kProgId;
    return {
        {ClassKey(), {}},
        {std::wstring(L"Interface\\") + kInterfaceIdText, {}},
        {std::wstring(L"Interface\\") + kEventsIdText, {}},
        {LibraryVersionKey() + L"\\0\\" + PlatformName(platform), {}},
        {LibraryKey(), {otherViewHasClass}},
        // Another class may have taken the ProgID over.
        {progId, {otherViewHasClass, {Test::NamesAnotherClass, progId + L"\\CLSID"}}},
    };
}

}  // namespace flatbutton
