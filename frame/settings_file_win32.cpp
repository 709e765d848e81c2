#include "frame/settings_file_win32.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "frame/ini_codec.h"
#include "runtime/unique_handle_win32.h"

namespace frame {

namespace {

using runtime::UniqueFile;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The old file must be writable for the save to go ahead: a read-only settings file
// stays read-only and the save fails, as writing over it would. The attribute is tested
// on its own because a replace by rename does not always honour it (Wine run as root).
bool TargetAcceptsWrites(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    UniqueFile target(::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(target);
}

bool WriteAll(HANDLE file, std::string_view content) {
    if (::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !::SetEndOfFile(file)) {
        return false;
    }
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(
            std::min<std::size_t>(content.size(), std::numeric_limits<DWORD>::max()));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        content.remove_prefix(written);
    }
    return ::FlushFileBuffers(file) != FALSE;
}

enum class SaveStep { CheckTarget, CreateTemporary, Write, Replace, Done };

}  // namespace

bool ReadSettingsFile(const std::wstring& path, ParamStore& store) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return false;
    }
    std::string content;
    bool complete = true;
    char buffer[16 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr)) {
            complete = false;
            break;
        }
        if (read == 0) {
            break;
        }
        content.append(buffer, read);
    }
    ReadParams(content, store);
    return complete;
}

bool WriteSettingsFile(const std::wstring& path, std::string_view content,
                       WriteFailurePrompt& prompt) {
    const std::wstring temporaryPath = path + L".tmp";
    UniqueFile temporary;
    SaveStep step = SaveStep::CheckTarget;
    while (step != SaveStep::Done) {
        bool done = false;
        switch (step) {
            case SaveStep::CheckTarget:
                done = TargetAcceptsWrites(path);
                break;
            case SaveStep::CreateTemporary:
                temporary.reset(::CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
                done = static_cast<bool>(temporary);
                break;
            case SaveStep::Write:
                done = WriteAll(temporary.get(), content);
                break;
            case SaveStep::Replace:
                temporary.reset();
                done = ::MoveFileExW(temporaryPath.c_str(), path.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
                break;
            case SaveStep::Done:
                break;
        }
        if (done) {
            step = static_cast<SaveStep>(static_cast<int>(step) + 1);
        } else if (!prompt.ShouldRetry(path)) {
            const bool createdTemporary = step > SaveStep::CreateTemporary;
            temporary.reset();
            if (createdTemporary) {
                ::DeleteFileW(temporaryPath.c_str());
            }
            return false;
        }
    }
    return true;
}

}  // namespace frame
