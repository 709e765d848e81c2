#include <gtest/gtest.h>

#include "fendle/fendle_schema.h"
#include "frame/ini_codec.h"
#include "tapnor/tapnor_schema.h"

namespace frame {
namespace {

const ScreenMetrics kScreen1024 = ScreenMetrics::FromPixels(1024, 768, 96, 96);

ParamStore Defaults(const ParamSchema& schema) {
    ParamStore store(schema);
    store.ResetToDefaults(kScreen1024);
    return store;
}

TEST(IniWriterTest, TapnorDefaultsWriteOnlyRangeAndMsMove) {
    EXPECT_EQ(WriteParams(Defaults(tapnor::Schema()), "Tapnor"),
              "[Tapnor]\r\n\r\nRange=0, 0, 1023, 767\r\nMsMove=True\r\n");
}

TEST(IniWriterTest, TapnorWritesEveryChangedValueInOrder) {
    ParamStore store = Defaults(tapnor::Schema());
    store.SetParam("Timer", 0, ParamValue(L"120"));
    store.SetParam("TabKey", 0, ParamValue(true));
    const std::int32_t range[] = {100, 80, 639, 479};
    for (int i = 0; i < 4; ++i) {
        store.SetParam("Range", i, ParamValue(range[i]));
    }
    store.SetParam("MsMove", 0, ParamValue(false));
    EXPECT_EQ(WriteParams(store, "Tapnor"),
              "[Tapnor]\r\n\r\nTimer=120\r\nTabKey=True\r\nRange=100, 80, 639, 479\r\n"
              "MsMove=False\r\n");
}

TEST(IniWriterTest, NegativeAndExtremeNumbersAreWrittenInPlainDecimal) {
    ParamStore store = Defaults(tapnor::Schema());
    store.SetParam("Timer", 0, ParamValue(std::int32_t{-2147483647 - 1}));
    store.SetParam("Range", 0, ParamValue(std::int32_t{-1280}));
    store.SetParam("Range", 2, ParamValue(std::int32_t{-1}));
    store.SetParam("Range", 4, ParamValue(std::int32_t{77}));  // never written
    EXPECT_EQ(WriteParams(store, "Tapnor"),
              "[Tapnor]\r\n\r\nTimer=-2147483648\r\nRange=-1280, 0, -1, 767\r\nMsMove=True\r\n");
}

TEST(IniWriterTest, FendleDefaultsWriteTheSectionAndAnEmptyLine) {
    EXPECT_EQ(WriteParams(Defaults(fendle::Schema()), "Fendle"), "[Fendle]\r\n\r\n");
}

TEST(IniWriterTest, FendleWritesOnlyWhatDiffersFromItsDefaults) {
    ParamStore store = Defaults(fendle::Schema());
    store.SetParam("Timer", ParamValue(L"50"));
    EXPECT_EQ(WriteParams(store, "Fendle"), "[Fendle]\r\n\r\nTimer=50\r\n");
    store.SetParam("Position", ParamValue(L"0"));
    store.SetParam("TabKey", ParamValue(true));
    EXPECT_EQ(WriteParams(store, "Fendle"),
              "[Fendle]\r\n\r\nPosition=0\r\nTimer=50\r\nTabKey=True\r\n");
}

// Whatever the store holds, writing it and reading the text over fresh defaults gives
// the same store back; the left-out lines are the defaults the reader starts from.
struct RoundTripCase {
    const ParamSchema* schema;
    std::vector<std::pair<const char*, std::int32_t>> changes;  // key, value (Range: index 0..3)
};

class IniRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(IniRoundTripTest, WrittenFileReadsBackToTheSameStore) {
    ParamStore store = Defaults(*GetParam().schema);
    int rangeIndex = 0;
    for (const auto& [key, value] : GetParam().changes) {
        const bool isRange = std::string_view(key) == "Range";
        store.SetParam(key, isRange ? rangeIndex++ : 0, ParamValue(value));
    }
    ParamStore readBack = Defaults(*GetParam().schema);
    ReadParams(WriteParams(store, "Product"), readBack);
    EXPECT_EQ(readBack, store);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, IniRoundTripTest,
    ::testing::Values(
        RoundTripCase{&tapnor::Schema(), {}},
        RoundTripCase{&tapnor::Schema(),
                      {{"Timer", 0},
                       {"TabKey", 1},
                       {"MsMove", 0},
                       {"Range", -1280},
                       {"Range", 0},
                       {"Range", -1},
                       {"Range", 2147483647}}},
        RoundTripCase{&tapnor::Schema(), {{"Timer", 65536}, {"Range", 9999}, {"Range", 9999}}},
        RoundTripCase{&fendle::Schema(), {}},
        RoundTripCase{&fendle::Schema(), {{"Position", -33}, {"Timer", 0}, {"TabKey", 1}}}));

}  // namespace
}  // namespace frame
