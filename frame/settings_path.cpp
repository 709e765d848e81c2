#include "frame/settings_path.h"

#include "runtime/file_path.h"

namespace frame {

std::wstring SettingsFilePath(std::wstring_view folder, std::wstring_view productName) {
    return runtime::PathInFolder(folder, productName).append(L".ini");
}

}  // namespace frame
