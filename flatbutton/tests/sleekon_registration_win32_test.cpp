// Registration into the test prefix and back out, the registered type library, the
// library's resources, and creation without registration.
#include <comcat.h>
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "flatbutton/tests/sleekon_fixture_win32.h"
#include "runtime/ascii_text.h"
#include "runtime/resource_ids.h"
#include "runtime/unique_handle_win32.h"
#include "testing/child_process_win32.h"

namespace flatbutton_test {
namespace {

std::wstring GuidText(REFGUID guid) {
    wchar_t text[39] = {};
    ::StringFromGUID2(guid, text, 39);
    return text;
}

const std::wstring kClassKey = L"CLSID\\" + GuidText(CLSID_SleekonControl);

bool KeyExists(const std::wstring& path) {
    HKEY key = nullptr;
    const bool exists =
        ::RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    const runtime::UniqueRegistryKey owned(exists ? key : nullptr);
    return exists;
}

std::optional<std::wstring> Value(const std::wstring& path, const wchar_t* name = nullptr) {
    wchar_t text[512] = {};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                       &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return text;
}

// Every key that registration writes, the type library's included.
std::vector<std::wstring> RegisteredKeys() {
    return {kClassKey, flatbutton::kProgId, L"TypeLib\\" + GuidText(LIBID_Sleekon),
            L"Interface\\" + GuidText(IID__SleekonControl),
            L"Interface\\" + GuidText(DIID___SleekonControl)};
}

DWORD RunAndWait(const std::wstring& commandLine) {
    return testing_support::RunToEnd(commandLine, std::chrono::seconds(30));
}

using ServerEntry = HRESULT(STDAPICALLTYPE*)();

// Loads the library beside the tests; whatever a test registered is unregistered at the
// end, even when it failed, so that the prefix is left as it was found.
class RegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        path_ = BesideThisProgram(L"Sleekon.ocx");
        library_.reset(::LoadLibraryW(path_.c_str()));
        ASSERT_TRUE(library_);
        register_ = Entry("DllRegisterServer");
        unregister_ = Entry("DllUnregisterServer");
        ASSERT_TRUE(register_ && unregister_);
        for (const std::wstring& key : RegisteredKeys()) {
            ASSERT_FALSE(KeyExists(key))
                << runtime::NarrowToAscii(key) << " is there before the test";
        }
        // Self-registration writes for every user, below HKEY_LOCAL_MACHINE\Software\Classes
        // (Microsoft's "HKEY_CLASSES_ROOT Key"), which a standard user may only read.
        HKEY classes = nullptr;
        const LSTATUS writable = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0,
                                                 KEY_CREATE_SUB_KEY, &classes);
        const runtime::UniqueRegistryKey owner(classes);
        if (writable != ERROR_SUCCESS) {
            GTEST_SKIP() << "registering the control for every user needs administrator rights: "
                            "run run-tests.cmd as administrator to include these tests";
        }
    }
    void TearDown() override {
        if (registered_) {
            EXPECT_EQ(unregister_(), S_OK);
        }
        library_.reset();
        ::CoUninitialize();
    }

    ServerEntry Entry(const char* name) const {
        return reinterpret_cast<ServerEntry>(
            reinterpret_cast<void (*)()>(::GetProcAddress(library_.get(), name)));
    }
    void Register() {
        registered_ = true;
        ASSERT_EQ(register_(), S_OK);
    }

    std::wstring path_;
    runtime::UniqueModule library_;
    ServerEntry register_ = nullptr;
    ServerEntry unregister_ = nullptr;
    bool registered_ = false;
};

