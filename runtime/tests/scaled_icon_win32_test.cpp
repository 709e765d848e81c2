#include "runtime/scaled_icon_win32.h"

#include <gtest/gtest.h>

#include "runtime/display_scale.h"

namespace runtime {
namespace {

constexpr int kSizedIcon = 1;  // images of 16, 32, 48 and 256 pixels (tests/make_sized_icon.py)

struct IconCase {
    int sizeAt96Dpi;
    int dpi;
    int drawnFrom;  // the image it must be drawn from
};

class LoadIconForDpiTest : public ::testing::TestWithParam<IconCase> {};

// The icon's side, and the size of the image it was drawn from, which its colour names.
std::pair<int, int> SideAndSource(HICON icon) {
    ICONINFO parts = {};
    if (!::GetIconInfo(icon, &parts)) {
        return {0, 0};
    }
    const UniqueBitmap colour(parts.hbmColor);
    const UniqueBitmap mask(parts.hbmMask);
    BITMAP bitmap = {};
    ::GetObjectW(colour.get(), sizeof(bitmap), &bitmap);
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), colour.get());
    const COLORREF centre = ::GetPixel(dc.get(), bitmap.bmWidth / 2, bitmap.bmHeight / 2);
    return {bitmap.bmWidth, GetRValue(centre) + 256 * GetGValue(centre)};
}

// At 125 % and 175 % the icon holds no image of the size: the next larger one is scaled
// down, where LoadImage would stretch the 32-pixel one (or the 48-pixel one) up. This test
// program loads no comctl32, so the helper scales itself; the programs reach comctl32's
// LoadIconWithScaleDown, whose scaling down is Microsoft's to keep ("LoadIconWithScaleDown
// function") and which Wine's comctl32 does not do (it calls LoadImage).
TEST_P(LoadIconForDpiTest, DrawsTheScalingsSizeFromTheNextLargerImage) {
    const IconCase& icon = GetParam();
    const UniqueIcon loaded =
        LoadIconForDpi(::GetModuleHandleW(nullptr), kSizedIcon, icon.sizeAt96Dpi, icon.dpi);
    ASSERT_TRUE(loaded);
    const auto [side, source] = SideAndSource(loaded.get());
    EXPECT_EQ(side, ScaleEdge(icon.sizeAt96Dpi, icon.dpi));
    EXPECT_EQ(source, icon.drawnFrom);
}

INSTANTIATE_TEST_SUITE_P(AtEveryArtworkStep, LoadIconForDpiTest,
                         ::testing::Values(IconCase{32, 96, 32}, IconCase{32, 120, 48},
                                           IconCase{32, 144, 48}, IconCase{32, 168, 256},
                                           IconCase{32, 192, 256}, IconCase{16, 120, 32},
                                           IconCase{16, 168, 32}, IconCase{16, 192, 32}));

TEST(LoadIconForDpiMissingTest, AnIconThatIsNotThereIsNull) {
    EXPECT_FALSE(LoadIconForDpi(::GetModuleHandleW(nullptr), 999, 32, 120));
}

}  // namespace
}  // namespace runtime
