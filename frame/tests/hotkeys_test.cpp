#include "frame/hotkeys.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

struct HotkeyCase {
    int key;
    int modifiers;
    MainAction action;
};

class HotkeyTest : public ::testing::TestWithParam<HotkeyCase> {};

TEST_P(HotkeyTest, ActsOnlyWithAltHeld) {
    EXPECT_EQ(HotkeyAction(GetParam().key, GetParam().modifiers), GetParam().action)
        << GetParam().key << " " << GetParam().modifiers;
}

INSTANTIATE_TEST_SUITE_P(Keys, HotkeyTest,
                         ::testing::Values(HotkeyCase{'S', kAltBit, MainAction::Status},
                                           HotkeyCase{'O', kAltBit, MainAction::Options},
                                           HotkeyCase{'X', kAltBit, MainAction::Quit},
                                           HotkeyCase{'S', kAltBit | kCtrlBit, MainAction::Status},
                                           HotkeyCase{'S', kAltBit | kShiftBit, MainAction::Status},
                                           HotkeyCase{'X', kAltBit | kShiftBit | kCtrlBit,
                                                      MainAction::Quit},
                                           HotkeyCase{'S', 0, MainAction::None},
                                           HotkeyCase{'S', kCtrlBit, MainAction::None},
                                           HotkeyCase{'S', kShiftBit | kCtrlBit, MainAction::None},
                                           HotkeyCase{'A', kAltBit, MainAction::None},
                                           HotkeyCase{'s', kAltBit, MainAction::None},
                                           HotkeyCase{0x12, kAltBit, MainAction::None}));

}  // namespace
}  // namespace frame
