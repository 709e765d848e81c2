// The rules the Windows test kit's runner counts by, and when a start is made again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/gtest_listing.h"
#include "testing/start_check.h"

namespace testing_support {
namespace {

TEST(ListedCasesTest, NamesEachCaseAsItsFilterDoesWithoutParametersOrDisabledCases) {
    const std::string listing =
        "Running main() from gtest_main.cc\r\n"
        "WalkTest.\r\n"
        "  TurnsAtRightEdge\r\n"
        "  DISABLED_Later\r\n"
        "Edges/RoundTest.  # TypeParam = int\n"
        "  Rounds/0  # GetParam() = (0.5, 0)\n"
        "  Rounds/1  # GetParam() = (1.5, 2)\n"
        "DISABLED_OffTest.\n"
        "  Anything\n";
    EXPECT_EQ(ListedCases(listing),
              (std::vector<std::string>{"WalkTest.TurnsAtRightEdge", "Edges/RoundTest.Rounds/0",
                                        "Edges/RoundTest.Rounds/1"}));
    EXPECT_TRUE(ListedCases("").empty());
    EXPECT_TRUE(SaysSkipped("[ RUN      ] A.B\nwhy\n[  SKIPPED ] A.B (0 ms)\n"));
    EXPECT_FALSE(SaysSkipped("[ RUN      ] A.B\n[       OK ] A.B (0 ms)\n"));
}

struct StartCase {
    const char* situation;
    StartOutcome outcome;
    bool again;
};

class StartAgainTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartAgainTest, OnlyAStartThatFailedBeforeTheProgramRan) {
    EXPECT_EQ(ShouldStartAgain(GetParam().outcome), GetParam().again) << GetParam().situation;
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, StartAgainTest,
    ::testing::Values(
        StartCase{"not created", {false, false, 0, {}}, true},
        StartCase{"still running after its first second", {true, false, 0, {}}, false},
        StartCase{"ended at once with success", {true, true, 0, {}}, false},
        StartCase{"ended with a loader status", {true, true, 0xC0000142, {}}, true},
        StartCase{"ended with its own code", {true, true, 1, {}}, false},
        StartCase{"ended silently, output captured", {true, true, 1, false}, true},
        StartCase{"ended after writing", {true, true, 1, true}, false},
        StartCase{"loader status after its first second", {true, false, 0xC0000142, {}}, false}));

}  // namespace
}  // namespace testing_support