TEST_F(RegistrationTest, WritesTheClassTheProgIdAndTheTypeLibraryAndRemovesExactlyThat) {
    Register();
    const auto same = [](const std::optional<std::wstring>& a, const std::wstring& b) {
        return a && ::_wcsicmp(a->c_str(), b.c_str()) == 0;
    };
    EXPECT_EQ(Value(kClassKey), L"SleekonControl");
    EXPECT_TRUE(same(Value(kClassKey + L"\\InprocServer32"), path_));
    EXPECT_EQ(Value(kClassKey + L"\\InprocServer32", L"ThreadingModel"),
              flatbutton::kThreadingModel);
    EXPECT_EQ(Value(kClassKey + L"\\ProgID"), flatbutton::kProgId);
    EXPECT_TRUE(KeyExists(kClassKey + L"\\Control"));
    EXPECT_EQ(Value(kClassKey + L"\\MiscStatus\\1"), std::to_wstring(flatbutton::kMiscStatus));
    EXPECT_TRUE(same(Value(kClassKey + L"\\ToolboxBitmap32"), path_ + L", 30000"));
    EXPECT_EQ(Value(kClassKey + L"\\TypeLib"), GuidText(LIBID_Sleekon));
    EXPECT_EQ(Value(kClassKey + L"\\Version"), flatbutton::kLibraryVersion);
    EXPECT_EQ(Value(std::wstring(flatbutton::kProgId) + L"\\CLSID"),
              GuidText(CLSID_SleekonControl));
    for (const std::wstring& key : RegisteredKeys()) {
        EXPECT_TRUE(KeyExists(key)) << runtime::NarrowToAscii(key);
    }
    DWORD status = 0;
    EXPECT_EQ(::OleRegGetMiscStatus(CLSID_SleekonControl, DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, flatbutton::kMiscStatus);
    // Containers list controls through the component categories.
    ComPtr<ICatInformation> categories;
    ASSERT_EQ(::CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ICatInformation, categories.putVoid()),
              S_OK);
    CATID control = CATID_Control;
    EXPECT_EQ(categories->IsClassOfCategories(CLSID_SleekonControl, 1, &control, 0, &control),
              S_OK);

    EXPECT_EQ(unregister_(), S_OK);
    registered_ = false;
    for (const std::wstring& key : RegisteredKeys()) {
        EXPECT_FALSE(KeyExists(key)) << runtime::NarrowToAscii(key) << " stayed behind";
    }
    EXPECT_EQ(unregister_(), S_OK);  // nothing left to remove is no failure
}

// The type library's identifiers (compiled from the IDL) are the ones the registration
// writes and the ones the application manifest names, all three generated from one source.
TEST_F(RegistrationTest, TheRegistryAndTheManifestNameTheTypeLibrarysIdentifiers) {
    Register();
    const HRSRC found =
        ::FindResourceW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(2), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    // Compared without regard to case, as the manifest's readers compare.
    const auto upper = [](std::string text) {
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return text;
    };
    const std::string manifest =
        upper({static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
               ::SizeofResource(nullptr, found)});
    const std::pair<const GUID*, std::wstring> named[] = {
        {&CLSID_SleekonControl, kClassKey},
        {&LIBID_Sleekon,
         L"TypeLib\\" + GuidText(LIBID_Sleekon) + L"\\" + flatbutton::kLibraryVersion},
        {&IID__SleekonControl, L"Interface\\" + GuidText(IID__SleekonControl)},
        {&DIID___SleekonControl, L"Interface\\" + GuidText(DIID___SleekonControl)}};
    for (const auto& [guid, key] : named) {
        EXPECT_TRUE(KeyExists(key)) << runtime::NarrowToAscii(key);
        EXPECT_NE(manifest.find(upper(runtime::NarrowToAscii(GuidText(*guid)))), std::string::npos)
            << runtime::NarrowToAscii(key);
    }
    EXPECT_EQ(Value(std::wstring(flatbutton::kProgId) + L"\\CLSID"),
              GuidText(CLSID_SleekonControl));
    EXPECT_NE(
        manifest.find(upper("progid=\"" + runtime::NarrowToAscii(flatbutton::kProgId) + "\"")),
        std::string::npos);
}

TEST_F(RegistrationTest, CreatesByClassIdAndByProgId) {
    Register();
    CLSID fromProgId = {};
    ASSERT_EQ(::CLSIDFromProgID(flatbutton::kProgId, &fromProgId), S_OK);
    EXPECT_TRUE(::IsEqualCLSID(fromProgId, CLSID_SleekonControl));
    const CLSID* const classIds[] = {&CLSID_SleekonControl, &fromProgId};
    for (const CLSID* classId : classIds) {
        ComPtr<IPersist> persist;
        ASSERT_EQ(::CoCreateInstance(*classId, nullptr, CLSCTX_INPROC_SERVER, IID_IPersist,
                                     persist.putVoid()),
                  S_OK);
        CLSID classOfObject = {};
        EXPECT_EQ(persist->GetClassID(&classOfObject), S_OK);
        EXPECT_TRUE(::IsEqualCLSID(classOfObject, CLSID_SleekonControl));
        EXPECT_EQ(persist.detach()->Release(), 0u);
    }
}

class TypeLibraryTest : public RegistrationTest {
  protected:
    void SetUp() override {
        RegistrationTest::SetUp();
        Register();
        ASSERT_EQ(::LoadRegTypeLib(LIBID_Sleekon, 1, 0, 0, library.put()), S_OK);
    }
    void TearDown() override {
        library.reset();
        RegistrationTest::TearDown();
    }

