#include "testing/child_process_win32.h"

#include <cstdio>

#include "testing/start_check.h"

namespace testing_support {

namespace {

LONGLONG SizeOf(HANDLE file) {
    LARGE_INTEGER size = {};
    return file != nullptr && ::GetFileSizeEx(file, &size) ? size.QuadPart : 0;
}

// Waits until the program is past its start: through its first second, or until it ended
// or waits in its message loop. WaitForInputIdle returns at once for a console program
// (Microsoft's "WaitForInputIdle function (winuser.h)").
void WaitPastStart(HANDLE process, std::chrono::steady_clock::time_point started,
                   bool wholeFirstSecond) {
    const auto left = [&] {
        const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
        return static_cast<DWORD>(spent < kFirstSecond ? (kFirstSecond - spent).count() : 0);
    };
    if (wholeFirstSecond) {
        ::WaitForSingleObject(process, left());
    } else {
        ::WaitForInputIdle(process, left());
    }
}

}  // namespace

ChildProcess ChildProcess::Start(std::wstring commandLine, const StartOptions& options) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    const bool redirected = options.output != nullptr || options.errors != nullptr;
    if (redirected) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = options.output ? options.output : ::GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = options.errors ? options.errors : ::GetStdHandle(STD_ERROR_HANDLE);
    }
    const wchar_t* folder = options.folder.empty() ? nullptr : options.folder.c_str();
    for (int attempt = 1;; ++attempt) {
        const LONGLONG written = SizeOf(options.output);
        const auto started = std::chrono::steady_clock::now();
        PROCESS_INFORMATION info = {};
        StartOutcome outcome;
        outcome.created =
            ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, redirected,
                             options.flags, nullptr, folder, &startup, &info);
        ChildProcess child;
        if (outcome.created) {
            const runtime::UniqueKernelHandle thread(info.hThread);  // not needed
            child.process_.reset(info.hProcess);
            child.id_ = info.dwProcessId;
            WaitPastStart(info.hProcess, started, options.runsToItsEnd);
            outcome.endedInFirstSecond = child.Ended(std::chrono::milliseconds(0)) &&
                                         std::chrono::steady_clock::now() - started < kFirstSecond;
            outcome.exitCode = child.ExitCode();
            if (options.output != nullptr) {
                outcome.wroteOutput = SizeOf(options.output) > written;
            }
        }
        if (!ShouldStartAgain(outcome) || attempt == kStartAttempts) {
            return outcome.created ? std::move(child) : ChildProcess();
        }
        std::fwprintf(stderr, L"%ls: the start failed (%lu), start %d of %d\n", commandLine.c_str(),
                      outcome.created ? outcome.exitCode : ::GetLastError(), attempt + 1,
                      kStartAttempts);
    }
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        End();
        process_ = std::move(other.process_);
        id_ = other.id_;
    }
    return *this;
}

bool ChildProcess::Ended(std::chrono::milliseconds wait) const {
    return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

void ChildProcess::End() {
    if (process_ && !Ended(std::chrono::milliseconds(0))) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

DWORD RunToEnd(const std::wstring& commandLine, std::chrono::milliseconds timeout,
               const StartOptions& options) {
    StartOptions toItsEnd = options;
    toItsEnd.runsToItsEnd = true;
    const ChildProcess child = ChildProcess::Start(commandLine, toItsEnd);
    return child && child.Ended(timeout) ? child.ExitCode() : ~DWORD{0};
}

}  // namespace testing_support
