#include "runtime/precision_timer_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "runtime/unique_handle_win32.h"

// Which deadline comes, and to whom, is DeadlineGrid's arithmetic (deadline_grid_test.cpp);
// this checks that the real timer's ticks run on its thread through both of its loops.
namespace runtime {
namespace {

// A timer that notes the deadline of each tick it runs.
struct Ticks {
    PrecisionTimer timer{[this] { deadlines.push_back(timer.acceptedDeadline()); }};
    std::vector<std::int64_t> deadlines;
};

// The thread's loop gets its quit message from a window timer `ms` on.
void QuitAfter(UINT ms) {
    ::SetTimer(nullptr, 0, ms, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::PostQuitMessage(0);
    });
}

// Runs the thread's message loop until its quit message (QuitAfter): its own loop, or
// another, as a modal one, whose ticks are only those the worker posts.
enum class Loop { Own, Modal };
void RunLoop(Loop loop, UINT ms) {
    QuitAfter(ms);
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

// A message sent from another thread while the timer's thread waits in its own loop, whose
// handling runs a modal loop of 300 ms (as a notification icon's menu does): the ticks that
// come meanwhile.
LRESULT CALLBACK ModalOnSentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    auto& ticks = *reinterpret_cast<Ticks*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    const std::size_t before = ticks.deadlines.size();
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds{300};
    MSG queued;
    while (std::chrono::steady_clock::now() < until) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        while (::PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&queued);
        }
    }
    return static_cast<LRESULT>(ticks.deadlines.size() - before);
}

TEST(PrecisionTimerTest, TicksGoOnInAModalLoopRunFromAMessageSentWhileTheLoopWaits) {
    Ticks ticks;
    const UniqueWindow window(::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                nullptr, nullptr, nullptr));
    ASSERT_NE(window.get(), nullptr);
    ::SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&ticks));
    ::SetWindowLongPtrW(window.get(), GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(&ModalOnSentMessage));
    ticks.timer.Start(std::chrono::milliseconds{10});
    LRESULT inModal = -1;
    std::thread sender([&] {
        ::Sleep(100);
        ::SendMessageTimeoutW(window.get(), WM_APP, 0, 0, SMTO_BLOCK, 5000,
                              reinterpret_cast<DWORD_PTR*>(&inModal));
    });
    RunLoop(Loop::Own, 1000);
    sender.join();
    ticks.timer.Stop();

    EXPECT_GE(inModal, 10);
}

// Ticks longer than the period, so that every next deadline has passed when a tick ends; one
// message whose handling also outlasts the period, so that the worker posts a tick meanwhile.
// Once that tick is taken, the loop runs the ticks again: none reaches the caller as a message.
TEST(PrecisionTimerTest, TheLoopTakesTheTicksBackOnceItTakesATickTheWorkerPosted) {
    int ticks = 0;
    PrecisionTimer timer([&] {
        ++ticks;
        ::Sleep(8);
    });
    timer.Start(std::chrono::milliseconds{5});
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_USER, 0, 0);
    QuitAfter(300);
    int handedOver = 0;  // messages other than the test's own
    MSG message;
    while (GetMessageOrTick(&message) > 0) {
        if (message.message == WM_USER) {
            ::Sleep(12);
        } else if (message.message != WM_TIMER && ++handedOver > 100) {
            break;  // the queue is never empty, so the window timer would never come
        }
        ::DispatchMessageW(&message);
    }
    timer.Stop();

    EXPECT_GE(ticks, 10);
    EXPECT_EQ(handedOver, 0);
}

}  // namespace
}  // namespace runtime
