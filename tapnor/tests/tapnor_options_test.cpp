#include "tapnor/tapnor_options.h"

#include <gtest/gtest.h>

#include <array>

#include "tapnor/tapnor_schema.h"

namespace tapnor {
namespace {

using namespace frame;

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

    const OptionsFormLayout& layout = OptionsLayout();
    ParamStore store{Schema()};
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

// The dialog is built from this table: its size, captions, places and tab order.
TEST_F(TapnorFormTest, TheTableGivesTheDialogsSizeCaptionsAndTabOrder) {
    EXPECT_EQ(layout.clientWidth, 246);
    EXPECT_EQ(layout.clientHeight, 182);
    EXPECT_TRUE(layout.topmostOnPaint);
    EXPECT_EQ(std::wstring(layout.fields[*layout.Find("cmdRange")].caption),
              L"マウスで範囲設定(&M)");
    EXPECT_EQ(std::wstring(layout.fields[*layout.Find("lblRange")].caption),
              L"マウスクリック範囲：");
    const OptionField& box = layout.fields[*layout.Find("txtRange", 2)];
    EXPECT_EQ((std::array{box.left, box.top, box.width, box.height}),
              (std::array{152, 56, 41, 18}));
    const FieldRef tabOrder[] = {
        {"txtTimer"},    {"chkMoveRange"}, {"txtRange", 0}, {"txtRange", 1}, {"txtRange", 2},
        {"txtRange", 3}, {"cmdRange"},     {"chkTabKey"},   {"cmdSetting"},  {"cmdCancel"}};
    for (std::size_t i = 0; i < std::size(tabOrder); ++i) {
        EXPECT_EQ(layout.Find(tabOrder[i]), i) << tabOrder[i].name;
    }
}

TEST_F(TapnorFormTest, EveryControlLiesInsideTheClientArea) {
    for (const OptionField& field : layout.fields) {
        EXPECT_GE(field.left, 0) << field.name;
        EXPECT_GE(field.top, 0) << field.name;
        EXPECT_LE(field.left + field.width, layout.clientWidth) << field.name;
        EXPECT_LE(field.top + field.height, layout.clientHeight) << field.name;
    }
}

TEST_F(TapnorFormTest, APickedRectangleFillsTheFourRangeBoxesAsPicked) {
    const std::vector<FieldText> texts = RangeBoxTexts({500, -4, 100, 2160});
    ASSERT_EQ(texts.size(), 4u);
    for (const FieldText& text : texts) {
        ASSERT_TRUE(layout.Find(text.field)) << text.field.name;
        Text(text.field.name, text.field.arrayIndex) = text.text;
    }
    EXPECT_EQ(Text("txtRange", 0), L"500");
    EXPECT_EQ(Text("txtRange", 1), L"-4");
    EXPECT_EQ(Text("txtRange", 2), L"100");
    EXPECT_EQ(Text("txtRange", 3), L"2160");
    EXPECT_EQ(layout.fields[*layout.Find(kPickRangeButton)].command, FieldCommand::Action);
}

}  // namespace
}  // namespace tapnor
