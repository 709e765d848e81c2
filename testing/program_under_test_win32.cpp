#include "testing/program_under_test_win32.h"

#include <stdexcept>

#include "testing/suite_paths.h"
#include "testing/window_driver_win32.h"

namespace testing_support {

namespace {

HANDLE Launch(const std::wstring& folder, const std::wstring& path, PROCESS_INFORMATION& info) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        return nullptr;
    }
    ::CloseHandle(info.hThread);
    info.hThread = nullptr;
    return info.hProcess;
}

void End(HANDLE process) {
    if (process != nullptr) {
        if (::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process, 99);
            ::WaitForSingleObject(process, 5000);
        }
        ::CloseHandle(process);
    }
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

ProgramUnderTest::~ProgramUnderTest() {
    for (HANDLE other : others_) {
        End(other);
    }
    End(process_.hProcess);
}

bool ProgramUnderTest::Start(const wchar_t* executable) {
    return Launch(folder(), PathOf(executable), process_) != nullptr;
}

HANDLE ProgramUnderTest::StartAnother(const wchar_t* executable) {
    PROCESS_INFORMATION info{};
    HANDLE process = Launch(folder(), PathOf(executable), info);
    if (process != nullptr) {
        others_.push_back(process);
    }
    return process;
}

bool ProgramUnderTest::HasExited(std::chrono::milliseconds wait) const {
    return ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(wait.count())) ==
           WAIT_OBJECT_0;
}

DWORD ProgramUnderTest::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

HWND ProgramUnderTest::WaitForWindow(const std::wstring& title,
                                     std::chrono::milliseconds timeout) const {
    return testing_support::WaitForWindow(title, timeout, nullptr, process_.dwProcessId);
}

bool ProgramUnderTest::AnotherEndsSilently(const wchar_t* executable) {
    const HANDLE second = StartAnother(executable);
    DWORD code = STILL_ACTIVE;
    return second != nullptr && ::WaitForSingleObject(second, 15000) == WAIT_OBJECT_0 &&
           ::GetExitCodeProcess(second, &code) && code == 0;
}

std::wstring ProgramFolder() {
    return kSuiteProgramFolder;
}
std::wstring SourceFolder() {
    return kSuiteSourceFolder;
}

}  // namespace testing_support
