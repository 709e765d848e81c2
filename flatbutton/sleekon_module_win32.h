#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace flatbutton {

// The module that holds the control's code: Sleekon.ocx.
HMODULE ThisModule() noexcept;
// Allocates: a COM method or export calls it inside runtime::GuardComCall.
std::wstring ThisModulePath();

// The type library embedded in the module (TYPELIB resource SLEEKON_TYPELIB_ID), not registered.
HRESULT LoadOwnTypeLib(ITypeLib** library) noexcept;

}  // namespace flatbutton
