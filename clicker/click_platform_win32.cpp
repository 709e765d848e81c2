#include "clicker/click_platform_win32.h"

#include "runtime/keep_on_top_win32.h"

namespace clicker {

// Looking at the z-order asks the window manager (under Wine, a round trip to its server):
// at 1 ms that would be a twentieth of every period. Another window seldom comes above the
// main window, so the look is taken at most every 10 ms (on Windows the tick count steps by
// 10 to 16 ms, "GetTickCount64 function", so there every step): a window that covers the main
// window stands there no longer than that.
void SystemClickPlatform::KeepMainWindowOnTop() {
    constexpr ULONGLONG kLookEveryMs = 10;
    const ULONGLONG now = ::GetTickCount64();
    if (now - lastOnTopCheck_ < kLookEveryMs) {
        return;
    }
    lastOnTopCheck_ = now;
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
