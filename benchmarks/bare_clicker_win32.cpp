// The platform's ceiling for a clicker: a process that does nothing but click, from a thread
// that waits on a high-resolution waitable timer for absolute deadlines (start + n × interval)
// and runs no message loop. It keeps the programs' timer's rule for deadlines that pass while
// a click is still going out: they make one click at once when it is done, never a burst, so
// that a click that takes longer than the interval is followed at once by the next. It clicks
// with mouse_event down and up, or with one SendInput call carrying both, and ends after the
// given time. With `window` its thread first makes a hidden window, as a program's
// user-interface thread has: the same clicker, but sending its input from a thread with
// windows. It pumps no messages for it; nothing sends it any during a run of a few seconds.
//
//   bare_clicker.exe <interval ms> <run ms> [sendinput | window]
#include <windows.h>

#include <cstdint>
#include <cwchar>

#include "runtime/unique_handle_win32.h"

namespace {

std::int64_t Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void ClickWithMouseEvents() {
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void ClickWithOneSendInput() {
    INPUT click[2] = {};
    click[0].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].type = INPUT_MOUSE;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof(INPUT));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        return 2;
    }
    const long intervalMs = std::wcstol(argv[1], nullptr, 10);
    const long runMs = std::wcstol(argv[2], nullptr, 10);
    const bool oneSendInput = argc > 3 && std::wcscmp(argv[3], L"sendinput") == 0;
    const bool withWindow = argc > 3 && std::wcscmp(argv[3], L"window") == 0;
    if (intervalMs <= 0 || runMs <= 0) {
        return 2;
    }
    const runtime::UniqueWindow window(withWindow ? ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP,
                                                                      0, 0, 1, 1, nullptr, nullptr,
                                                                      nullptr, nullptr)
                                                  : nullptr);
    if (withWindow && !window) {
        return 1;
    }
    const runtime::UniqueKernelHandle timer(
        ::CreateWaitableTimerExW(nullptr, nullptr, 0x2 /* HIGH_RESOLUTION */, TIMER_ALL_ACCESS));
    if (!timer) {
        return 1;
    }
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    const std::int64_t period = intervalMs * frequency.QuadPart / 1000;
    const std::int64_t start = Now();
    const std::int64_t end = start + runMs * frequency.QuadPart / 1000;
    std::int64_t deadline = start + period;
    while (deadline < end) {
        const std::int64_t remaining = deadline - Now();
        if (remaining > 0) {
            LARGE_INTEGER due;  // relative, in 100 ns units; the deadline itself is absolute
            due.QuadPart = -(remaining * 10000000 / frequency.QuadPart + 1);
            ::SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE);
            ::WaitForSingleObject(timer.get(), INFINITE);
            if (Now() < deadline) {
                continue;
            }
        }
        if (oneSendInput) {
            ClickWithOneSendInput();
        } else {
            ClickWithMouseEvents();
        }
        const std::int64_t now = Now();
        deadline =
            now - deadline >= period ? start + (now - start) / period * period : deadline + period;
    }
    return 0;
}
