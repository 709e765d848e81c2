#include "runtime/precision_timer_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "runtime/window_base_win32.h"

// Which deadline comes, and to whom, is DeadlineGrid's arithmetic (deadline_grid_test.cpp);
// this checks that the real timer's ticks reach a real window through both of its loops.
namespace runtime {
namespace {

constexpr UINT kTickMessage = WM_APP + 1;

// A message-only window that accepts each tick and notes its deadline.
class TickWindow : public WindowBase<TickWindow> {
  public:
    static constexpr const wchar_t* kClassName = L"SuitePrecisionTimerTest";

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != kTickMessage || !timer.Accept(lParam)) {
            return DefaultHandling(message, wParam, lParam);
        }
        deadlines.push_back(timer.acceptedDeadline());
        return 0;
    }

    const HWND handle =
        RegisterClassOnce(::GetModuleHandleW(nullptr))
            ? CreateWindowHandle(::GetModuleHandleW(nullptr), 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE)
            : nullptr;
    PrecisionTimer timer{handle, kTickMessage, 7};
    std::vector<std::int64_t> deadlines;
};

// Runs the thread's message loop until the quit message of a window timer `ms` on: its own
// loop, or another, as a modal one, whose ticks are only those the worker posts.
enum class Loop { Own, Modal };
void RunLoop(Loop loop, UINT ms) {
    ::SetTimer(nullptr, 0, ms, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::PostQuitMessage(0);
    });
    MSG message;
    while ((loop == Loop::Own ? GetMessageOrTick(&message)
                              : ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
        ::DispatchMessageW(&message);
    }
}

TEST(PrecisionTimerTest, TicksReachTheWindowThroughEitherLoopOnceEachUntilStop) {
    TickWindow window;
    window.timer.Start(std::chrono::milliseconds{10});
    RunLoop(Loop::Own, 300);
    const std::size_t byOwnLoop = window.deadlines.size();
    RunLoop(Loop::Modal, 300);
    ::Sleep(30);  // a tick waits in the queue, unhandled, when the timer stops
    window.timer.Stop();
    const std::size_t beforeStop = window.deadlines.size();
    RunLoop(Loop::Modal, 50);

    EXPECT_GE(byOwnLoop, 5u);
    EXPECT_GE(beforeStop - byOwnLoop, 5u);
    EXPECT_EQ(window.deadlines.size(), beforeStop);
    // Whichever loop delivered it, every deadline came once and in order.
    EXPECT_EQ(std::ranges::adjacent_find(window.deadlines, std::greater_equal<>()),
              window.deadlines.end());
}

}  // namespace
}  // namespace runtime
