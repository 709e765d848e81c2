#pragma once

#include <string>
#include <string_view>

namespace runtime {

// The folder of a file, given its full path: without a trailing backslash, except at the
// root of a drive ("C:\"); empty when the path names no folder.
inline std::wstring FolderOf(std::wstring_view path) {
    const auto separator = path.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) {
        return {};
    }
    std::wstring folder(path.substr(0, separator));
    if (!folder.empty() && folder.back() == L':') {
        folder.push_back(L'\\');  // a drive's root keeps its backslash
    }
    return folder;
}

// A file in a folder: the folder, a backslash unless the folder already ends with one,
// and the file's name.
inline std::wstring PathInFolder(std::wstring_view folder, std::wstring_view fileName) {
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\') {
        path.push_back(L'\\');
    }
    return path.append(fileName);
}

}  // namespace runtime
