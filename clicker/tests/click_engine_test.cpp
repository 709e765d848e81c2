#include "clicker/click_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace clicker {
namespace {

// Records what the engine does to the system, in order.
class RecordingPlatform final : public ClickPlatform, public ClickTimers {
  public:
    void KeepMainWindowOnTop() override { calls.push_back("top"); }
    void PressTab() override { calls.push_back("tab-down"); }
    void ReleaseTab() override { calls.push_back("tab-up"); }
    std::optional<CursorPosition> ReadCursor() override {
        calls.push_back("cursor");
        return cursor;
    }
    void ClickLeftButton() override {
        calls.push_back("click " + std::to_string(cursor->x) + "," + std::to_string(cursor->y));
    }
    void MoveCursor(CursorPosition position) override {
        cursor = position;
        calls.push_back("move " + std::to_string(position.x) + "," + std::to_string(position.y));
    }
    void StartDelayTimer(std::uint32_t ms) override {
        calls.push_back("delay " + std::to_string(ms));
    }
    void StopDelayTimer() override { calls.push_back("delay off"); }
    void StartClickTimer(std::uint32_t ms) override {
        calls.push_back("timer " + std::to_string(ms));
    }
    void StopClickTimer() override { calls.push_back("timer off"); }

    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    std::optional<CursorPosition> cursor = CursorPosition{100, 100};
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class ClickEngineTest : public ::testing::Test {
  protected:
    void StartClicking() {
        engine.Start(settings);
        engine.OnStartDelayTick();
        platform.Take();
    }

    ClickSettings settings{.intervalMs = 50, .range = {0, 0, 1023, 767}};
    RecordingPlatform platform;
    ClickEngine engine{platform, platform};
};

TEST_F(ClickEngineTest, StartArmsTheOneSecondDelayAndItsTickRaisesTheWindowAndStartsTheTimer) {
    engine.Start(settings);
    EXPECT_EQ(engine.state(), EngineState::Waiting);
    EXPECT_EQ(platform.Take(), (Calls{"delay 1000"}));

    engine.OnClickTick();  // a stray tick before the delay has run out does nothing
    EXPECT_EQ(platform.Take(), Calls{});

    engine.OnStartDelayTick();
    EXPECT_EQ(engine.state(), EngineState::Clicking);
    EXPECT_EQ(platform.Take(), (Calls{"delay off", "top", "timer 50"}));

    engine.OnStartDelayTick();  // one-shot
    EXPECT_EQ(platform.Take(), Calls{});
}

TEST_F(ClickEngineTest, TheIntervalIsTakenOnlyWhenTheDelayRunsOut) {
    engine.Start(settings);
    settings.intervalMs = 120;
    engine.ApplySettings(settings);
    engine.OnStartDelayTick();
    EXPECT_EQ(platform.Take().back(), "timer 120");
    settings.intervalMs = 30;  // takes effect at the next start
    engine.ApplySettings(settings);
    engine.OnClickTick();
    engine.Stop();
    platform.Take();
    engine.Start(settings);
    engine.OnStartDelayTick();
    EXPECT_EQ(platform.Take().back(), "timer 30");
}

struct IntervalCase {
    std::int32_t setting;
    std::uint32_t interval;
};

class ClickIntervalTest : public ClickEngineTest,
                          public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(ClickIntervalTest, TheDelayTickClampsTheIntervalToWhatTheTimerTakes) {
    settings.intervalMs = GetParam().setting;
    engine.Start(settings);
    engine.OnStartDelayTick();
    const Calls calls = platform.Take();
    if (GetParam().interval == 0) {
        EXPECT_EQ(calls, (Calls{"delay 1000", "delay off"}));
    } else {
        EXPECT_EQ(calls.back(), "timer " + std::to_string(GetParam().interval));
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ClickIntervalTest,
                         ::testing::Values(IntervalCase{-2147483647 - 1, 0}, IntervalCase{-1, 0},
                                           IntervalCase{0, 0}, IntervalCase{1, 1},
                                           IntervalCase{65535, 65535}, IntervalCase{65536, 65535},
                                           IntervalCase{99999, 65535},
                                           IntervalCase{2147483647, 65535}));

TEST_F(ClickEngineTest, AnIntervalOfZeroOrLessGivesNoTicksAndDoesNotRaiseTheWindow) {
    for (const std::int32_t timer : {0, -5}) {
        settings.intervalMs = timer;
        engine.Start(settings);
        engine.OnStartDelayTick();
        EXPECT_EQ(platform.Take(), (Calls{"delay 1000", "delay off"})) << timer;
        EXPECT_EQ(engine.state(), EngineState::Clicking);
        engine.Stop();
        platform.Take();
    }
}

TEST_F(ClickEngineTest, ATickRunsItsStepsInOrder) {
    settings.holdsTab = true;
    settings.walksCursor = true;
    StartClicking();
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(),
              (Calls{"top", "tab-down", "cursor", "click 100,100", "move 101,100"}));
}

TEST_F(ClickEngineTest, OutsideTheRangeOnlyRaisesTheWindowAndPressesTab) {
    settings.holdsTab = true;
    settings.walksCursor = true;
    settings.range = {0, 0, 99, 99};
    StartClicking();
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), (Calls{"top", "tab-down", "cursor"}));
}

