#include "tapnor/tapnor_work_win32.h"

#include <memory>

namespace tapnor {

TapnorWork::TapnorWork(HWND mainWindow, const frame::ParamStore& store)
    : settings_(store), clicks_(mainWindow, std::make_unique<TapnorSettings>(store)) {}

void TapnorWork::Start() {
    clicks_.Start();
    running_ = true;
    ApplySettings();
}

void TapnorWork::Stop() {
    clicks_.Stop();
    running_ = false;
    ApplySettings();
}

void TapnorWork::Close() {
    clicks_.Close();
    running_ = false;
    outline_.Hide();
}

void TapnorWork::ApplySettings() {
    if (running_ && settings_.ShowsRange()) {
        outline_.Show(settings_.Range());
    } else {
        outline_.Hide();
    }
}

}  // namespace tapnor
