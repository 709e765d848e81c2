#include "tapnor/tapnor_work_win32.h"

#include "tapnor/tapnor_settings.h"

namespace tapnor {

void TapnorWork::Start() {
    clicks_.Start(ReadClickSettings(store_));
}

void TapnorWork::Stop() {
    clicks_.Stop();
}

void TapnorWork::ApplySettings() {
    clicks_.ApplySettings(ReadClickSettings(store_));
}

void TapnorWork::Close() {
    clicks_.Close();
}

}  // namespace tapnor
