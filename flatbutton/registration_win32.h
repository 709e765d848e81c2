#pragma once

#include <windows.h>

#include <string>

namespace flatbutton {

// Writes every entry of the registration table (flatbutton/registration_table.h) for the
// module at modulePath below HKEY_CLASSES_ROOT. A failure undoes what was written.
HRESULT RegisterServer(const std::wstring& modulePath) noexcept;

// Removes the table's registered trees; keys that are not there are no failure, and
// shared keys still used by the other platform's registration, or a ProgID that another
// class has taken over, are left alone.
HRESULT UnregisterServer() noexcept;

}  // namespace flatbutton
