#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "testing/child_process_win32.h"
#include "testing/temporary_folder_win32.h"

namespace testing_support {

// A copy of a program with its files in a fresh folder of its own (so that its settings
// file is the test's), started as a person would start it, and ended by its process
// handle when the test is over.
class ProgramUnderTest {
  public:
    // Copies the named files from the build's program folder.
    ProgramUnderTest(std::wstring_view folderName, std::initializer_list<const wchar_t*> files);
    // Copies them from another folder (an unpacked package).
    ProgramUnderTest(std::wstring_view folderName, const std::wstring& from,
                     std::initializer_list<const wchar_t*> files);
    // The program where it is (an installed copy); the folder is left as it is.
    static ProgramUnderTest InPlace(const std::wstring& folder) { return ProgramUnderTest(folder); }
    ~ProgramUnderTest() = default;
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    const std::wstring& folder() const { return folder_ ? folder_->path() : place_; }
    std::wstring PathOf(std::wstring_view file) const {
        return folder() + L"\\" + std::wstring(file);
    }

    // Starts the executable (one of the copied files); false when it cannot start.
    bool Start(const wchar_t* executable);
    // Another start of the same copy, as a second instance; its process handle.
    HANDLE StartAnother(const wchar_t* executable);
    // Starts another copy and waits for it: true when it ended by itself with exit code 0.
    bool AnotherEndsSilently(const wchar_t* executable);

    DWORD processId() const { return process_.id(); }
    bool HasExited(std::chrono::milliseconds wait) const;
    DWORD ExitCode() const;

    // A visible top-level window of the program with this title.
    HWND WaitForWindow(const std::wstring& title, std::chrono::milliseconds timeout) const;

  private:
    explicit ProgramUnderTest(const std::wstring& place) : place_(place) {}

    std::optional<TemporaryFolder> folder_;
    std::wstring place_;
    ChildProcess process_;
    std::vector<ChildProcess> others_;
};

// Where the build put the programs (Tapnor.exe, Fendle.exe, Sleekon.ocx).
std::wstring ProgramFolder();
// The source tree, for the artwork the pictures are compared with.
std::wstring SourceFolder();
// Where the screenshots are kept (the README's pictures come from there).
std::wstring ScreenshotFolder();

}  // namespace testing_support
