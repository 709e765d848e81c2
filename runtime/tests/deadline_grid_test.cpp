#include "runtime/deadline_grid.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

// The fake clock: counts from an arbitrary start (a performance counter does not begin at 0).
constexpr std::int64_t kStart = 1'000'003;
constexpr std::int64_t kPeriod = 10;

// A periodic grid started at kStart.
class DeadlineGridTest : public ::testing::Test {
  protected:
    DeadlineGridTest() { grid.Start(kStart, kPeriod, false); }
    DeadlineGrid grid;
};

TEST(DeadlineGridFirstWakeTest, DeliversTheFirstDeadlineAndDropsThoseItsLatenessPassed) {
    struct Wake {
        std::int64_t after, delivered, next, missed;  // counts after Start; 0: none delivered
    };
    constexpr Wake kWakes[] = {{9, 0, 10, 0},   {10, 10, 20, 0}, {19, 10, 20, 0},
                               {20, 10, 30, 1}, {39, 10, 40, 2}, {40, 10, 50, 3}};
    for (const Wake& wake : kWakes) {
        DeadlineGrid grid;
        grid.Start(kStart, kPeriod, false);
        const auto tick = grid.TakeDue(kStart + wake.after);
        EXPECT_EQ(tick ? tick->deadline - kStart : 0, wake.delivered) << wake.after;
        EXPECT_EQ(grid.nextDeadline() - kStart, wake.next) << wake.after;
        EXPECT_EQ(grid.missedDeadlines(), static_cast<std::uint64_t>(wake.missed)) << wake.after;
    }
}

// Every wake here is late; the deadlines stay on the grid all the same.
TEST_F(DeadlineGridTest, EachDeadlineGoesOnceOnTheGridAndNoneWhileItsPredecessorIsPending) {
    const DueTick first = grid.TakeDue(kStart + kPeriod + 7).value();
    EXPECT_FALSE(grid.TakeDue(kStart + kPeriod + 7));  // the other waiter, woken by the same signal
    EXPECT_EQ(grid.skippedTicks(), 0u);
    EXPECT_FALSE(grid.TakeDue(kStart + 2 * kPeriod + 3));  // the window has not handled the first
    EXPECT_EQ(grid.skippedTicks(), 1u);
    ASSERT_TRUE(grid.Accept(first.generation));
    EXPECT_EQ(grid.acceptedDeadline(), kStart + kPeriod);
    EXPECT_EQ(grid.TakeDue(kStart + 3 * kPeriod + 9).value().deadline, kStart + 3 * kPeriod);
    EXPECT_EQ(grid.nextDeadline(), kStart + 4 * kPeriod);
}

TEST_F(DeadlineGridTest, AOneShotDeliversOnceHoweverLateAndStops) {
    grid.Start(kStart, kPeriod, true);
    const auto tick = grid.TakeDue(kStart + 5 * kPeriod);
    ASSERT_TRUE(tick && grid.Accept(tick->generation));
    EXPECT_EQ(tick->deadline, kStart + kPeriod);
    EXPECT_FALSE(grid.running());
    EXPECT_FALSE(grid.TakeDue(kStart + 6 * kPeriod));
}

TEST_F(DeadlineGridTest, ARestartOrStopRefusesTheTicksOfTheRunBefore) {
    const DueTick stale = grid.TakeDue(kStart + kPeriod).value();
    grid.Start(kStart + 15, kPeriod, false);  // the stale tick still waits in the queue
    EXPECT_FALSE(grid.Accept(stale.generation));
    const auto fresh = grid.TakeDue(kStart + 25);  // a fresh grid, with nothing pending
    ASSERT_TRUE(fresh && grid.Accept(fresh->generation));
    EXPECT_EQ(fresh->deadline, kStart + 25);
    const DueTick beforeStop = grid.TakeDue(kStart + 35).value();
    grid.Stop();
    EXPECT_FALSE(grid.Accept(beforeStop.generation));
    EXPECT_FALSE(grid.TakeDue(kStart + 100));
}

}  // namespace
}  // namespace runtime
