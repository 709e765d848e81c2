#include "frame/param_value.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

struct IntegerCase {
    const char* text;
    Conversion result;
    std::int32_t value;
};

class IntegerTextTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerTextTest, ConvertsNarrowAndWideTextAlike) {
    const IntegerCase& c = GetParam();
    std::int32_t narrow = 12345;
    EXPECT_EQ(ParseInteger(std::string_view(c.text), narrow), c.result) << c.text;
    const std::string text(c.text);
    const std::wstring wide(text.begin(), text.end());
    std::int32_t widened = 12345;
    EXPECT_EQ(ParseInteger(std::wstring_view(wide), widened), c.result) << c.text;
    const std::int32_t expected = c.result == Conversion::Ok ? c.value : 12345;
    EXPECT_EQ(narrow, expected) << c.text;
    EXPECT_EQ(widened, expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Text, IntegerTextTest,
    ::testing::Values(IntegerCase{"200", Conversion::Ok, 200},
                      IntegerCase{"  200  ", Conversion::Ok, 200},
                      IntegerCase{"-1280", Conversion::Ok, -1280},
                      IntegerCase{"+7", Conversion::Ok, 7}, IntegerCase{"007", Conversion::Ok, 7},
                      IntegerCase{"2147483647", Conversion::Ok, 2147483647},
                      IntegerCase{"-2147483648", Conversion::Ok, -2147483647 - 1},
                      IntegerCase{"2147483648", Conversion::Overflow, 0},
                      IntegerCase{"-2147483649", Conversion::Overflow, 0},
                      IntegerCase{"99999999999999999999999", Conversion::Overflow, 0},
                      IntegerCase{"", Conversion::TypeMismatch, 0},
                      IntegerCase{"   ", Conversion::TypeMismatch, 0},
                      IntegerCase{"-", Conversion::TypeMismatch, 0},
                      IntegerCase{"abc", Conversion::TypeMismatch, 0},
                      IntegerCase{"12a", Conversion::TypeMismatch, 0},
                      IntegerCase{"1 2", Conversion::TypeMismatch, 0},
                      IntegerCase{"- 5", Conversion::TypeMismatch, 0},
                      IntegerCase{"1.5", Conversion::TypeMismatch, 0},
                      IntegerCase{"1,000", Conversion::TypeMismatch, 0},
                      IntegerCase{"&H10", Conversion::TypeMismatch, 0},
                      IntegerCase{"\t5", Conversion::TypeMismatch, 0}));

struct BooleanCase {
    const char* text;
    Conversion result;
    bool value;
};

class BooleanTextTest : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(BooleanTextTest, AcceptsWordsInAnyCaseAndNumbers) {
    const BooleanCase& c = GetParam();
    for (const bool before : {false, true}) {
        bool value = before;
        EXPECT_EQ(ParseBoolean(std::string_view(c.text), value), c.result) << c.text;
        EXPECT_EQ(value, c.result == Conversion::Ok ? c.value : before) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Text, BooleanTextTest,
                         ::testing::Values(BooleanCase{"True", Conversion::Ok, true},
                                           BooleanCase{"true", Conversion::Ok, true},
                                           BooleanCase{"TRUE", Conversion::Ok, true},
                                           BooleanCase{" False ", Conversion::Ok, false},
                                           BooleanCase{"fAlSe", Conversion::Ok, false},
                                           BooleanCase{"1", Conversion::Ok, true},
                                           BooleanCase{"-1", Conversion::Ok, true},
                                           BooleanCase{"0", Conversion::Ok, false},
                                           BooleanCase{"99999999999", Conversion::Ok, true},
                                           BooleanCase{"yes", Conversion::TypeMismatch, false},
                                           BooleanCase{"Tru", Conversion::TypeMismatch, false},
                                           BooleanCase{"Truee", Conversion::TypeMismatch, false},
                                           BooleanCase{"", Conversion::TypeMismatch, false}));

TEST(ParamValueConversion, BooleansBecomeMinusOneOrZero) {
    EXPECT_EQ(ToInteger(ParamValue(true)), -1);
    EXPECT_EQ(ToInteger(ParamValue(false)), 0);
    EXPECT_TRUE(ToBoolean(ParamValue(std::int32_t{-5})));
    EXPECT_FALSE(ToBoolean(ParamValue(std::int32_t{0})));
}

TEST(ParamValueConversion, TextConvertsOrRaisesItsReason) {
    EXPECT_EQ(ToInteger(ParamValue(L"0042")), 42);
    EXPECT_TRUE(ToBoolean(ParamValue(L"true")));

    const auto reasonOf = [](auto&& convert) {
        try {
            convert();
        } catch (const ParamError& error) {
            return error.reason();
        }
        ADD_FAILURE() << "no error raised";
        return ParamError::Reason::SubscriptOutOfRange;
    };
    EXPECT_EQ(reasonOf([] { (void)ToInteger(ParamValue(L"")); }), ParamError::Reason::TypeMismatch);
    EXPECT_EQ(reasonOf([] { (void)ToInteger(ParamValue(L"4294967296")); }),
              ParamError::Reason::Overflow);
    EXPECT_EQ(reasonOf([] { (void)ToInteger(ParamValue()); }), ParamError::Reason::TypeMismatch);
    EXPECT_EQ(reasonOf([] { (void)ToBoolean(ParamValue(L"maybe")); }),
              ParamError::Reason::TypeMismatch);
}

}  // namespace
}  // namespace frame
