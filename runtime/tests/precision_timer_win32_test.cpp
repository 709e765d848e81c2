#include "runtime/precision_timer_win32.h"

#include <gtest/gtest.h>

#include <vector>

namespace runtime {
namespace {

using namespace std::chrono_literals;

constexpr UINT kTickMessage = WM_APP + 1;

class PrecisionTimerTest : public ::testing::Test {
  protected:
    PrecisionTimerTest()
        : window_(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr)) {}
    ~PrecisionTimerTest() override { ::DestroyWindow(window_); }

    // Pumps tick messages for a while; returns the generations seen.
    std::vector<LPARAM> Pump(std::chrono::milliseconds duration) {
        std::vector<LPARAM> ticks;
        const auto end = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < end) {
            MSG message;
            while (::PeekMessageW(&message, window_, kTickMessage, kTickMessage, PM_REMOVE)) {
                if (timer.Accept(message.lParam)) {
                    ticks.push_back(message.lParam);
                }
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_POSTMESSAGE);
        }
        return ticks;
    }

    int QueuedTicks() {
        int count = 0;
        MSG message;
        while (::PeekMessageW(&message, window_, kTickMessage, kTickMessage, PM_REMOVE)) {
            ++count;
        }
        return count;
    }

    HWND window_;
    PrecisionTimer timer{window_, kTickMessage, 7};
};

TEST_F(PrecisionTimerTest, TicksAtItsPeriodWhileTheWindowKeepsUp) {
    timer.Start(10ms);
    const auto ticks = Pump(500ms);
    timer.Stop();
    // Deadlines on a fixed grid allow at most 50 ticks in 500 ms, however late the
    // thread wakes; the lower bound only proves that it keeps ticking on a busy machine.
    EXPECT_GE(ticks.size(), 10u);
    EXPECT_LE(ticks.size(), 51u);
}

TEST_F(PrecisionTimerTest, AOneShotTicksExactlyOnce) {
    timer.Start(20ms, true);
    EXPECT_EQ(Pump(200ms).size(), 1u);
    EXPECT_FALSE(timer.running());
}

TEST_F(PrecisionTimerTest, TicksPostedBeforeStopAreRejected) {
    timer.Start(2ms);
    ::Sleep(50);  // ticks wait in the queue, unhandled
    timer.Stop();
    EXPECT_TRUE(Pump(50ms).empty());
}

TEST_F(PrecisionTimerTest, AWindowThatFallsBehindGetsOneTickNotABurst) {
    timer.Start(5ms);
    ::Sleep(200);  // forty deadlines pass while the window does not pump
    EXPECT_EQ(QueuedTicks(), 1);
    EXPECT_GE(timer.skippedTicks(), 20u);
    timer.Stop();
}

TEST_F(PrecisionTimerTest, ARestartBeginsAFreshRun) {
    timer.Start(5ms);
    ::Sleep(30);
    timer.Start(1000ms);  // the queued tick of the first run is stale now
    EXPECT_TRUE(Pump(100ms).empty());
    timer.Stop();
}

// A window whose procedure accepts each tick and notes its deadline.
struct TickLog {
    PrecisionTimer* timer = nullptr;
    std::vector<std::int64_t> deadlines;
    int early = 0;  // ticks handled before their deadline
};

LRESULT CALLBACK LoggingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<TickLog*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kTickMessage && log != nullptr && log->timer->Accept(lParam)) {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        log->deadlines.push_back(log->timer->acceptedDeadline());
        log->early += now.QuadPart < log->deadlines.back() ? 1 : 0;
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST(PrecisionTimerLoopTest, TheThreadsOwnLoopDeliversEachDeadlineOnce) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = LoggingProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PrecisionTimerLoopTest";
    ::RegisterClassW(&windowClass);
    const HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0,
                                          HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    TickLog log;
    PrecisionTimer timer(window, kTickMessage, 7);
    log.timer = &timer;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));

    // The loop ends with the quit message of a window timer, 300 ms on.
    ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::PostQuitMessage(0);
    });
    timer.Start(10ms);
    MSG message;
    while (GetMessageOrTick(&message) > 0) {
        ::DispatchMessageW(&message);
    }
    timer.Stop();
    ::DestroyWindow(window);

    // Whether the loop or the worker delivered it, every deadline came once, in order and
    // not before its time.
    EXPECT_EQ(log.early, 0);
    EXPECT_GE(log.deadlines.size(), 5u);
    EXPECT_LE(log.deadlines.size(), 31u);
    for (std::size_t i = 1; i < log.deadlines.size(); ++i) {
        EXPECT_LT(log.deadlines[i - 1], log.deadlines[i]) << i;
    }
}

}  // namespace
}  // namespace runtime
