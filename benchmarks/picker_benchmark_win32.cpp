// How long the range picker takes from the press of its button to standing on the screen
// (capture, window, first paint), and how many outlines a drag move draws.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "clicker/range_picker_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point gShown;
bool gPainted = false;

// Notes the end of the picker's first paint.
LRESULT CALLBACK AfterPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_PAINT && !gPainted) {
        ::GdiFlush();
        gShown = Clock::now();
        gPainted = true;
    }
    return result;
}

// Watches for the picker's window being made on this thread.
LRESULT CALLBACK OnCreate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!IS_INTRESOURCE(create->lpcs->lpszClass) &&
            std::wstring(create->lpcs->lpszClass) == clicker::RangePicker::kClassName) {
            ::SetWindowSubclass(reinterpret_cast<HWND>(wParam), &AfterPaint, 1, 0);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void Send(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

}  // namespace

int wmain() {
    ::CoInitialize(nullptr);
    const HWND dialog = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 100, 40,
                                          nullptr, nullptr, nullptr, nullptr);
    const runtime::UniqueHook hook(
        ::SetWindowsHookExW(WH_CBT, &OnCreate, nullptr, ::GetCurrentThreadId()));
    clicker::RangePicker picker;
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);

    constexpr int kRounds = 8;
    constexpr int kMoves = 20;
    std::vector<double> openMs;
    std::vector<double> outlinesPerMove;
    for (int round = 0; round < kRounds; ++round) {
        gPainted = false;
        // A driver thread drags once the picker stands, then lets go, which closes it.
        std::thread driver([&] {
            for (int wait = 0; !gPainted && wait < 2000; ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            ::SetCursorPos(width / 4, height / 4);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            Send(MOUSEEVENTF_LEFTDOWN);
            for (int move = 1; move <= kMoves; ++move) {
                std::this_thread::sleep_for(std::chrono::milliseconds(15));
                ::SetCursorPos(width / 4 + move * 7, height / 4 + move * 5);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            Send(MOUSEEVENTF_LEFTUP);
        });
        const Clock::time_point pressed = Clock::now();
        picker.PickRange(dialog);
        driver.join();
        openMs.push_back(std::chrono::duration<double, std::milli>(gShown - pressed).count());
        // Moves seen by the picker are those of the drag (the press's own move is not one).
        outlinesPerMove.push_back(static_cast<double>(picker.outlinesDrawn()) / kMoves);
    }

    std::sort(openMs.begin(), openMs.end());
    std::printf(
        "range picker on %d x %d: press to shown median %.1f ms, best %.1f ms, worst %.1f ms"
        " (%d openings); outlines per drag move %.2f\n",
        width, height, openMs[openMs.size() / 2], openMs.front(), openMs.back(), kRounds,
        outlinesPerMove.back());
    ::DestroyWindow(dialog);
    ::CoUninitialize();
    return 0;
}
