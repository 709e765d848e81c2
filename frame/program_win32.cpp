#include "frame/program_win32.h"

#include <ole2.h>

#include "frame/main_window_win32.h"
#include "frame/write_failure_box_win32.h"
#include "runtime/unique_handle_win32.h"

namespace frame {

namespace {

class OleSession {
  public:
    OleSession() : initialized_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialized_) {
            ::OleUninitialize();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool initialized_;
};

}  // namespace

int RunProgram(const ProgramVariant& variant, int showCommand) {
    const OleSession ole;
    WriteFailureBox prompt;
    ParamModule params(*variant.schema, prompt);
    params.LoadParams();

    const runtime::UniqueKernelHandle instance(
        ::CreateMutexW(nullptr, FALSE, variant.instanceName));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;  // another copy runs: end without a word
    }

    MainWindow main(variant, params);
    if (!main.Open(showCommand)) {
        return 1;
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (main.TranslateHotkey(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace frame
