#include "frame/options_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace frame {
namespace {

TEST(TypedCharacterTest, DigitsAndBackspaceGetThroughAndFullWidthDigitsBecomeAscii) {
    for (unsigned int c = 0; c < 0x3000; ++c) {
        const bool expected = (c >= '0' && c <= '9') || c == 8;
        EXPECT_EQ(NumberBoxCharacter(c), expected ? std::optional(c) : std::nullopt) << c;
    }
    // A Japanese input method's full-width digits are digits; its other characters are not
    // (solidus and colon either side of the digits, hyphen-minus, letter A, ideographic space).
    const std::pair<unsigned int, std::optional<unsigned int>> fullWidth[] = {
        {0xFF10, '0'}, {0xFF15, '5'}, {0xFF19, '9'}, {0xFF0F, {}},
        {0xFF1A, {}},  {0xFF0D, {}},  {0xFF21, {}},  {0x3000, {}}};
    for (const auto& [typed, taken] : fullWidth) {
        EXPECT_EQ(NumberBoxCharacter(typed), taken) << typed;
    }
}

}  // namespace
}  // namespace frame
