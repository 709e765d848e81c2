#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "runtime/unique_handle_win32.h"

namespace benchmarks {

// The Win32 calls of Tapnor's start-up and tick that the timed twin of Tapnor
// (tapnor_timed_win32) takes the time of, through its own import table: what each step of
// the program costs, measured around the real program's own calls and nothing else.
enum class Call : std::uint32_t {
    OleInitialize,
    CreateFileW,  // detail: 1 for the settings file
    CreateMutexW,
    CreateWindowExW,
    LoadLibraryExW,
    LoadImageW,
    CoCreateInstance,
    OleCreatePictureIndirect,
    LoadTypeLibEx,  // called by Sleekon.ocx
    DialogBoxIndirectParamW,
    SetWaitableTimer,  // detail: the deadline it arms, in counter counts
    MsgWaitForMultipleObjectsEx,
    WaitForMultipleObjects,
    PostMessageW,
    PeekMessageW,  // detail: 1 when it took a message
    DispatchMessageW,
    IsWindowVisible,
    GetWindowLongPtrW,
    GetWindow,
    GetWindowRect,
    SetWindowPos,
    keybd_event,
    GetCursorPos,
    SendInput,
    mouse_event,
    SetCursorPos,
    kCount
};

inline constexpr std::array<const char*, static_cast<std::size_t>(Call::kCount)> kCallNames = {
    "OleInitialize",
    "CreateFileW",
    "CreateMutexW",
    "CreateWindowExW",
    "LoadLibraryExW",
    "LoadImageW",
    "CoCreateInstance",
    "OleCreatePictureIndirect",
    "LoadTypeLibEx",
    "DialogBoxIndirectParamW",
    "SetWaitableTimer",
    "MsgWaitForMultipleObjectsEx",
    "WaitForMultipleObjects",
    "PostMessageW",
    "PeekMessageW",
    "DispatchMessageW",
    "IsWindowVisible",
    "GetWindowLongPtrW",
    "GetWindow",
    "GetWindowRect",
    "SetWindowPos",
    "keybd_event",
    "GetCursorPos",
    "SendInput",
    "mouse_event",
    "SetCursorPos",
};

// One call: which, on which thread, when it was entered and left (performance-counter
// counts; left 0 while it has not returned), and what the call adds (see Call). Records
// stand in the order the calls were entered.
struct CallRecord {
    Call call;
    DWORD thread;
    std::int64_t enter;
    std::int64_t leave;
    std::int64_t detail;
};

// The memory the twin shares with the benchmark that starts it; count only grows.
struct CallTimeline {
    static constexpr const wchar_t* kName = L"Local\\SuiteCallTimeline";
    static constexpr LONG kCapacity = 1 << 20;

    volatile LONG count;
    std::int64_t entered;  // when the program's entry point ran
    DWORD mainThread;      // the user-interface thread
    CallRecord records[kCapacity];
};

// The benchmark's side: the timeline it shares with the twins it starts, emptied.
class SharedCallTimeline {
  public:
    SharedCallTimeline();
    SharedCallTimeline(const SharedCallTimeline&) = delete;
    SharedCallTimeline& operator=(const SharedCallTimeline&) = delete;

    CallTimeline* get() const { return timeline_; }
    void Clear();

  private:
    runtime::UniqueKernelHandle mapping_;
    runtime::UniqueMappedView view_;
    CallTimeline* timeline_ = nullptr;
};

// In the twin: takes the time of the calls above made through the executable's imports, and
// of those Sleekon.ocx makes once it is loaded, into the benchmark's timeline. False when
// the benchmark made none.
bool StartCallTimeline();

}  // namespace benchmarks
