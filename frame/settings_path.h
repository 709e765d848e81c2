#pragma once

#include <string>
#include <string_view>

namespace frame {

// The settings file beside the executable: the folder, a backslash unless the folder
// already ends with one, the product name and ".ini".
std::wstring SettingsFilePath(std::wstring_view folder, std::wstring_view productName);

}  // namespace frame
