#include "testing/input_driver_win32.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "testing/window_driver_win32.h"

namespace testing_support {

namespace {

void Send(INPUT input) {
    ::SendInput(1, &input, sizeof(input));
}

INPUT Key(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Button(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Lets the input reach the windows before the next step.
void Settle() {
    ::Sleep(30);
}

// Lets this thread's windows handle the input before the next step.
void HandleHere(DWORD waitMs) {
    ::Sleep(waitMs);
    PumpMessages();
}

}  // namespace

void PressLeftButton() {
    Send(Button(MOUSEEVENTF_LEFTDOWN));
    ::Sleep(40);
}

void ReleaseLeftButton() {
    Send(Button(MOUSEEVENTF_LEFTUP));
    ::Sleep(40);
}

bool MoveCursor(int x, int y) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        ::SetCursorPos(x, y);
        POINT at;
        if (::GetCursorPos(&at) && at.x == x && at.y == y) {
            Settle();
            return true;
        }
        ::Sleep(20);  // Wine's desktop may still be starting
    }
    return false;
}

void Click() {
    Send(Button(MOUSEEVENTF_LEFTDOWN));
    Send(Button(MOUSEEVENTF_LEFTUP));
    Settle();
}

bool ClickAt(int x, int y) {
    if (!MoveCursor(x, y)) {
        return false;
    }
    Click();
    return true;
}

void PressKeys(std::initializer_list<WORD> keys) {
    PressKeys(std::vector<WORD>(keys));
}

void PressKeys(const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        Send(Key(key, false));
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        Send(Key(*it, true));
    }
    Settle();
}

bool Drag(POINT from, POINT to, int steps) {
    if (!MoveCursor(from.x, from.y)) {
        return false;
    }
    Send(Button(MOUSEEVENTF_LEFTDOWN));
    Settle();
    bool reached = true;
    for (int step = 1; step <= steps; ++step) {
        const int x = from.x + (to.x - from.x) * step / steps;
        const int y = from.y + (to.y - from.y) * step / steps;
        reached = MoveCursor(x, y) && reached;
    }
    Send(Button(MOUSEEVENTF_LEFTUP));
    Settle();
    return reached;
}

Mouse::~Mouse() {
    for (auto flag = held_.rbegin(); flag != held_.rend(); ++flag) {
        Send(Button(*flag << 1));  // each MOUSEEVENTF_xDOWN has its UP at the next bit
    }
    PumpMessages();
}

bool Mouse::MoveTo(POINT screen) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = Button(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = static_cast<LONG>((screen.x * 65536LL + width - 1) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536LL + height - 1) / height);
    Send(input);
    const bool arrived = WaitUntil(
        [&] {
            POINT now = {};
            ::GetCursorPos(&now);
            return now.x == screen.x && now.y == screen.y;
        },
        std::chrono::seconds(2));
    HandleHere(20);  // the move message follows the position
    return arrived;
}

void Mouse::Press(DWORD downFlag) {
    Send(Button(downFlag));
    held_.push_back(downFlag);
    HandleHere(10);
}

void Mouse::Release(DWORD upFlag) {
    Send(Button(upFlag));
    if (const auto down = std::find(held_.begin(), held_.end(), upFlag >> 1); down != held_.end()) {
        held_.erase(down);
    }
    HandleHere(10);
}

}  // namespace testing_support
