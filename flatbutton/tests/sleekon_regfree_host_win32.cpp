// A program that names Sleekon.ocx in its application manifest (resource 1, its default
// activation context) and uses the control with nothing registered, as the suite's
// programs do. Prints what failed; the exit code counts the failures.
#include <windows.h>
#include <ocidl.h>

#include <cstdio>
#include <string>

#include "flatbutton/sleekon_ids_win32.h"
#include "runtime/com_ptr_win32.h"
#include "runtime/file_path.h"
#include "runtime/module_info_win32.h"
#include "runtime/unique_handle_win32.h"
#include "runtime/variant_win32.h"

namespace {

int failures = 0;

void Check(bool holds, const char* what) {
    if (!holds) {
        std::printf("FAILED: %s\n", what);
        ++failures;
    }
}

void UseTheControl() {
    wchar_t classText[39] = {};
    ::StringFromGUID2(CLSID_SleekonControl, classText, 39);
    HKEY key = nullptr;
    const bool registered =
        ::RegOpenKeyExW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + classText).c_str(), 0,
                        KEY_READ, &key) == ERROR_SUCCESS;
    const runtime::UniqueRegistryKey owned(registered ? key : nullptr);
    Check(!registered, "the class is not registered");

    runtime::ComPtr<IOleObject> object;
    Check(::CoCreateInstance(CLSID_SleekonControl, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                             object.putVoid()) == S_OK,
          "created by class identifier");
    if (!object) {
        return;
    }
    const HMODULE library = ::GetModuleHandleW(L"Sleekon.ocx");
    Check(library != nullptr &&
              ::_wcsicmp(runtime::ModuleFilePath(library).c_str(),
                         runtime::PathInFolder(runtime::FolderOf(runtime::ModuleFilePath()),
                                               L"Sleekon.ocx")
                             .c_str()) == 0,
          "the library beside the program is the one loaded");

    // The ProgID leads to a class identifier that creates the same class.
    CLSID fromProgId = {};
    runtime::ComPtr<IPersist> byProgId;
    Check(::CLSIDFromProgID(flatbutton::kProgId, &fromProgId) == S_OK, "ProgID known");
    Check(::CoCreateInstance(fromProgId, nullptr, CLSCTX_INPROC_SERVER, IID_IPersist,
                             byProgId.putVoid()) == S_OK,
          "created by ProgID");
    CLSID classOfObject = {};
    Check(byProgId && byProgId->GetClassID(&classOfObject) == S_OK &&
              ::IsEqualCLSID(classOfObject, CLSID_SleekonControl),
          "the ProgID's object is a SleekonControl");
    byProgId.reset();

    DWORD status = 0;
    Check(::OleRegGetMiscStatus(CLSID_SleekonControl, DVASPECT_CONTENT, &status) == S_OK &&
              status == flatbutton::kMiscStatus,
          "miscellaneous status from the manifest");
    runtime::ComPtr<ITypeLib> library2;
    Check(::LoadRegTypeLib(LIBID_Sleekon, 1, 0, 0, library2.put()) == S_OK,
          "type library from the manifest");
    library2.reset();

    runtime::ComPtr<IDispatch> dispatch;
    Check(object.as(IID_IDispatch, dispatch) == S_OK, "IDispatch");
    if (dispatch) {
        runtime::Variant value = runtime::Variant::Boolean(false);
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS parameters = {value.address(), &named, 1, 1};
        Check(
            dispatch->Invoke(flatbutton::kDispidEnabled, IID_NULL, LOCALE_USER_DEFAULT,
                             DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr, nullptr) == S_OK,
            "Enabled put by DISPID");
        dispatch.reset();
    }
    Check(object.detach()->Release() == 0, "the last Release frees the control");
}

}  // namespace

int wmain() {
    if (FAILED(::CoInitialize(nullptr))) {
        std::printf("FAILED: CoInitialize\n");
        return 1;
    }
    UseTheControl();
    ::CoFreeUnusedLibraries();
    ::CoUninitialize();
    return failures;
}
