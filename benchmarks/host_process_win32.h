#pragma once

#include <optional>
#include <string>

namespace benchmarks {

// A program under Wine as the host's kernel sees it, read through Wine's drive Z: (the host's
// root). Wine does not report another process's processor time or memory (GetProcessTimes
// counts a fraction, GetProcessMemoryInfo and GetProcessHandleCount give zeros), and the
// kernel's figures are what the program costs this machine.
class HostProcess {
  public:
    // The process whose command line begins with this Windows path of its executable.
    static std::optional<HostProcess> Find(const std::wstring& executablePath);

    // Processor time of all its threads so far, in ms (nanosecond resolution).
    double ProcessorMs() const;

    struct Memory {
        long residentKiB = 0;   // VmRSS
        long anonymousKiB = 0;  // RssAnon: its own memory, not mapped files
        long threads = 0;
    };
    Memory ReadMemory() const;

  private:
    explicit HostProcess(std::wstring folder) : folder_(std::move(folder)) {}
    std::wstring folder_;  // Z:\proc\<pid>
};

}  // namespace benchmarks
