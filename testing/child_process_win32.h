#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "runtime/unique_handle_win32.h"

namespace testing_support {

struct StartOptions {
    std::wstring folder;  // the working folder; empty: this process's
    DWORD flags = 0;      // CreateProcess's creation flags
    // Inheritable handles that receive the program's output and error output; null: this
    // process's own.
    HANDLE output = nullptr;
    HANDLE errors = nullptr;
    // The caller waits for the program's end anyway, so Start watches its whole first
    // second; otherwise only until the program waits for input (a windowed program).
    bool runsToItsEnd = false;
};

// A program a test started, ended when it goes if it is still running. Every process a
// test starts comes through Start, which starts it again when the start failed before
// the program's own code ran (ShouldStartAgain in testing/start_check.h).
class ChildProcess {
  public:
    ChildProcess() = default;
    // The command line names the program first, in quotes when its path has blanks. An
    // empty ChildProcess when every start failed.
    static ChildProcess Start(std::wstring commandLine, const StartOptions& options = {});

    explicit operator bool() const { return static_cast<bool>(process_); }
    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }
    // True when the program has ended, waiting for it at most so long.
    bool Ended(std::chrono::milliseconds wait) const;
    DWORD ExitCode() const;  // STILL_ACTIVE while it runs
    void End();              // ends it now, unless it has ended

    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ~ChildProcess() { End(); }

  private:
    runtime::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

// Runs the command line to its end: its exit code, or ~0 when it did not start or had not
// ended within the timeout (it is ended then).
DWORD RunToEnd(const std::wstring& commandLine, std::chrono::milliseconds timeout,
               const StartOptions& options = {});

}  // namespace testing_support
