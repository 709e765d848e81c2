#pragma once

#include <windows.h>

#include <string>

#include "testing/program_under_test_win32.h"

namespace benchmarks {

// Tapnor's settings for a measured run.
struct TapnorSetup {
    const wchar_t* executable = L"Tapnor.exe";  // or its timed twin, TapnorTimed.exe
    int intervalMs = 1;
    RECT range = {};
    bool pressesTab = false;
    bool walksCursor = false;
};

// The real program from a folder of its own, driven as a person would: its settings file sets
// the interval, the range, Tab and the walk; the dialog is dismissed with Escape, and a click
// on the status button starts and stops it (a click needs no focus, which the clicked target
// takes).
class TapnorDriver {
  public:
    explicit TapnorDriver(const TapnorSetup& setup);
    TapnorDriver(const TapnorDriver&) = delete;
    TapnorDriver& operator=(const TapnorDriver&) = delete;

    // Its main window stands with its buttons.
    bool ready() const { return main_ != nullptr; }
    DWORD processId() const { return program_.processId(); }
    // Where its executable was copied to and started from.
    std::wstring executablePath() const { return program_.PathOf(executable_); }
    // Starts or stops clicking; true once the options button shows the state.
    bool SetRunning(bool running) const;

  private:
    const wchar_t* executable_;
    testing_support::ProgramUnderTest program_;
    HWND main_ = nullptr;
};

}  // namespace benchmarks
