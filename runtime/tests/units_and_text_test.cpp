#include <gtest/gtest.h>

#include <cmath>

#include "runtime/ascii_text.h"
#include "runtime/himetric.h"

namespace {

// An extent given to a control comes back as the same pixels when the control converts it.
TEST(HimetricTest, PixelsSurviveTheRoundTripAtEveryScaling) {
    for (const int dotsPerInch : {96, 120, 144, 168, 192}) {
        EXPECT_EQ(runtime::PixelsToHimetric(dotsPerInch, dotsPerInch), 2540);  // an inch
        for (std::int32_t pixels = 0; pixels <= 600; ++pixels) {
            const double back = runtime::PixelsToHimetric(pixels, dotsPerInch) *
                                runtime::PixelsPerHimetric(dotsPerInch);
            ASSERT_EQ(std::lround(back), pixels) << pixels << " at " << dotsPerInch;
        }
    }
}

TEST(AsciiTextTest, PrintableMeansSpaceToTilde) {
    EXPECT_TRUE(runtime::IsPrintableAscii(L" ~HKCU\\Software\\Classes"));
    EXPECT_TRUE(runtime::IsPrintableAscii(L""));
    for (const wchar_t* outside : {L"\x1f", L"\x7f", L"\x00e9", L"\x30c4", L"tab\there"}) {
        EXPECT_FALSE(runtime::IsPrintableAscii(outside)) << static_cast<int>(outside[0]);
    }
}

}  // namespace