    ComPtr<ITypeInfo> InfoOf(REFGUID guid) {
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(library->GetTypeInfoOfGuid(guid, info.put()), S_OK);
        return info;
    }
    static WORD FlagsOf(ITypeInfo* info) {
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        const WORD flags = attributes->wTypeFlags;
        info->ReleaseTypeAttr(attributes);
        return flags;
    }
    // The name and library of the type a parameter points at or is.
    static std::wstring TypeName(ITypeInfo* info, const TYPEDESC& type) {
        const TYPEDESC* named = &type;
        while (named->vt == VT_PTR) {
            named = named->lptdesc;
        }
        if (named->vt != VT_USERDEFINED) {
            return L"vt" + std::to_wstring(named->vt);
        }
        ComPtr<ITypeInfo> referred;
        info->GetRefTypeInfo(named->hreftype, referred.put());
        ComPtr<ITypeLib> home;
        UINT index = 0;
        referred->GetContainingTypeLib(home.put(), &index);
        BSTR libraryName = nullptr;
        BSTR typeName = nullptr;
        home->GetDocumentation(-1, &libraryName, nullptr, nullptr, nullptr);
        referred->GetDocumentation(MEMBERID_NIL, &typeName, nullptr, nullptr, nullptr);
        const runtime::UniqueBstr ownedLibrary(libraryName);
        const runtime::UniqueBstr ownedType(typeName);
        return std::wstring(libraryName) + L"." + typeName;
    }

    // The type library as embedded in the control library, whatever the process's code page.
    std::string_view EmbeddedImage() const {
        const HRSRC found =
            ::FindResourceW(library_.get(), MAKEINTRESOURCEW(SLEEKON_TYPELIB_ID), L"TYPELIB");
        EXPECT_NE(found, nullptr);
        if (found == nullptr) {
            return {};
        }
        const auto* bytes =
            static_cast<const char*>(::LockResource(::LoadResource(library_.get(), found)));
        return {bytes, ::SizeofResource(library_.get(), found)};
    }

    ComPtr<ITypeLib> library;
};

TEST_F(TypeLibraryTest, IsALibraryOfControlsNamedSleekon) {
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->lcid, 0u);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_NE(attributes->wLibFlags & LIBFLAG_FCONTROL, 0);
    library->ReleaseTLibAttr(attributes);
    BSTR name = nullptr;
    BSTR documentation = nullptr;
    ASSERT_EQ(library->GetDocumentation(-1, &name, &documentation, nullptr, nullptr), S_OK);
    const runtime::UniqueBstr ownedName(name);
    const runtime::UniqueBstr ownedDocumentation(documentation);
    EXPECT_STREQ(name, L"Sleekon");
    EXPECT_STREQ(documentation, L"Sleekon");

    ComPtr<ITypeInfo> coclass = InfoOf(CLSID_SleekonControl);
    EXPECT_EQ(FlagsOf(coclass.get()), TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL);
    const std::pair<const IID*, int> implemented[] = {
        {&IID__SleekonControl, IMPLTYPEFLAG_FDEFAULT},
        {&DIID___SleekonControl, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}};
    for (UINT i = 0; i < 2; ++i) {
        HREFTYPE reference = 0;
        ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &reference), S_OK);
        ComPtr<ITypeInfo> interfaceInfo;
        ASSERT_EQ(coclass->GetRefTypeInfo(reference, interfaceInfo.put()), S_OK);
        TYPEATTR* interfaceAttributes = nullptr;
        interfaceInfo->GetTypeAttr(&interfaceAttributes);
        EXPECT_TRUE(::IsEqualIID(interfaceAttributes->guid, *implemented[i].first));
        interfaceInfo->ReleaseTypeAttr(interfaceAttributes);
        INT flags = 0;
        EXPECT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
        EXPECT_EQ(flags, implemented[i].second);
    }
}

