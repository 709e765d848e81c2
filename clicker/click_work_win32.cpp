#include "clicker/click_work_win32.h"

#include <chrono>

namespace clicker {

ClickWork::ClickWork(HWND mainWindow) : system_(mainWindow), engine_(*system_, *this) {}

ClickWork::ClickWork(ClickPlatform& platform) : engine_(platform, *this) {}

void ClickWork::StartDelayTimer(std::uint32_t milliseconds) {
    delayTimer_.Start(std::chrono::milliseconds(milliseconds), true);
}

void ClickWork::StopDelayTimer() {
    delayTimer_.Stop();
}

void ClickWork::StartClickTimer(std::uint32_t milliseconds) {
    clickTimer_.Start(std::chrono::milliseconds(milliseconds));
}

void ClickWork::StopClickTimer() {
    clickTimer_.Stop();
}

}  // namespace clicker
