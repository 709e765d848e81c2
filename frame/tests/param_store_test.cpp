#include "frame/param_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "fendle/fendle_schema.h"
#include "tapnor/tapnor_schema.h"

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

class TapnorStoreTest : public ::testing::Test {
  protected:
    TapnorStoreTest() { store.ResetToDefaults(kScreen1024); }
    ParamStore store{tapnor::Schema()};
};

TEST(ParamStoreTest, HoldsZerosAndFalsesBeforeDefaults) {
    const ParamStore store(tapnor::Schema());
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{0}));
    EXPECT_EQ(store.GetParam("MsMove"), ParamValue(false));
    EXPECT_EQ(store.GetParam("Range", 3), ParamValue(std::int32_t{0}));
}

TEST_F(TapnorStoreTest, DefaultsCoverTheWholeScreen) {
    EXPECT_EQ(store.GetParam("Timer", 0), ParamValue(std::int32_t{50}));
    EXPECT_EQ(store.GetParam("TabKey", 0), ParamValue(false));
    EXPECT_EQ(store.GetParam("MsMove", 0), ParamValue(true));
    const std::int32_t expected[] = {0, 0, 1023, 767, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(store.GetParam("Range", i), ParamValue(expected[i])) << i;
    }
}

TEST(ParamStoreTest, FendleDefaults) {
    ParamStore store(fendle::Schema());
    store.ResetToDefaults(kScreen1024);
    EXPECT_EQ(store.GetParam("Position"), ParamValue(std::int32_t{33}));
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{100}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(false));
    EXPECT_TRUE(store.GetParam("Range").IsEmpty());
}

TEST_F(TapnorStoreTest, ResetToDefaultsUndoesEarlierChanges) {
    store.SetParam("Timer", 0, ParamValue(std::int32_t{9}));
    store.SetParam("Range", 4, ParamValue(std::int32_t{9}));
    store.ResetToDefaults(kScreen1024);
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{50}));
    EXPECT_EQ(store.GetParam("Range", 4), ParamValue(std::int32_t{0}));
}

TEST_F(TapnorStoreTest, KeysMatchOnlyInTheirExactCase) {
    EXPECT_TRUE(store.GetParam("timer", 0).IsEmpty());
    EXPECT_TRUE(store.GetParam("TIMER", 0).IsEmpty());
    const ParamStore before = store;
    store.SetParam("timer", 0, ParamValue(L"200"));
    store.SetParam("Unknown", 0, ParamValue(L"not even a number"));
    EXPECT_EQ(store, before);
}

TEST_F(TapnorStoreTest, SetParamConvertsTextAndBooleans) {
    store.SetParam("Timer", 0, ParamValue(L"120"));
    store.SetParam("TabKey", 0, ParamValue(true));
    store.SetParam("MsMove", 0, ParamValue(L"False"));
    store.SetParam("Range", 2, ParamValue(L"639"));
    store.SetParam("Range", 3, ParamValue(std::int32_t{-479}));
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{120}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
    EXPECT_EQ(store.GetParam("MsMove"), ParamValue(false));
    EXPECT_EQ(store.GetParam("Range", 2), ParamValue(std::int32_t{639}));
    EXPECT_EQ(store.GetParam("Range", 3), ParamValue(std::int32_t{-479}));
    // A truth value given to a number key is -1, as number conversion has always made it.
    store.SetParam("Timer", 0, ParamValue(true));
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{-1}));
}

TEST_F(TapnorStoreTest, IndexIsIgnoredForKeysThatAreNotLists) {
    EXPECT_EQ(store.GetParam("Timer", 7), ParamValue(std::int32_t{50}));
    store.SetParam("Timer", 9, ParamValue(L"60"));
    EXPECT_EQ(store.GetParam("Timer", 0), ParamValue(std::int32_t{60}));
}

TEST_F(TapnorStoreTest, RangeIndexOutsideZeroToFourIsASubscriptError) {
    EXPECT_NO_THROW((void)store.GetParam("Range", 4));
    EXPECT_EQ(ReasonOf([&] { (void)store.GetParam("Range", 5); }),
              ParamError::Reason::SubscriptOutOfRange);
    EXPECT_EQ(ReasonOf([&] { (void)store.GetParam("Range", -1); }),
              ParamError::Reason::SubscriptOutOfRange);
    const ParamStore before = store;
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Range", 5, ParamValue(L"1")); }),
              ParamError::Reason::SubscriptOutOfRange);
    EXPECT_EQ(store, before);
}

TEST_F(TapnorStoreTest, ValuesThatDoNotConvertRaiseAndChangeNothing) {
    store.SetParam("Timer", 0, ParamValue(L"75"));
    const ParamStore before = store;
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Timer", 0, ParamValue(L"")); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Timer", 0, ParamValue(L"7x")); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("Range", 1, ParamValue(L"3000000000")); }),
              ParamError::Reason::Overflow);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("MsMove", 0, ParamValue(L"yes")); }),
              ParamError::Reason::TypeMismatch);
    EXPECT_EQ(ReasonOf([&] { store.SetParam("TabKey", 0, ParamValue()); }),
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
    ParamStore store(tapnor::Schema());
    store.ResetToDefaults(GetParam().screen);
    EXPECT_EQ(store.GetParam("Range", 2), ParamValue(GetParam().right));
    EXPECT_EQ(store.GetParam("Range", 3), ParamValue(GetParam().bottom));
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
