#include "testing/program_under_test_win32.h"

#include <stdexcept>

#include "testing/suite_paths.h"
#include "testing/window_driver_win32.h"

namespace testing_support {

namespace {

ChildProcess Launch(const std::wstring& folder, const std::wstring& path) {
    StartOptions options;
    options.folder = folder;
    return ChildProcess::Start(L"\"" + path + L"\"", options);
}

// A folder that the environment names (run-tests.cmd of the Windows test kit does), or the
// build's own.
std::wstring FolderFrom(const wchar_t* variable, const wchar_t* build) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(variable, folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? folder : build;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(std::wstring_view folderName,
                                   std::initializer_list<const wchar_t*> files)
    : ProgramUnderTest(folderName, ProgramFolder(), files) {}

ProgramUnderTest::ProgramUnderTest(std::wstring_view folderName, const std::wstring& from,
                                   std::initializer_list<const wchar_t*> files) {
    folder_.emplace(folderName);
    for (const wchar_t* file : files) {
        const std::wstring source = from + L"\\" + file;
        if (!::CopyFileW(source.c_str(), PathOf(file).c_str(), FALSE)) {
            throw std::runtime_error("cannot copy a program file");
        }
    }
}

bool ProgramUnderTest::Start(const wchar_t* executable) {
    process_ = Launch(folder(), PathOf(executable));
    return static_cast<bool>(process_);
}

HANDLE ProgramUnderTest::StartAnother(const wchar_t* executable) {
    ChildProcess another = Launch(folder(), PathOf(executable));
    if (!another) {
        return nullptr;
    }
    others_.push_back(std::move(another));
    return others_.back().handle();
}

bool ProgramUnderTest::HasExited(std::chrono::milliseconds wait) const {
    return process_.Ended(wait);
}

DWORD ProgramUnderTest::ExitCode() const {
    return process_.ExitCode();
}

HWND ProgramUnderTest::WaitForWindow(const std::wstring& title,
                                     std::chrono::milliseconds timeout) const {
    return testing_support::WaitForWindow(title, timeout, nullptr, process_.id());
}

bool ProgramUnderTest::AnotherEndsSilently(const wchar_t* executable) {
    const HANDLE second = StartAnother(executable);
    DWORD code = STILL_ACTIVE;
    return second != nullptr && ::WaitForSingleObject(second, 15000) == WAIT_OBJECT_0 &&
           ::GetExitCodeProcess(second, &code) && code == 0;
}

std::wstring ProgramFolder() {
    return FolderFrom(L"SUITE_PROGRAM_FOLDER", kSuiteProgramFolder);
}
std::wstring SourceFolder() {
    return FolderFrom(L"SUITE_SOURCE_FOLDER", kSuiteSourceFolder);
}
std::wstring ScreenshotFolder() {
    return FolderFrom(L"SUITE_SCREENSHOT_FOLDER", kSuiteScreenshotFolder);
}

}  // namespace testing_support
