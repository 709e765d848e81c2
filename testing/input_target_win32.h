#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "testing/child_process_win32.h"
#include "testing/temporary_folder_win32.h"

namespace testing_support {

// The input target program, started for a test: a plain white window at the given place
// that logs every left-button press and release, every key message it receives, and
// every Tab key event of the session.
class InputTarget {
  public:
    explicit InputTarget(const RECT& place);
    InputTarget(const InputTarget&) = delete;
    InputTarget& operator=(const InputTarget&) = delete;

    HWND window() const;
    std::string Log() const;
    // The entries of one kind: "down"/"up" (x, y), "key-down"/"key-up" (key, 0),
    // "hook-down"/"hook-up" (key, injected).
    std::vector<std::pair<long, long>> Entries(const std::string& kind) const;

  private:
    TemporaryFolder folder_{L"input_target"};
    std::wstring log_;
    ChildProcess process_;
};

}  // namespace testing_support
