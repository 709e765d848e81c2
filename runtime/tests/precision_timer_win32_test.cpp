#include "runtime/precision_timer_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// Which deadline comes, and to whom, is DeadlineGrid's arithmetic (deadline_grid_test.cpp);
// this checks that the real timer's ticks run on its thread through both of its loops.
namespace runtime {
namespace {

// A timer that notes the deadline of each tick it runs.
struct Ticks {
    PrecisionTimer timer{[this] { deadlines.push_back(timer.acceptedDeadline()); }};
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

TEST(PrecisionTimerTest, TicksRunThroughEitherLoopOnceEachUntilStop) {
    Ticks ticks;
    ticks.timer.Start(std::chrono::milliseconds{10});
    RunLoop(Loop::Own, 300);
    const std::size_t byOwnLoop = ticks.deadlines.size();
    RunLoop(Loop::Modal, 300);
    ::Sleep(30);  // a tick waits in the queue, unhandled, when the timer stops
    ticks.timer.Stop();
    const std::size_t beforeStop = ticks.deadlines.size();
    RunLoop(Loop::Modal, 50);

    EXPECT_GE(byOwnLoop, 5u);
    EXPECT_GE(beforeStop - byOwnLoop, 5u);
    EXPECT_EQ(ticks.deadlines.size(), beforeStop);
    // Whichever loop delivered it, every deadline came once and in order.
    EXPECT_EQ(std::ranges::adjacent_find(ticks.deadlines, std::greater_equal<>()),
              ticks.deadlines.end());
}

}  // namespace
}  // namespace runtime
