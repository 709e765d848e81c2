#pragma once

#include <string>
#include <string_view>

namespace frame {

// The folder of an executable, given its full path: without a trailing backslash,
// except at the root of a drive ("C:\").
std::wstring ExecutableFolder(std::wstring_view executablePath);

// A file in a folder: the folder, a backslash unless the folder already ends with one,
// and the file's name.
std::wstring PathInFolder(std::wstring_view folder, std::wstring_view fileName);

// The settings file beside the executable: the folder, a backslash unless the folder
// already ends with one, the product name and ".ini".
std::wstring SettingsFilePath(std::wstring_view folder, std::wstring_view productName);

}  // namespace frame
