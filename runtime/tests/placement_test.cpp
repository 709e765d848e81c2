#include "runtime/placement.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

// Work areas: the primary, one left of it, one above it; 300 x 200 dialogs, 144 x 74 owners.
constexpr EdgeRect kPrimary = {0, 0, 1920, 1040};
constexpr EdgeRect kLeft = {-1920, 0, 0, 1040};
constexpr EdgeRect kAbove = {0, -1160, 1920, 0};

struct CentreCase {
    EdgeRect owner, work, expected;
    std::int32_t width = 300, height = 200;
};
class CentreOverTest : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CentreOverTest, CentresOverTheOwnerInsideTheWorkAreaOfItsMonitor) {
    EXPECT_EQ(CentreOver(GetParam().width, GetParam().height, GetParam().owner, GetParam().work),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Desks, CentreOverTest,
    ::testing::Values(
        CentreCase{{-1000, 400, -856, 474}, kLeft, {-1078, 337, -778, 537}},
        CentreCase{{-1920, 0, -1776, 74}, kLeft, {-1920, 0, -1620, 200}},
        CentreCase{{-100, 300, 44, 374}, kLeft, {-300, 237, 0, 437}},
        CentreCase{{900, -30, 1044, 44}, kAbove, {822, -200, 1122, 0}},
        CentreCase{{-1000, 400, -856, 474}, kLeft, {-1920, 0, 80, 1200}, 2000, 1200},  // too large
        CentreCase{kPrimary, kPrimary, {810, 420, 1110, 620}}));                       // no owner

}  // namespace
}  // namespace runtime
