#pragma once

#include <windows.h>

#include <string>

namespace flatbutton {

// Writes every entry of the registration table (flatbutton/registration_table.h) for the
// module at modulePath below HKEY_LOCAL_MACHINE\Software\Classes, in the registry view of
// the module's platform. A failure undoes what was written.
HRESULT RegisterServer(const std::wstring& modulePath) noexcept;

// Removes the table's registered trees from the same place; keys that are not there are
// no failure, and shared keys still used by the other platform's registration, or a ProgID
// that another class has taken over, are left alone. The current user's own registration
// is never touched.
HRESULT UnregisterServer() noexcept;

}  // namespace flatbutton