struct EdgeCase {
    CursorPosition cursor;
    bool clicked;
    ClickRange range{10, 20, 30, 40};
};

class ClickRangeEdgeTest : public ClickEngineTest,
                           public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(ClickRangeEdgeTest, AllFourEdgesBelongToTheRange) {
    settings.range = GetParam().range;
    StartClicking();
    platform.cursor = GetParam().cursor;
    engine.OnClickTick();
    const Calls calls = platform.Take();
    EXPECT_EQ(calls.size() == 3, GetParam().clicked)
        << GetParam().cursor.x << "," << GetParam().cursor.y;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ClickRangeEdgeTest,
                         ::testing::Values(EdgeCase{{10, 20}, true}, EdgeCase{{30, 40}, true},
                                           EdgeCase{{9, 20}, false}, EdgeCase{{31, 40}, false},
                                           EdgeCase{{10, 19}, false}, EdgeCase{{30, 41}, false},
                                           EdgeCase{{20, 30}, true},
                                           EdgeCase{{-1920, -1080}, true, {-1920, -1080, -1, -1}},
                                           EdgeCase{{0, -1}, false, {-1920, -1080, -1, -1}},
                                           EdgeCase{{-5, 0}, true, {-10, -10, 10, 10}}));

TEST_F(ClickEngineTest, AnInvertedRangeHoldsNoPoint) {
    settings.range = {30, 20, 10, 40};
    StartClicking();
    platform.cursor = CursorPosition{20, 30};
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), (Calls{"top", "cursor"}));
}

TEST_F(ClickEngineTest, SettingsAppliedWhileRunningCountFromTheNextTick) {
    StartClicking();
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), (Calls{"top", "cursor", "click 100,100"}));
    settings.holdsTab = true;
    settings.walksCursor = true;
    engine.OnClickTick();  // not yet applied
    EXPECT_EQ(platform.Take(), (Calls{"top", "cursor", "click 100,100"}));
    engine.ApplySettings(settings);
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(),
              (Calls{"top", "tab-down", "cursor", "click 100,100", "move 101,100"}));
    settings.range = {0, 0, 50, 50};
    engine.ApplySettings(settings);
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), (Calls{"top", "tab-down", "cursor"}));
}

TEST_F(ClickEngineTest, AMissedCursorReadSkipsOnlyThatTick) {
    StartClicking();
    platform.cursor.reset();
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), (Calls{"top", "cursor"}));
}

TEST_F(ClickEngineTest, StopCancelsTheDelayAndTheTimer) {
    engine.Start(settings);
    engine.Stop();
    EXPECT_EQ(engine.state(), EngineState::Idle);
    EXPECT_EQ(platform.Take(), (Calls{"delay 1000", "delay off", "timer off"}));
    engine.OnStartDelayTick();
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), Calls{});
}

TEST_F(ClickEngineTest, StopAndCloseReleaseTabOnceAfterAnyKeyDown) {
    StartClicking();
    engine.OnClickTick();
    engine.Stop();
    EXPECT_EQ(platform.Take(), (Calls{"top", "cursor", "click 100,100", "delay off", "timer off"}));

    settings.holdsTab = true;
    StartClicking();
    engine.OnClickTick();
    engine.OnClickTick();
    settings.holdsTab = false;  // switching Tab off while running still releases it at stop
    engine.ApplySettings(settings);
    engine.OnClickTick();
    platform.Take();
    engine.Stop();
    EXPECT_EQ(platform.Take(), (Calls{"delay off", "timer off", "tab-up"}));
    engine.Stop();
    EXPECT_EQ(platform.Take(), (Calls{"delay off", "timer off"}));

    settings.holdsTab = true;
    StartClicking();
    engine.OnClickTick();
    platform.Take();
    engine.Close();
    EXPECT_EQ(platform.Take(), (Calls{"delay off", "timer off", "tab-up"}));
}

TEST_F(ClickEngineTest, TheWalkGoesOnInItsDirectionsAfterAStopAndStart) {
    settings.walksCursor = true;
    settings.range = {10, 20, 12, 21};
    platform.cursor = CursorPosition{10, 20};
    StartClicking();
    for (int tick = 0; tick < 4; ++tick) {
        engine.OnClickTick();
    }
    EXPECT_EQ(engine.walk().WalkDirX, 1);
    engine.Stop();
    StartClicking();
    engine.OnClickTick();
    EXPECT_EQ(platform.Take(), (Calls{"top", "cursor", "click 11,21", "move 10,21"}));
}

}  // namespace
}  // namespace clicker
