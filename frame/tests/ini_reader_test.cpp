#include <gtest/gtest.h>

#include <array>
#include <string>

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

ParamStore TapnorAfterReading(std::string_view content) {
    ParamStore store = Defaults(tapnor::Schema());
    ReadParams(content, store);
    return store;
}

std::int32_t Timer(const ParamStore& store) {
    return store.GetParam("Timer").AsInteger();
}

std::array<std::int32_t, 4> RangeOf(const ParamStore& store) {
    return {store.GetParam("Range", 0).AsInteger(), store.GetParam("Range", 1).AsInteger(),
            store.GetParam("Range", 2).AsInteger(), store.GetParam("Range", 3).AsInteger()};
}

TEST(IniReaderTest, KeysIgnoreCaseAndSpacesAroundThem) {
    EXPECT_EQ(Timer(TapnorAfterReading("   timer = 200\r\n")), 200);
    EXPECT_EQ(Timer(TapnorAfterReading("TIMER=201")), 201);
}

TEST(IniReaderTest, LinesEndAtCrLfOrALoneCr) {
    const ParamStore store = TapnorAfterReading("Timer=70\rTabKey=True\r\nMsMove=False\r");
    EXPECT_EQ(Timer(store), 70);
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
    EXPECT_EQ(store.GetParam("MsMove"), ParamValue(false));
}

TEST(IniReaderTest, ALoneLineFeedDoesNotEndALine) {
    // The value runs on to the next CR and so is not a number.
    const ParamStore store = TapnorAfterReading("Timer=70\nTabKey=True\n");
    EXPECT_EQ(Timer(store), 50);
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(false));
}

TEST(IniReaderTest, ABadValueKeepsTheOldOneAndReadingGoesOn) {
    const ParamStore store = TapnorAfterReading("Timer=60\r\nTimer=abc\r\nTabKey=1\r\n");
    EXPECT_EQ(Timer(store), 60);
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
}

TEST(IniReaderTest, TheLastValidOccurrenceWinsInAnySection) {
    const ParamStore store =
        TapnorAfterReading("[Other]\r\nTimer=10\r\n[Tapnor]\r\nTimer=20\r\n[More]\r\nTimer=x\r\n");
    EXPECT_EQ(Timer(store), 20);
}

TEST(IniReaderTest, LinesWithoutEqualsOrWithUnknownKeysAreIgnored) {
    const ParamStore before = Defaults(tapnor::Schema());
    EXPECT_EQ(TapnorAfterReading("[Tapnor]\r\n\r\nTimer\r\nColour=5\r\nTimer5=7\r\n=9\r\n"),
              before);
    EXPECT_EQ(TapnorAfterReading(""), before);
    EXPECT_EQ(TapnorAfterReading(std::string("\0\r\n\xff=\x80", 7)), before);
}

TEST(IniReaderTest, TheValueIsEverythingAfterTheFirstEquals) {
    EXPECT_EQ(Timer(TapnorAfterReading("Timer==5")), 50);
    EXPECT_EQ(Timer(TapnorAfterReading("Timer= -5 ")), -5);
}

struct TruthCase {
    const char* line;
    bool expected;
};

class TabKeyLineTest : public ::testing::TestWithParam<TruthCase> {};

TEST_P(TabKeyLineTest, ReadsWordsAndNumbers) {
    EXPECT_EQ(TapnorAfterReading(GetParam().line).GetParam("TabKey"),
              ParamValue(GetParam().expected))
        << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TabKeyLineTest,
    ::testing::Values(TruthCase{"TabKey=true", true}, TruthCase{"TabKey=1", true},
                      TruthCase{"TabKey=-1", true}, TruthCase{"TabKey=TRUE", true},
                      TruthCase{"TabKey=0", false}, TruthCase{"TabKey=yes", false}));

TEST(IniReaderTest, AnUnconvertibleTruthValueLeavesTheSettingAlone) {
    ParamStore store = Defaults(tapnor::Schema());
    ReadParams("TabKey=True\r\nTabKey=yes\r\nMsMove=no\r\n", store);
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
    EXPECT_EQ(store.GetParam("MsMove"), ParamValue(true));
}

struct RangeCase {
    const char* line;
    std::array<std::int32_t, 4> expected;
};

class RangeLineTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeLineTest, SplitsAtTheFirstThreeCommas) {
    ParamStore store = Defaults(tapnor::Schema());
    ReadParams("Range=1, 2, 3, 4\r\n", store);
    ReadParams(GetParam().line, store);
    EXPECT_EQ(RangeOf(store), GetParam().expected) << GetParam().line;
    EXPECT_EQ(store.GetParam("Range", 4), ParamValue(std::int32_t{0}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RangeLineTest,
    ::testing::Values(RangeCase{"Range=10,20,30,40", {10, 20, 30, 40}},
                      RangeCase{"Range=10, 20, 30, 40", {10, 20, 30, 40}},
                      RangeCase{"Range=5, x, 7, 8", {5, 2, 7, 8}},
                      RangeCase{"Range=10, 20", {10, 2, 3, 20}},
                      RangeCase{"Range=99", {1, 2, 3, 99}},
                      RangeCase{"Range=0, 0, 1023, 1000000", {0, 0, 1023, 1000000}},
                      RangeCase{"Range=-1280, 0, -1, 1023", {-1280, 0, -1, 1023}},
                      RangeCase{"Range=5, 6, 7, 8, 9", {5, 6, 7, 4}},
                      RangeCase{"Range=9, 9, 9, 4, 5", {9, 9, 9, 4}},
                      RangeCase{"Range=,,,", {1, 2, 3, 4}}, RangeCase{"Range=", {1, 2, 3, 4}},
                      RangeCase{"range = 6 , 7 ,8, 9 ", {6, 7, 8, 9}}));

TEST(IniReaderTest, FendleKnowsOnlyItsOwnKeys) {
    ParamStore store = Defaults(fendle::Schema());
    ReadParams("[Fendle]\r\n\r\nposition=12\r\nTimer=250\r\nTabKey=True\r\nRange=1,2,3,4\r\n",
               store);
    EXPECT_EQ(store.GetParam("Position"), ParamValue(std::int32_t{12}));
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{250}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
}

}  // namespace
}  // namespace frame
