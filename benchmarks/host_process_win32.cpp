#include "benchmarks/host_process_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>

#include "runtime/unique_handle_win32.h"
#include "testing/temporary_folder_win32.h"

namespace benchmarks {

namespace {

// A directory search (FindFirstFileW), ended with FindClose.
struct FindTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type search) noexcept { ::FindClose(search); }
};
using UniqueFind = runtime::UniqueHandle<FindTraits>;

std::string Utf8(const std::wstring& text) {
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(std::max(size, 1)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, converted.data(), size, nullptr, nullptr);
    converted.resize(converted.size() - 1);
    return converted;
}

// The value of a "Key:  value kB" line of /proc/<pid>/status.
long StatusValue(const std::string& status, const std::string& key) {
    const std::size_t at = status.find("\n" + key + ":");
    return at == std::string::npos ? 0
                                   : std::strtol(status.c_str() + at + key.size() + 2, nullptr, 10);
}

}  // namespace

std::optional<HostProcess> HostProcess::Find(const std::wstring& executablePath) {
    const std::string wanted = Utf8(executablePath);
    WIN32_FIND_DATAW found;
    const UniqueFind search(::FindFirstFileW(L"Z:\\proc\\*", &found));
    if (!search) {
        return std::nullopt;
    }
    do {
        if (!std::iswdigit(found.cFileName[0])) {
            continue;
        }
        const std::wstring folder = std::wstring(L"Z:\\proc\\") + found.cFileName;
        const std::string commandLine = testing_support::ReadFileBytes(folder + L"\\cmdline");
        if (commandLine.size() >= wanted.size() &&
            ::_strnicmp(commandLine.c_str(), wanted.c_str(), wanted.size()) == 0) {
            return HostProcess(folder);
        }
    } while (::FindNextFileW(search.get(), &found));
    return std::nullopt;
}

double HostProcess::ProcessorMs() const {
    double total = 0;
    WIN32_FIND_DATAW found;
    const UniqueFind search(::FindFirstFileW((folder_ + L"\\task\\*").c_str(), &found));
    if (!search) {
        return -1;
    }
    do {
        if (std::iswdigit(found.cFileName[0])) {
            // The first field: nanoseconds on a processor.
            const std::string line = testing_support::ReadFileBytes(
                folder_ + L"\\task\\" + found.cFileName + L"\\schedstat");
            total += std::strtod(line.c_str(), nullptr) / 1e6;
        }
    } while (::FindNextFileW(search.get(), &found));
    return total;
}

HostProcess::Memory HostProcess::ReadMemory() const {
    const std::string status = "\n" + testing_support::ReadFileBytes(folder_ + L"\\status");
    return {StatusValue(status, "VmRSS"), StatusValue(status, "RssAnon"),
            StatusValue(status, "Threads")};
}

}  // namespace benchmarks
