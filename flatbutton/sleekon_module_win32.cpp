// The library's entry points and its class factory.
#include <windows.h>
#include <olectl.h>

#include "flatbutton/control_window_win32.h"
#include "flatbutton/registration_win32.h"
#include "flatbutton/sleekon_control_win32.h"
#include "flatbutton/sleekon_module_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/com_object_win32.h"
#include "runtime/module_info_win32.h"

namespace flatbutton {

namespace {

class ClassFactory final : public runtime::ComObject<ClassFactory, IClassFactory> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept {
        return runtime::SoleInterfaceTable<ClassFactory, IClassFactory>(IID_IClassFactory);
    }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return SleekonControl::Create(iid, out);
    }

    STDMETHODIMP LockServer(BOOL lock) noexcept override {
        if (lock) {
            runtime::ComModule::Lock();
        } else {
            runtime::ComModule::Unlock();
        }
        return S_OK;
    }

  private:
    friend struct runtime::ComObjectAccess;
    ClassFactory() noexcept = default;
    ~ClassFactory() = default;
};

}  // namespace

HMODULE ThisModule() noexcept {
    // Any address inside the module names it.
    static const char marker = 0;
    HMODULE module = nullptr;
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&marker), &module);
    return module;
}

std::wstring ThisModulePath() {
    return runtime::ModuleFilePath(ThisModule());
}

HRESULT LoadOwnTypeLib(ITypeLib** library) noexcept {
    if (library == nullptr) {
        return E_POINTER;
    }
    *library = nullptr;
    return runtime::GuardComCall(
        [&] { return ::LoadTypeLibEx(ThisModulePath().c_str(), REGKIND_NONE, library); });
}

}  // namespace flatbutton

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        ::DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while the process goes on: a later load must not find the class of a
        // window procedure that is gone.
        flatbutton::ControlWindow::UnregisterClassOf(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (!::IsEqualCLSID(classId, CLSID_SleekonControl)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto factory = runtime::MakeComObject<flatbutton::ClassFactory>();
    if (!factory) {
        return E_OUTOFMEMORY;
    }
    return factory->QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() {
    return runtime::ComModule::Locks() == 0 ? S_OK : S_FALSE;
}

// The module's path is a std::wstring, built before RegisterServer's own guard: an
// exception from it must not reach regsvr32 or an installer, which expect E_OUTOFMEMORY or
// E_UNEXPECTED among its answers ("DllRegisterServer function (olectl.h)").
STDAPI DllRegisterServer() {
    return runtime::GuardComCall(
        [] { return flatbutton::RegisterServer(flatbutton::ThisModulePath()); });
}

STDAPI DllUnregisterServer() {
    return flatbutton::UnregisterServer();
}
