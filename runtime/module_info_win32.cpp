#include "runtime/module_info_win32.h"

#include <cwchar>
#include <vector>

namespace runtime {

namespace {

std::wstring BaseNameWithoutExtension(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    const auto dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) {
        name.resize(dot);
    }
    return name;
}

std::wstring QueryString(const std::vector<BYTE>& block, WORD language, WORD codePage,
                         const wchar_t* name) {
    wchar_t query[64];
    std::swprintf(query, std::size(query), L"\\StringFileInfo\\%04x%04x\\%ls", language, codePage,
                  name);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), query, &value, &length) || length == 0) {
        return {};
    }
    std::wstring text(static_cast<const wchar_t*>(value), length);
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::wstring ModuleFilePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: a long path
    }
}

std::wstring ProductNameOf(const std::wstring& modulePath) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(modulePath.c_str(), &ignored);
    if (size != 0) {
        std::vector<BYTE> block(size);
        if (::GetFileVersionInfoW(modulePath.c_str(), 0, size, block.data())) {
            struct Translation {
                WORD language;
                WORD codePage;
            };
            void* value = nullptr;
            UINT length = 0;
            if (::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) &&
                length >= sizeof(Translation)) {
                const auto* translations = static_cast<const Translation*>(value);
                for (UINT i = 0; i < length / sizeof(Translation); ++i) {
                    std::wstring name = QueryString(block, translations[i].language,
                                                    translations[i].codePage, L"ProductName");
                    if (!name.empty()) {
                        return name;
                    }
                }
            }
        }
    }
    return BaseNameWithoutExtension(modulePath);
}

}  // namespace runtime