TEST_F(TypeLibraryTest, TheDualInterfaceHasTheSevenAccessorsInOrderAtTheFixedDispids) {
    ComPtr<ITypeInfo> dispatchInfo = InfoOf(IID__SleekonControl);
    HREFTYPE vtableReference = 0;
    ASSERT_EQ(dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableReference), S_OK);
    ComPtr<ITypeInfo> vtable;
    ASSERT_EQ(dispatchInfo->GetRefTypeInfo(vtableReference, vtable.put()), S_OK);
    // Hidden, dual and non-extensible; the interface half is the automation-compatible one.
    const WORD common =
        TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    EXPECT_EQ(FlagsOf(dispatchInfo.get()), common);
    EXPECT_EQ(FlagsOf(vtable.get()), common | TYPEFLAG_FOLEAUTOMATION);
    // The argument's name is looked for in the stored library: GetNames cannot tell a put
    // from the get of the same DISPID.
    struct Accessor {
        DISPID id;
        INVOKEKIND kind;
        const wchar_t* valueType;
        std::string_view argument;
    };
    const Accessor expected[] = {
        {flatbutton::kDispidBackColor, INVOKE_PROPERTYGET, L"stdole.OLE_COLOR", "BackColor"},
        {flatbutton::kDispidBackColor, INVOKE_PROPERTYPUT, L"stdole.OLE_COLOR", "New_BackColor"},
        {flatbutton::kDispidEnabled, INVOKE_PROPERTYGET, L"vt11", "Enabled"},
        {flatbutton::kDispidEnabled, INVOKE_PROPERTYPUT, L"vt11", "New_Enabled"},
        {flatbutton::kDispidPicture, INVOKE_PROPERTYGET, L"stdole.Picture", "Picture"},
        {flatbutton::kDispidPicture, INVOKE_PROPERTYPUTREF, L"stdole.Picture", "New_Picture"},
        {flatbutton::kDispidPicture, INVOKE_PROPERTYPUT, L"stdole.Picture", "New_Picture"},
    };
    const std::string_view image = EmbeddedImage();
    TYPEATTR* attributes = nullptr;
    vtable->GetTypeAttr(&attributes);
    ASSERT_EQ(attributes->cFuncs, 7);
    vtable->ReleaseTypeAttr(attributes);
    SHORT lastSlot = -1;
    for (UINT i = 0; i < 7; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(vtable->GetFuncDesc(i, &function), S_OK);
        EXPECT_EQ(function->memid, expected[i].id) << i;
        EXPECT_EQ(function->invkind, expected[i].kind) << i;
        EXPECT_GT(function->oVft, lastSlot);
        lastSlot = function->oVft;
        ASSERT_EQ(function->cParams, 1);
        EXPECT_EQ(TypeName(vtable.get(), function->lprgelemdescParam[0].tdesc),
                  expected[i].valueType);
        EXPECT_NE(image.find(expected[i].argument), std::string_view::npos) << i;
        vtable->ReleaseFuncDesc(function);
    }
}

TEST_F(TypeLibraryTest, TheEventsAreAtOneToFiveWithTheirArgumentsByReference) {
    ComPtr<ITypeInfo> events = InfoOf(DIID___SleekonControl);
    EXPECT_EQ(FlagsOf(events.get()),
              TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE);
    const std::pair<const wchar_t*, DISPID> expected[] = {
        {L"Click", flatbutton::kDispidClick},
        {L"DblClick", flatbutton::kDispidDblClick},
        {L"MouseDown", flatbutton::kDispidMouseDown},
        {L"MouseMove", flatbutton::kDispidMouseMove},
        {L"MouseUp", flatbutton::kDispidMouseUp}};
    for (UINT i = 0; i < 5; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(events->GetFuncDesc(i, &function), S_OK);
        BSTR names[5] = {};
        UINT count = 0;
        events->GetNames(function->memid, names, 5, &count);
        const std::vector<runtime::UniqueBstr> owned(std::begin(names), std::end(names));
        EXPECT_STREQ(names[0], expected[i].first);
        EXPECT_EQ(function->memid, expected[i].second);
        const bool mouse = i >= 2;
        ASSERT_EQ(function->cParams, mouse ? 4 : 0);
        const wchar_t* parameterNames[] = {L"Button", L"Shift", L"x", L"y"};
        const VARTYPE types[] = {VT_I2, VT_I2, VT_R4, VT_R4};
        for (int p = 0; p < function->cParams; ++p) {
            const ELEMDESC& parameter = function->lprgelemdescParam[p];
            EXPECT_EQ(parameter.tdesc.vt, VT_PTR);
            EXPECT_EQ(parameter.tdesc.lptdesc->vt, types[p]);
            EXPECT_EQ(parameter.paramdesc.wParamFlags, PARAMFLAG_FIN | PARAMFLAG_FOUT);
            EXPECT_STREQ(names[p + 1], parameterNames[p]);
        }
        events->ReleaseFuncDesc(function);
    }
}

