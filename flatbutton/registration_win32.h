#pragma once

#include <windows.h>

#include <string>

namespace flatbutton {

// Registers the SleekonControl class of the module at modulePath and the type library
// embedded in it: the CLSID key (InprocServer32 apartment-threaded, ProgID, Control,
// MiscStatus, ToolboxBitmap32, TypeLib, Version), the ProgID key and the type library's
// keys. A failure undoes what was written.
HRESULT RegisterServer(const std::wstring& modulePath) noexcept;

// Removes exactly what RegisterServer wrote; keys that are not there are no failure, and
// a ProgID that another class has taken over is left alone.
HRESULT UnregisterServer() noexcept;

}  // namespace flatbutton
