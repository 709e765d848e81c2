#include "frame/param_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "frame/tests/sample_program.h"

namespace frame {
namespace {

const ScreenMetrics kScreen1024 = ScreenMetrics::FromPixels(1024, 768, 96, 96);

ParamError::Reason ReasonOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ParamError& error) {
        return error.reason();
    }
    ADD_FAILURE() << "no error raised";
    return ParamError::Reason::TypeMismatch;
}

class SampleStoreTest : public ::testing::Test {
  protected:
    SampleStoreTest() { store.ResetToDefaults(kScreen1024); }
    ParamStore store{sample::Schema()};
};

TEST(ParamStoreTest, HoldsZerosAndFalsesBeforeDefaults) {
    const ParamStore store(sample::Schema());
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{0}));
    EXPECT_EQ(store.GetParam("Roam"), ParamValue(false));
    EXPECT_EQ(store.GetParam("Area", 3), ParamValue(std::int32_t{0}));
}

TEST_F(SampleStoreTest, DefaultsCoverTheWholeScreen) {
    EXPECT_EQ(store.GetParam("Pace", 0), ParamValue(std::int32_t{50}));
    EXPECT_EQ(store.GetParam("Hold", 0), ParamValue(false));
    EXPECT_EQ(store.GetParam("Roam", 0), ParamValue(true));
    const std::int32_t expected[] = {0, 0, 1023, 767, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(store.GetParam("Area", i), ParamValue(expected[i])) << i;
    }
}

TEST(ParamStoreTest, DefaultsOfASchemaWithoutLists) {
    ParamStore store(sample::QuietSchema());
    store.ResetToDefaults(kScreen1024);
    EXPECT_EQ(store.GetParam("Offset"), ParamValue(std::int32_t{33}));
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{100}));
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(false));
    EXPECT_TRUE(store.GetParam("Area").IsEmpty());
}

TEST_F(SampleStoreTest, ResetToDefaultsUndoesEarlierChanges) {
    store.SetParam("Pace", 0, ParamValue(std::int32_t{9}));
    store.SetParam("Area", 4, ParamValue(std::int32_t{9}));
    store.ResetToDefaults(kScreen1024);
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{50}));
    EXPECT_EQ(store.GetParam("Area", 4), ParamValue(std::int32_t{0}));
}

TEST_F(SampleStoreTest, KeysMatchOnlyInTheirExactCase) {
    EXPECT_TRUE(store.GetParam("pace", 0).IsEmpty());
    EXPECT_TRUE(store.GetParam("PACE", 0).IsEmpty());
    const ParamStore before = store;
    store.SetParam("pace", 0, ParamValue(L"200"));
    store.SetParam("Unknown", 0, ParamValue(L"not even a number"));
    EXPECT_EQ(store, before);
}

TEST_F(SampleStoreTest, SetParamConvertsTextAndBooleans) {
    store.SetParam("Pace", 0, ParamValue(L"120"));
    store.SetParam("Hold", 0, ParamValue(true));
    store.SetParam("Roam", 0, ParamValue(L"False"));
    store.SetParam("Area", 2, ParamValue(L"639"));
    store.SetParam("Area", 3, ParamValue(std::int32_t{-479}));
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{120}));
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(true));
    EXPECT_EQ(store.GetParam("Roam"), ParamValue(false));
    EXPECT_EQ(store.GetParam("Area", 2), ParamValue(std::int32_t{639}));
    EXPECT_EQ(store.GetParam("Area", 3), ParamValue(std::int32_t{-479}));
    // A truth value given to a number key is -1, as number conversion has always made it.
    store.SetParam("Pace", 0, ParamValue(true));
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{-1}));
}

TEST_F(SampleStoreTest, IndexIsIgnoredForKeysThatAreNotLists) {
    EXPECT_EQ(store.GetParam("Pace", 7), ParamValue(std::int32_t{50}));
    store.SetParam("Pace", 9, ParamValue(L"60"));
    EXPECT_EQ(store.GetParam("Pace", 0), ParamValue(std::int32_t{60}));
}

TEST_F(SampleStoreTest, AreaIndexOutsideZeroToFourIsASubscriptError) {
    EXPECT_NO_THROW((void)store.GetParam("Area", 4));
    EXPECT_EQ(ReasonOf([&] { (void)store.GetParam("Area", 5); }),
              ParamError::Reason::SubscriptOutOfRange);
    EXPECT_EQ(ReasonOf([&] { (void)store.GetParam("Area", -1); }),
              ParamError::Reason::SubscriptOutOfRange);
    const ParamStore before = store;
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Area", 5, ParamValue(L"1")); }),
              ParamError::Reason::SubscriptOutOfRange);
    EXPECT_EQ(store, before);
}

TEST_F(SampleStoreTest, ValuesThatDoNotConvertRaiseAndChangeNothing) {
    store.SetParam("Pace", 0, ParamValue(L"75"));
    const ParamStore before = store;
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Pace", 0, ParamValue(L"")); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Pace", 0, ParamValue(L"7x")); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Area", 1, ParamValue(L"3000000000")); }),
              ParamError::Reason::Overflow);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Roam", 0, ParamValue(L"yes")); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Hold", 0, ParamValue()); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(store, before);
}

struct ScreenCase {
    ScreenMetrics screen;
    std::int32_t right;
    std::int32_t bottom;
};

class DefaultRectangleTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(DefaultRectangleTest, RoundsTwipsAndTwipsPerPixelBeforeDividing) {
    ParamStore store(sample::Schema());
    store.ResetToDefaults(GetParam().screen);
    EXPECT_EQ(store.GetParam("Area", 2), ParamValue(GetParam().right));
    EXPECT_EQ(store.GetParam("Area", 3), ParamValue(GetParam().bottom));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DefaultRectangleTest,
    ::testing::Values(
        ScreenCase{ScreenMetrics::FromPixels(1024, 768, 96, 96), 1023, 767},
        ScreenCase{ScreenMetrics::FromPixels(1920, 1080, 144, 144), 1919, 1079},
        ScreenCase{ScreenMetrics::FromPixels(3840, 2160, 192, 192), 3839, 2159},
        ScreenCase{ScreenMetrics::FromPixels(1920, 1080, 110, 110), 1919, 1079},
        ScreenCase{ScreenMetrics::FromPixels(2560, 1440, 120, 168), 2559, 1439},
        // Fractional factors: 13.09 twips per pixel round to 13, 25134.5 twips to 25135.
        ScreenCase{ScreenMetrics{25134.5, 14138.2, 1440.0 / 110, 1440.0 / 110}, 1932, 1086},
        ScreenCase{ScreenMetrics{28800.0, 16200.0, 7.5, 7.5}, 3599, 2024},
        ScreenCase{ScreenMetrics{15360.0, 11520.0, 15.0, 15.0}, 1023, 767},
        ScreenCase{ScreenMetrics{15367.4, 11527.6, 15.0, 15.0}, 1023, 767},
        ScreenCase{ScreenMetrics{15375.0, 11535.0, 15.0, 15.0}, 1024, 768}));

}  // namespace
}  // namespace frame
