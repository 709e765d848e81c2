#include "frame/options_form.h"

#include <gtest/gtest.h>

#include <array>

namespace frame {
namespace {

class TapnorFormTest : public ::testing::Test {
  protected:
    TapnorFormTest() { store.ResetToDefaults(ScreenMetrics::FromPixels(1024, 768, 96, 96)); }

    std::wstring& Text(std::string_view name, int index = 0) {
        return values.texts[*layout.Find(name, index)];
    }
    void SetRangeTexts(std::array<const wchar_t*, 4> texts) {
        for (int i = 0; i < 4; ++i) {
            Text("txtRange", i) = texts[static_cast<std::size_t>(i)];
        }
    }
    std::array<std::int32_t, 4> StoredRange() const {
        std::array<std::int32_t, 4> range{};
        for (int i = 0; i < 4; ++i) {
            range[static_cast<std::size_t>(i)] = store.GetParam("Range", i).AsInteger();
        }
        return range;
    }

    const OptionsFormLayout& layout = TapnorOptionsLayout();
    ParamStore store{TapnorSchema()};
    FormValues values = LoadForm(layout, store);
};

TEST_F(TapnorFormTest, OpensWithTheStoreValues) {
    store.SetParam("Range", 0, ParamValue(std::int32_t{-1}));
    store.SetParam("TabKey", 0, ParamValue(true));
    values = LoadForm(layout, store);
    EXPECT_EQ(Text("txtTimer"), L"50");
    EXPECT_EQ(Text("txtRange", 0), L"-1");
    EXPECT_EQ(Text("txtRange", 2), L"1023");
    EXPECT_EQ(Text("txtRange", 3), L"767");
    EXPECT_TRUE(values.checks[*layout.Find("chkTabKey")]);
    EXPECT_TRUE(values.checks[*layout.Find("chkMoveRange")]);
}

TEST_F(TapnorFormTest, ConfirmationStoresInItsOrder) {
    Text("txtTimer") = L"120";
    values.checks[*layout.Find("chkTabKey")] = true;
    values.checks[*layout.Find("chkMoveRange")] = false;
    const Confirmation confirmation = ConfirmForm(layout, values);
    ASSERT_FALSE(confirmation.rejectedField);
    std::vector<std::string> order;
    for (const ParamWrite& write : confirmation.writes) {
        order.push_back(std::string(write.key) + std::to_string(write.index));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Timer0", "TabKey0", "Range0", "Range1", "Range2",
                                               "Range3", "MsMove0"}));
    StoreConfirmation(confirmation, store);
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{120}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
    EXPECT_EQ(store.GetParam("MsMove"), ParamValue(false));
}

struct CornerCase {
    std::array<const wchar_t*, 4> typed;
    std::array<std::int32_t, 4> stored;
};

class CornerOrderTest : public TapnorFormTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(CornerOrderTest, StartEndsUpAtOrBeforeEndOnEachAxis) {
    SetRangeTexts(GetParam().typed);
    StoreConfirmation(ConfirmForm(layout, values), store);
    EXPECT_EQ(StoredRange(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, CornerOrderTest,
    ::testing::Values(CornerCase{{L"500", L"400", L"100", L"50"}, {100, 50, 500, 400}},
                      CornerCase{{L"100", L"400", L"500", L"50"}, {100, 50, 500, 400}},
                      CornerCase{{L"500", L"50", L"100", L"400"}, {100, 50, 500, 400}},
                      CornerCase{{L"300", L"300", L"300", L"300"}, {300, 300, 300, 300}},
                      CornerCase{{L"-1", L"0", L"-1280", L"9"}, {-1280, 0, -1, 9}},
                      // Compared as numbers, not as text.
                      CornerCase{{L"90", L"0", L"100", L"0"}, {90, 0, 100, 0}},
                      CornerCase{{L"0099", L"7", L"100", L"7"}, {99, 7, 100, 7}}));

TEST_F(TapnorFormTest, ANegativeValueFromTheFileIsStoredUnchanged) {
    store.SetParam("Range", 0, ParamValue(std::int32_t{-1}));
    values = LoadForm(layout, store);
    StoreConfirmation(ConfirmForm(layout, values), store);
    EXPECT_EQ(StoredRange(), (std::array<std::int32_t, 4>{-1, 0, 1023, 767}));
}

TEST_F(TapnorFormTest, ABoxThatIsNotANumberStoresNothingAndIsNamed) {
    Text("txtTimer") = L"75";
    values.checks[*layout.Find("chkTabKey")] = true;
    Text("txtRange", 1) = L"";
    Text("txtRange", 3) = L"x1";
    const ParamStore before = store;
    const Confirmation confirmation = ConfirmForm(layout, values);
    ASSERT_TRUE(confirmation.rejectedField);
    EXPECT_EQ(*confirmation.rejectedField, *layout.Find("txtRange", 1));
    EXPECT_TRUE(confirmation.writes.empty());
    StoreConfirmation(confirmation, store);
    EXPECT_EQ(store, before);
}

TEST_F(TapnorFormTest, TheFirstBadBoxInTabOrderIsNamed) {
    Text("txtRange", 0) = L"99999999999";  // outside the 32-bit range
    Text("txtTimer") = L"";
    EXPECT_EQ(*ConfirmForm(layout, values).rejectedField, *layout.Find("txtTimer"));
}

TEST(FendleFormTest, StoresDistanceIntervalAndTabKeyInThatOrder) {
    ParamStore store(FendleSchema());
    store.ResetToDefaults(ScreenMetrics::FromPixels(1024, 768, 96, 96));
    const OptionsFormLayout& layout = FendleOptionsLayout();
    FormValues values = LoadForm(layout, store);
    EXPECT_EQ(values.texts[*layout.Find("txtDist")], L"33");
    EXPECT_EQ(values.texts[*layout.Find("txtTimer")], L"100");
    values.texts[*layout.Find("txtDist")] = L"0";
    values.checks[*layout.Find("chkTabKey")] = true;
    const Confirmation confirmation = ConfirmForm(layout, values);
    ASSERT_EQ(confirmation.writes.size(), 3u);
    EXPECT_EQ(confirmation.writes[0].key, "Position");
    EXPECT_EQ(confirmation.writes[1].key, "Timer");
    EXPECT_EQ(confirmation.writes[2].key, "TabKey");
    StoreConfirmation(confirmation, store);
    EXPECT_EQ(store.GetParam("Position"), ParamValue(std::int32_t{0}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
}

TEST(OptionsLayoutTest, EveryControlLiesInsideTheClientArea) {
    for (const OptionsFormLayout* layout : {&TapnorOptionsLayout(), &FendleOptionsLayout()}) {
        for (const OptionField& field : layout->fields) {
            EXPECT_GE(field.left, 0) << field.name;
            EXPECT_GE(field.top, 0) << field.name;
            EXPECT_LE(field.left + field.width, layout->clientWidth) << field.name;
            EXPECT_LE(field.top + field.height, layout->clientHeight) << field.name;
        }
    }
}

TEST(TypedCharacterTest, OnlyDigitsAndBackspaceGetThrough) {
    for (unsigned int c = 0; c < 0x3000; ++c) {
        const bool expected = (c >= '0' && c <= '9') || c == 8;
        EXPECT_EQ(AcceptsTypedCharacter(c), expected) << c;
    }
    EXPECT_FALSE(AcceptsTypedCharacter(0xFF10));  // full-width digit zero
}

}  // namespace
}  // namespace frame
