#include "tapnor/tapnor_work_win32.h"

#include "tapnor/tapnor_settings.h"

namespace tapnor {

void TapnorWork::Start() {
    clicks_.Start(ReadClickSettings(store_));
    running_ = true;
    ShowOrHideOutline();
}

void TapnorWork::Stop() {
    clicks_.Stop();
    running_ = false;
    ShowOrHideOutline();
}

void TapnorWork::ApplySettings() {
    clicks_.ApplySettings(ReadClickSettings(store_));
    ShowOrHideOutline();
}

void TapnorWork::Close() {
    clicks_.Close();
    running_ = false;
    outline_.Hide();
}

void TapnorWork::ShowOrHideOutline() {
    if (running_ && ReadShowsRange(store_)) {
        outline_.Show(ReadClickSettings(store_).range);
    } else {
        outline_.Hide();
    }
}

}  // namespace tapnor
