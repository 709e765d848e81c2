#include <gtest/gtest.h>

#include <array>
#include <string>

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

ParamStore SampleAfterReading(std::string_view content) {
    ParamStore store = Defaults(sample::Schema());
    ReadParams(content, store);
    return store;
}

std::int32_t Pace(const ParamStore& store) {
    return store.GetParam("Pace").AsInteger();
}

std::array<std::int32_t, 4> AreaOf(const ParamStore& store) {
    return {store.GetParam("Area", 0).AsInteger(), store.GetParam("Area", 1).AsInteger(),
            store.GetParam("Area", 2).AsInteger(), store.GetParam("Area", 3).AsInteger()};
}

TEST(IniReaderTest, KeysIgnoreCaseAndSpacesAroundThem) {
    EXPECT_EQ(Pace(SampleAfterReading("   pace = 200\r\n")), 200);
    EXPECT_EQ(Pace(SampleAfterReading("PACE=201")), 201);
}

TEST(IniReaderTest, LinesEndAtCrLfOrALoneCr) {
    const ParamStore store = SampleAfterReading("Pace=70\rHold=True\r\nRoam=False\r");
    EXPECT_EQ(Pace(store), 70);
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(true));
    EXPECT_EQ(store.GetParam("Roam"), ParamValue(false));
}

TEST(IniReaderTest, ALoneLineFeedDoesNotEndALine) {
    // The value runs on to the next CR and so is not a number.
    const ParamStore store = SampleAfterReading("Pace=70\nHold=True\n");
    EXPECT_EQ(Pace(store), 50);
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(false));
}

TEST(IniReaderTest, ABadValueKeepsTheOldOneAndReadingGoesOn) {
    const ParamStore store = SampleAfterReading("Pace=60\r\nPace=abc\r\nHold=1\r\n");
    EXPECT_EQ(Pace(store), 60);
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(true));
}

TEST(IniReaderTest, TheLastValidOccurrenceWinsInAnySection) {
    const ParamStore store =
        SampleAfterReading("[Other]\r\nPace=10\r\n[Sample]\r\nPace=20\r\n[More]\r\nPace=x\r\n");
    EXPECT_EQ(Pace(store), 20);
}

TEST(IniReaderTest, LinesWithoutEqualsOrWithUnknownKeysAreIgnored) {
    const ParamStore before = Defaults(sample::Schema());
    EXPECT_EQ(SampleAfterReading("[Sample]\r\n\r\nPace\r\nColour=5\r\nPace5=7\r\n=9\r\n"), before);
    EXPECT_EQ(SampleAfterReading(""), before);
    EXPECT_EQ(SampleAfterReading(std::string("\0\r\n\xff=\x80", 7)), before);
}

TEST(IniReaderTest, TheValueIsEverythingAfterTheFirstEquals) {
    EXPECT_EQ(Pace(SampleAfterReading("Pace==5")), 50);
    EXPECT_EQ(Pace(SampleAfterReading("Pace= -5 ")), -5);
}

struct TruthCase {
    const char* line;
    bool expected;
};

class HoldLineTest : public ::testing::TestWithParam<TruthCase> {};

TEST_P(HoldLineTest, ReadsWordsAndNumbers) {
    EXPECT_EQ(SampleAfterReading(GetParam().line).GetParam("Hold"), ParamValue(GetParam().expected))
        << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, HoldLineTest,
                         ::testing::Values(TruthCase{"Hold=true", true}, TruthCase{"Hold=1", true},
                                           TruthCase{"Hold=-1", true}, TruthCase{"Hold=TRUE", true},
                                           TruthCase{"Hold=0", false},
                                           TruthCase{"Hold=yes", false}));

TEST(IniReaderTest, AnUnconvertibleTruthValueLeavesTheSettingAlone) {
    ParamStore store = Defaults(sample::Schema());
    ReadParams("Hold=True\r\nHold=yes\r\nRoam=no\r\n", store);
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(true));
    EXPECT_EQ(store.GetParam("Roam"), ParamValue(true));
}

struct AreaCase {
    const char* line;
    std::array<std::int32_t, 4> expected;
};

class AreaLineTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(AreaLineTest, SplitsAtTheFirstThreeCommas) {
    ParamStore store = Defaults(sample::Schema());
    ReadParams("Area=1, 2, 3, 4\r\n", store);
    ReadParams(GetParam().line, store);
    EXPECT_EQ(AreaOf(store), GetParam().expected) << GetParam().line;
    EXPECT_EQ(store.GetParam("Area", 4), ParamValue(std::int32_t{0}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AreaLineTest,
    ::testing::Values(AreaCase{"Area=10,20,30,40", {10, 20, 30, 40}},
                      AreaCase{"Area=10, 20, 30, 40", {10, 20, 30, 40}},
                      AreaCase{"Area=5, x, 7, 8", {5, 2, 7, 8}},
                      AreaCase{"Area=10, 20", {10, 2, 3, 20}}, AreaCase{"Area=99", {1, 2, 3, 99}},
                      AreaCase{"Area=0, 0, 1023, 1000000", {0, 0, 1023, 1000000}},
                      AreaCase{"Area=-1280, 0, -1, 1023", {-1280, 0, -1, 1023}},
                      AreaCase{"Area=5, 6, 7, 8, 9", {5, 6, 7, 4}},
                      AreaCase{"Area=9, 9, 9, 4, 5", {9, 9, 9, 4}},
                      AreaCase{"Area=,,,", {1, 2, 3, 4}}, AreaCase{"Area=", {1, 2, 3, 4}},
                      AreaCase{"area = 6 , 7 ,8, 9 ", {6, 7, 8, 9}}));

TEST(IniReaderTest, ASchemaKnowsOnlyItsOwnKeys) {
    ParamStore store = Defaults(sample::QuietSchema());
    ReadParams("[Quiet]\r\n\r\noffset=12\r\nPace=250\r\nHold=True\r\nArea=1,2,3,4\r\n", store);
    EXPECT_EQ(store.GetParam("Offset"), ParamValue(std::int32_t{12}));
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{250}));
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(true));
}

}  // namespace
}  // namespace frame
