#include <gtest/gtest.h>

#include "frame/ini_codec.h"
#include "frame/tests/sample_program.h"

namespace frame {
namespace {

const ScreenMetrics kScreen1024 = ScreenMetrics::FromPixels(1024, 768, 96, 96);

ParamStore Defaults(const ParamSchema& schema) {
    ParamStore store(schema);
    store.ResetToDefaults(kScreen1024);
    return store;
}

TEST(IniWriterTest, DefaultsWriteTheSectionAnEmptyLineAndTheKeysAlwaysWritten) {
    EXPECT_EQ(WriteParams(Defaults(sample::Schema()), "Sample"),
              "[Sample]\r\n\r\nArea=0, 0, 1023, 767\r\nRoam=True\r\n");
    EXPECT_EQ(WriteParams(Defaults(sample::QuietSchema()), "Quiet"), "[Quiet]\r\n\r\n");
}

TEST(IniWriterTest, WritesEveryChangedValueInOrder) {
    ParamStore store = Defaults(sample::Schema());
    store.SetParam("Pace", 0, ParamValue(L"120"));
    store.SetParam("Hold", 0, ParamValue(true));
    const std::int32_t area[] = {100, 80, 639, 479};
    for (int i = 0; i < 4; ++i) {
        store.SetParam("Area", i, ParamValue(area[i]));
    }
    store.SetParam("Roam", 0, ParamValue(false));
    EXPECT_EQ(WriteParams(store, "Sample"),
              "[Sample]\r\n\r\nPace=120\r\nHold=True\r\nArea=100, 80, 639, 479\r\n"
              "Roam=False\r\n");
}

TEST(IniWriterTest, NegativeAndExtremeNumbersAreWrittenInPlainDecimal) {
    ParamStore store = Defaults(sample::Schema());
    store.SetParam("Pace", 0, ParamValue(std::int32_t{-2147483647 - 1}));
    store.SetParam("Area", 0, ParamValue(std::int32_t{-1280}));
    store.SetParam("Area", 2, ParamValue(std::int32_t{-1}));
    store.SetParam("Area", 4, ParamValue(std::int32_t{77}));  // never written
    EXPECT_EQ(WriteParams(store, "Sample"),
              "[Sample]\r\n\r\nPace=-2147483648\r\nArea=-1280, 0, -1, 767\r\nRoam=True\r\n");
}

TEST(IniWriterTest, KeysWrittenUnlessDefaultAppearOnceTheyDiffer) {
    ParamStore store = Defaults(sample::QuietSchema());
    store.SetParam("Pace", ParamValue(L"50"));
    EXPECT_EQ(WriteParams(store, "Quiet"), "[Quiet]\r\n\r\nPace=50\r\n");
    store.SetParam("Offset", ParamValue(L"0"));
    store.SetParam("Hold", ParamValue(true));
    EXPECT_EQ(WriteParams(store, "Quiet"), "[Quiet]\r\n\r\nOffset=0\r\nPace=50\r\nHold=True\r\n");
}

// Whatever the store holds, writing it and reading the text over fresh defaults gives
// the same store back; the left-out lines are the defaults the reader starts from.
struct RoundTripCase {
    const ParamSchema* schema;
    std::vector<std::pair<const char*, std::int32_t>> changes;  // key, value (Area: index 0..3)
};

class IniRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(IniRoundTripTest, WrittenFileReadsBackToTheSameStore) {
    ParamStore store = Defaults(*GetParam().schema);
    int areaIndex = 0;
    for (const auto& [key, value] : GetParam().changes) {
        const bool isArea = std::string_view(key) == "Area";
        store.SetParam(key, isArea ? areaIndex++ : 0, ParamValue(value));
    }
    ParamStore readBack = Defaults(*GetParam().schema);
    ReadParams(WriteParams(store, "Product"), readBack);
    EXPECT_EQ(readBack, store);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, IniRoundTripTest,
    ::testing::Values(
        RoundTripCase{&sample::Schema(), {}},
        RoundTripCase{&sample::Schema(),
                      {{"Pace", 0},
                       {"Hold", 1},
                       {"Roam", 0},
                       {"Area", -1280},
                       {"Area", 0},
                       {"Area", -1},
                       {"Area", 2147483647}}},
        RoundTripCase{&sample::Schema(), {{"Pace", 65536}, {"Area", 9999}, {"Area", 9999}}},
        RoundTripCase{&sample::QuietSchema(), {}},
        RoundTripCase{&sample::QuietSchema(), {{"Offset", -33}, {"Pace", 0}, {"Hold", 1}}}));

}  // namespace
}  // namespace frame