const std::pair<DISPID, std::wstring_view> kHelpStrings[] = {
    {flatbutton::kDispidBackColor,
     L"ｵﾌﾞｼﾞｪｸﾄ内の文字やｸﾞﾗﾌｨｯｸの表示で使用する背景色を設定します。値の取得も可能です。"},
    {flatbutton::kDispidEnabled,
     L"ﾕｰｻﾞｰの操作で発生したｲﾍﾞﾝﾄを、ｵﾌﾞｼﾞｪｸﾄに認識させるかどうかを設定します。値の取得も可能です"
     L"。"},
    {flatbutton::kDispidPicture, L"ｺﾝﾄﾛｰﾙ内に表示されるｸﾞﾗﾌｨｯｸを設定します。値の取得も可能です。"}};

TEST_F(TypeLibraryTest, TheHelpStringsAreStoredInShiftJis) {
    const std::string_view image = EmbeddedImage();
    for (const auto& [id, text] : kHelpStrings) {
        std::string shiftJis(text.size() * 2, '\0');
        shiftJis.resize(::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()),
                                              shiftJis.data(), static_cast<int>(shiftJis.size()),
                                              nullptr, nullptr));
        EXPECT_NE(image.find(shiftJis), std::string_view::npos) << id;
    }
    // Read back as text where the code page is Japanese, as the type library's readers do.
    if (::GetACP() != 932) {
        GTEST_SKIP() << "not a Japanese code page: the text itself is not compared";
    }
    ComPtr<ITypeInfo> dispatchInfo = InfoOf(IID__SleekonControl);
    for (const auto& [id, text] : kHelpStrings) {
        BSTR help = nullptr;
        ASSERT_EQ(dispatchInfo->GetDocumentation(id, nullptr, &help, nullptr, nullptr), S_OK);
        const runtime::UniqueBstr owned(help);
        EXPECT_EQ(std::wstring_view(help), text) << id;
    }
}

TEST_F(RegistrationTest, TheLibraryCarriesItsVersionExportsAndToolboxPicture) {
    DWORD ignored = 0;
    std::vector<BYTE> block(::GetFileVersionInfoSizeW(path_.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(path_.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    // major.minor.build as major, minor, 0, build
    unsigned major = 0, minor = 0, build = 0;
    ASSERT_EQ(::swscanf(flatbutton::kVersionText, L"%u.%u.%u", &major, &minor, &build), 3);
    EXPECT_EQ(fixed->dwFileVersionMS, major << 16 | minor);
    EXPECT_EQ(fixed->dwFileVersionLS, build);
    EXPECT_TRUE(::VerQueryValueW(block.data(), L"\\StringFileInfo\\041104b0\\OLESelfRegister",
                                 &value, &length));
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\StringFileInfo\\041104b0\\FileDescription",
                                 &value, &length));
    EXPECT_STREQ(static_cast<const wchar_t*>(value), L"フラットボタンＯＣＸ");
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\StringFileInfo\\041104b0\\FileVersion", &value,
                                 &length));
    EXPECT_STREQ(static_cast<const wchar_t*>(value), flatbutton::kVersionText);

    for (const char* name :
         {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"}) {
        EXPECT_NE(::GetProcAddress(library_.get(), name), nullptr) << name;
    }

    const HRSRC bitmap = ::FindResourceW(library_.get(), MAKEINTRESOURCEW(30000), RT_BITMAP);
    ASSERT_NE(bitmap, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(
        ::LockResource(::LoadResource(library_.get(), bitmap)));
    EXPECT_EQ(header->biWidth, 16);
    EXPECT_EQ(header->biHeight, 15);
    EXPECT_EQ(header->biBitCount, 4);
}

TEST_F(RegistrationTest, Regsvr32RegistersAndUnregisters) {
    registered_ = true;  // undone at the end whatever happens
    ASSERT_EQ(RunAndWait(L"regsvr32.exe /s \"" + path_ + L"\""), 0u);
    for (const std::wstring& key : RegisteredKeys()) {
        EXPECT_TRUE(KeyExists(key)) << runtime::NarrowToAscii(key);
    }
    ASSERT_EQ(RunAndWait(L"regsvr32.exe /u /s \"" + path_ + L"\""), 0u);
    for (const std::wstring& key : RegisteredKeys()) {
        EXPECT_FALSE(KeyExists(key)) << runtime::NarrowToAscii(key);
    }
}

TEST_F(RegistrationTest, AProgramNamingTheLibraryInItsManifestCreatesItAfterUnregistering) {
    Register();
    ASSERT_EQ(unregister_(), S_OK);
    registered_ = false;
    // The host program beside its own copy of the library checks what it can do.
    EXPECT_EQ(RunAndWait(L"\"" + BesideThisProgram(L"regfree\\sleekon_regfree_host.exe") + L"\""),
              0u);
}

}  // namespace
}  // namespace flatbutton_test
