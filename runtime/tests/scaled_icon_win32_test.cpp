#include "runtime/scaled_icon_win32.h"

#include <gtest/gtest.h>

#include "runtime/display_scale.h"

namespace runtime {
namespace {

constexpr int kSizedIcon = 1;  // images of 16, 32, 48 and 256 pixels (tests/make_sized_icon.py)

struct IconCase {
    int sizeAt96Dpi, dpi, drawnFrom;  // the last: the image it must be drawn from
};

class LoadIconForDpiTest : public ::testing::TestWithParam<IconCase> {};

// At 125 % and 175 % the next larger image is scaled down, not the 32 (or 48) stretched up
// as LoadImage would. This program loads no comctl32: the helper's own scaling is tested.
TEST_P(LoadIconForDpiTest, DrawsTheScalingsSizeFromTheNextLargerImage) {
    const IconCase& icon = GetParam();
    const UniqueIcon loaded =
        LoadIconForDpi(::GetModuleHandleW(nullptr), kSizedIcon, icon.sizeAt96Dpi, icon.dpi);
    ICONINFO parts = {};
    ASSERT_TRUE(loaded && ::GetIconInfo(loaded.get(), &parts));
    const UniqueBitmap colour(parts.hbmColor);
    const UniqueBitmap mask(parts.hbmMask);
    BITMAP bitmap = {};
    ::GetObjectW(colour.get(), sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, ScaleEdge(icon.sizeAt96Dpi, icon.dpi));
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), colour.get());
    const COLORREF centre = ::GetPixel(dc.get(), bitmap.bmWidth / 2, bitmap.bmHeight / 2);
    EXPECT_EQ(GetRValue(centre) + 256 * GetGValue(centre), icon.drawnFrom);
}

INSTANTIATE_TEST_SUITE_P(AtEveryArtworkStep, LoadIconForDpiTest,
                         ::testing::Values(IconCase{32, 96, 32}, IconCase{32, 120, 48},
                                           IconCase{32, 144, 48}, IconCase{32, 168, 256},
                                           IconCase{32, 192, 256}, IconCase{16, 120, 32},
                                           IconCase{16, 168, 32}, IconCase{16, 192, 32}));

}  // namespace
}  // namespace runtime
