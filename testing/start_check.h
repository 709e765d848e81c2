#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace testing_support {

// A program the tests start is started again when its start failed before the program's
// own code ran, at most this many times in all: under Wine a start can fail now and then
// (cmake/wine-exec says why), and that is not the program's verdict.
inline constexpr int kStartAttempts = 3;
inline constexpr std::chrono::milliseconds kFirstSecond{1000};

// What one start came to, once the program has ended or passed its first second.
struct StartOutcome {
    bool created = false;  // CreateProcess made the process
    bool endedInFirstSecond = false;
    std::uint32_t exitCode = 0;       // when it ended
    std::optional<bool> wroteOutput;  // when its output was captured
};

// Whether the start failed before the program's own code ran:
// - CreateProcess failed. Wine's CreateProcess waits until the new process has set itself
//   up and fails when it died first (its "shared user data" could not be mapped, say).
// - The process ended within its first second with a status of the system's loader
//   (0xC0000000 and up, such as STATUS_DLL_INIT_FAILED) as its exit code.
// - Its output was captured, and it ended within its first second with a non-zero exit code
//   without writing a byte (cmake/wine-exec's own rule).
// A program's own verdicts are small exit codes, or output: they are never started again.
bool ShouldStartAgain(const StartOutcome& outcome);

}  // namespace testing_support
