#include "frame/program_win32.h"

#include "frame/main_window_win32.h"
#include "frame/write_failure_box_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/precision_timer_win32.h"
#include "runtime/ole_session_win32.h"
#include "runtime/unique_handle_win32.h"

namespace frame {

namespace {

// Without an owner the box is task-modal, as the write-failure box.
void ShowStartFailure(const StartFailure& failure) {
    ::MessageBoxW(nullptr, StartFailureText(failure).c_str(), kStartFailureTitle,
                  MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

int RunProgram(const ProgramVariant& variant, int showCommand) {
    const runtime::OleSession ole;
    WriteFailureBox prompt;
    ParamModule params(*variant.schema, prompt);
    params.LoadParams();

    const runtime::UniqueKernelHandle instance(
        ::CreateMutexW(nullptr, FALSE, variant.instanceName));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;  // another copy runs: end without a word
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
