#include "frame/settings_path.h"

namespace frame {

std::wstring ExecutableFolder(std::wstring_view executablePath) {
    const auto separator = executablePath.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) {
        return {};
    }
    std::wstring folder(executablePath.substr(0, separator));
    if (!folder.empty() && folder.back() == L':') {
        folder.push_back(L'\\');  // a drive's root keeps its backslash
    }
    return folder;
}

std::wstring PathInFolder(std::wstring_view folder, std::wstring_view fileName) {
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\') {
        path.push_back(L'\\');
    }
    return path.append(fileName);
}

std::wstring SettingsFilePath(std::wstring_view folder, std::wstring_view productName) {
    return PathInFolder(folder, productName).append(L".ini");
}

}  // namespace frame
