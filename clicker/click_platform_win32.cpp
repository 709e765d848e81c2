#include "clicker/click_platform_win32.h"

#include "runtime/keep_on_top_win32.h"

namespace clicker {

void SystemClickPlatform::KeepMainWindowOnTop() {
    runtime::KeepOnTop(mainWindow_);
}

void SystemClickPlatform::PressTab() {
    tab_.Press();
}

void SystemClickPlatform::ReleaseTab() {
    tab_.Release();
}

std::optional<CursorPosition> SystemClickPlatform::ReadCursor() {
    POINT point;
    if (!::GetCursorPos(&point)) {
        return std::nullopt;
    }
    return CursorPosition{point.x, point.y};
}

// The press and the release in one call: SendInput puts its events into the input stream
// one after the other, with no other input between them (Microsoft's "SendInput function").
// Neither moves the cursor, so the click lands where it stands.
void SystemClickPlatform::ClickLeftButton() {
    INPUT click[2] = {};
    click[0].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].type = INPUT_MOUSE;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof(INPUT));
}

void SystemClickPlatform::MoveCursor(CursorPosition position) {
    ::SetCursorPos(position.x, position.y);
}

}  // namespace clicker
