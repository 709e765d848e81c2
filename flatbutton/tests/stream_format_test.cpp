#include "flatbutton/stream_format.h"

#include <gtest/gtest.h>

namespace flatbutton {
namespace {

TEST(StreamFormatTest, WritesSignatureVersionFlagsAndColourLittleEndian) {
    const StreamHeaderBytes bytes = EncodeStreamHeader({0x8000000F, false, true});
    const StreamHeaderBytes expected = {'S', 'L', 'K', 'N', 1, 0, 0x02, 0, 0x0F, 0, 0, 0x80};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(EncodeStreamHeader({0x00CDF5FF, true, false})[6], 0x01);
}

TEST(StreamFormatTest, ReadsBackEveryCombination) {
    for (const bool enabled : {false, true}) {
        for (const bool picture : {false, true}) {
            const StreamHeader header{0x0012ABCD, enabled, picture};
            const DecodedStreamHeader decoded = DecodeStreamHeader(EncodeStreamHeader(header));
            EXPECT_EQ(decoded.error, StreamHeaderError::None);
            EXPECT_EQ(decoded.header, header);
        }
    }
}

struct BadHeaderCase {
    const char* situation;
    std::size_t at;
    std::uint8_t value;
    StreamHeaderError expected;
};

class BadStreamHeaderTest : public ::testing::TestWithParam<BadHeaderCase> {};

TEST_P(BadStreamHeaderTest, IsRefused) {
    StreamHeaderBytes bytes = EncodeStreamHeader({0, true, false});
    bytes[GetParam().at] = GetParam().value;
    EXPECT_EQ(DecodeStreamHeader(bytes).error, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Corruptions, BadStreamHeaderTest,
    ::testing::Values(BadHeaderCase{"OtherSignature", 3, 'X', StreamHeaderError::NotThisFormat},
                      BadHeaderCase{"VersionZero", 4, 0, StreamHeaderError::NotThisFormat},
                      BadHeaderCase{"NextVersion", 4, 2, StreamHeaderError::NewerVersion},
                      BadHeaderCase{"HighVersionByte", 5, 1, StreamHeaderError::NewerVersion},
                      BadHeaderCase{"UnknownLowFlag", 6, 0x05, StreamHeaderError::UnknownFlags},
                      BadHeaderCase{"UnknownHighFlag", 7, 0x80, StreamHeaderError::UnknownFlags}),
    [](const ::testing::TestParamInfo<BadHeaderCase>& testCase) {
        return testCase.param.situation;
    });

}  // namespace
}  // namespace flatbutton
