#include "flatbutton/face_layout.h"

#include <gtest/gtest.h>

namespace flatbutton {
namespace {

struct FaceCase {
    const char* situation;
    Size control;
    Size picture;
    bool pressed;
    Point expected;
};

class FaceLayoutTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceLayoutTest, PlacesThePictureOnTheInsetClip) {
    const FaceCase& c = GetParam();
    const FaceLayout layout =
        LayOutFace({0, 0, c.control.width, c.control.height}, c.picture, c.pressed);
    EXPECT_EQ(layout.clip, (Rect{2, 2, c.control.width - 2, c.control.height - 2}));
    ASSERT_TRUE(layout.pictureOrigin.has_value());
    EXPECT_EQ(*layout.pictureOrigin, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeSizes, FaceLayoutTest,
    ::testing::Values(
        // (13 - 10) / 2 = 1.5, taken to 2
        FaceCase{"TitleBarButton", {15, 15}, {10, 10}, false, {2, 2}},
        FaceCase{"TitleBarButtonPressed", {15, 15}, {10, 10}, true, {3, 3}},
        // (30 - 24) / 2 = 3: one left of and above the exact centre
        FaceCase{"CommandButton", {32, 32}, {24, 24}, false, {3, 3}},
        FaceCase{"CommandButtonPressed", {32, 32}, {24, 24}, true, {4, 4}},
        FaceCase{"SixteenPixels", {16, 16}, {10, 10}, false, {2, 2}},
        FaceCase{"TwentyPixels", {20, 20}, {10, 10}, false, {4, 4}},
        // (15 - 10) / 2 = 2.5 goes to the even 2, (17 - 10) / 2 = 3.5 to 4
        FaceCase{"HalfGoesDownToEven", {17, 17}, {10, 10}, false, {2, 2}},
        FaceCase{"HalfGoesUpToEven", {19, 19}, {10, 10}, false, {4, 4}},
        // 0.5 is taken to 0, which is not after the client edge: the clip's corner
        FaceCase{"TwelveWideTakesTheClipCorner", {15, 15}, {12, 12}, false, {2, 2}},
        // 1 is after the edge: the first column falls under the clip
        FaceCase{"ElevenWideStartsInTheBand", {15, 15}, {11, 11}, false, {1, 1}},
        FaceCase{"ElevenWidePressed", {15, 15}, {11, 11}, true, {2, 2}},
        FaceCase{"ExactFitTakesTheClipCorner", {15, 15}, {13, 13}, false, {2, 2}},
        FaceCase{"LargerThanTheControl", {15, 15}, {40, 30}, false, {2, 2}},
        FaceCase{"LargerThanTheControlPressed", {15, 15}, {40, 30}, true, {3, 3}},
        // each axis on its own
        FaceCase{"WideControl", {32, 15}, {10, 10}, false, {10, 2}},
        FaceCase{"TallPicture", {32, 32}, {10, 24}, false, {10, 3}}),
    [](const ::testing::TestParamInfo<FaceCase>& testCase) { return testCase.param.situation; });

TEST(FaceLayoutTest, WithoutPictureOnlyTheClipIsLaidOut) {
    const FaceLayout layout = LayOutFace({0, 0, 15, 15}, std::nullopt, true);
    EXPECT_EQ(layout.clip, (Rect{2, 2, 13, 13}));
    EXPECT_FALSE(layout.pictureOrigin.has_value());
}

struct SizeCase {
    HimetricSize himetric;
    HimetricScale scale;
    Size expected;
};

class PictureSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSizeTest, ConvertsHimetricWithHalvesToEven) {
    EXPECT_EQ(PictureSizeInPixels(GetParam().himetric, GetParam().scale), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Factors, PictureSizeTest,
    ::testing::Values(
        // what a 10 x 10 and a 24 x 24 bitmap picture report at 96 dots per inch
        SizeCase{{265, 265}, HimetricScale::FromDotsPerInch(96, 96), {10, 10}},
        SizeCase{{635, 635}, HimetricScale::FromDotsPerInch(96, 96), {24, 24}},
        SizeCase{{2540, 2540}, HimetricScale::FromDotsPerInch(96, 144), {96, 144}},
        SizeCase{{5, 7}, HimetricScale{0.5, 0.5}, {2, 4}},
        SizeCase{{3, 9}, HimetricScale{0.5, 0.5}, {2, 4}},
        SizeCase{{0, 0}, HimetricScale::FromDotsPerInch(96, 96), {0, 0}}));

}  // namespace
}  // namespace flatbutton
