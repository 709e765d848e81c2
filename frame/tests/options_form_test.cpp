#include "frame/options_form.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

TEST(TypedCharacterTest, OnlyDigitsAndBackspaceGetThrough) {
    for (unsigned int c = 0; c < 0x3000; ++c) {
        const bool expected = (c >= '0' && c <= '9') || c == 8;
        EXPECT_EQ(AcceptsTypedCharacter(c), expected) << c;
    }
    EXPECT_FALSE(AcceptsTypedCharacter(0xFF10));  // full-width digit zero
}

}  // namespace
}  // namespace frame
