#pragma once

#include <windows.h>

#include <string>

namespace runtime {

// The full path of a module of this process (the executable when module is null).
std::wstring ModuleFilePath(HMODULE module = nullptr);

// The ProductName recorded in the version information of a module file; the file's base
// name when the file carries none.
std::wstring ProductNameOf(const std::wstring& modulePath);

}  // namespace runtime
