#include "clicker/click_work_win32.h"

#include <utility>

#include "runtime/keep_on_top_win32.h"

namespace clicker {

ClickWork::ClickWork(HWND mainWindow, std::unique_ptr<const ClickSettings> settings)
    : mainWindow_(mainWindow),
      settings_(std::move(settings)),
      delayTimer_(mainWindow, kTickMessage, kDelayTimer),
      clickTimer_(mainWindow, kTickMessage, kClickTimer),
      engine_(*settings_, *this) {}

bool ClickWork::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kTickMessage) {
        return false;
    }
    if (wParam == kDelayTimer && delayTimer_.Accept(lParam)) {
        engine_.OnStartDelayTick();
    } else if (wParam == kClickTimer && clickTimer_.Accept(lParam)) {
        engine_.OnClickTick();
    }
    return true;
}

void ClickWork::KeepMainWindowOnTop() {
    runtime::KeepOnTop(mainWindow_);
}

void ClickWork::PressTab() {
    tab_.Press();
}

void ClickWork::ReleaseTab() {
    tab_.Release();
}

std::optional<CursorPosition> ClickWork::ReadCursor() {
    POINT point;
    if (!::GetCursorPos(&point)) {
        return std::nullopt;
    }
    return CursorPosition{point.x, point.y};
}

void ClickWork::ClickLeftButton() {
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void ClickWork::MoveCursor(CursorPosition position) {
    ::SetCursorPos(position.x, position.y);
}

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
