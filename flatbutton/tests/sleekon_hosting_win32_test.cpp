#include <gtest/gtest.h>

#include "flatbutton/tests/control_host_win32.h"

namespace sleekon_test {
namespace {

class HostingTest : public SleekonTest {};

TEST_F(HostingTest, Smoke) {
    CreateAndHost(32, 32);
    EXPECT_EQ(Pixel(16, 16), ::GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace sleekon_test
