#include "runtime/round_half_even.h"

#include <gtest/gtest.h>

namespace {

struct RoundCase {
    double value;
    std::int64_t expected;
};

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsToNearestWithHalvesToEven) {
    EXPECT_EQ(runtime::RoundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, RoundHalfEvenTest,
                         ::testing::Values(RoundCase{1.5, 2}, RoundCase{2.5, 2}, RoundCase{0.5, 0},
                                           RoundCase{-0.5, 0}, RoundCase{-1.5, -2},
                                           RoundCase{-2.5, -2}, RoundCase{2.4999, 2},
                                           RoundCase{2.5001, 3}, RoundCase{-2.6, -3},
                                           RoundCase{3.0, 3}, RoundCase{15.0, 15},
                                           RoundCase{1023.5, 1024}));

}  // namespace
