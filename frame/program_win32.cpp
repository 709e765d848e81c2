#include "frame/program_win32.h"

#include "frame/main_window_win32.h"
#include "frame/write_failure_box_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/precision_timer_win32.h"
#include "runtime/unique_handle_win32.h"

namespace frame {

namespace {

// Without an owner the box is task-modal, as the write-failure box.
void ShowStartFailure(const StartFailure& failure) {
    ::MessageBoxW(nullptr, StartFailureText(failure).c_str(), kStartFailureTitle,
                  MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

// The single-instance mutex, held for the program's life, and whether another copy runs.
struct InstanceClaim {
    runtime::UniqueKernelHandle mutex;
    bool anotherCopyRuns = false;
};

InstanceClaim ClaimInstance(const wchar_t* name) {
    InstanceClaim claim{runtime::UniqueKernelHandle(::CreateMutexW(nullptr, FALSE, name))};
    const DWORD error = ::GetLastError();
    // An existing name is opened with MUTEX_ALL_ACCESS ("CreateMutexW function"), which the
    // mutex of a copy running elevated or as another user does not grant: that copy runs
    // all the same. Any other failure (no resources; the name taken by an object of another
    // kind, ERROR_INVALID_HANDLE) says nothing of another copy, and the program runs without
    // the guard rather than refuse to start.
    claim.anotherCopyRuns =
        claim.mutex ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
    return claim;
}

}  // namespace

int RunProgram(const ProgramVariant& variant, int showCommand) {
    WriteFailureBox prompt;
    ParamModule params(*variant.schema, prompt);
    params.LoadParams();

    const InstanceClaim instance = ClaimInstance(variant.instanceName);
    if (instance.anotherCopyRuns) {
        return 0;  // end without a word, writing nothing
    }

    MainWindow main(variant, params);
    if (const std::optional<StartFailure> failure = main.Open(showCommand)) {
        ShowStartFailure(*failure);
        return 1;
    }
    MSG message;
    while (runtime::GetMessageOrTick(&message) > 0) {
        // The hotkeys run their actions outside any window procedure, so they get a
        // boundary of their own; a key whose action failed is not passed on.
        if (runtime::GuardMessage([&] { return main.TranslateHotkey(message); },
                                  [] { return true; })) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace frame
