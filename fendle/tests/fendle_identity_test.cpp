// Fendle's typed settings, dialog table and main-window roles against its schema and
// stored layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/ini_codec.h"
#include "frame/tests/layout_roles.h"
#include "fendle/fendle_options.h"
#include "fendle/fendle_roles.h"
#include "fendle/fendle_schema.h"
#include "fendle/fendle_settings.h"

namespace fendle {
namespace {

using frame::ParamValue;

// Each key of the store lands in its own field of the follower's settings, and only there.
TEST(FendleSettingsTest, EachKeyOfTheStoreBecomesItsTypedField) {
    using Settings = follower::FollowSettings;
    const struct {
        const char* key;
        ParamValue value;
        void (*expect)(Settings&);
    } rows[] = {
        {"Position", ParamValue(std::int32_t{-8}), [](Settings& s) { s.distancePx = -8; }},
        {"Timer", ParamValue(std::int32_t{9}), [](Settings& s) { s.intervalMs = 9; }},
        {"TabKey", ParamValue(true), [](Settings& s) { s.holdsTab = true; }},
    };
    for (const auto& row : rows) {
        frame::ParamStore store(Schema());
        store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
        Settings expected = ReadFollowSettings(store);
        row.expect(expected);
        store.SetParam(row.key, row.value);
        EXPECT_EQ(ReadFollowSettings(store), expected) << row.key;
    }
}

TEST(FendleFormTest, StoresDistanceIntervalAndTabKeyInThatOrder) {
    frame::ParamStore store(Schema());
    store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    const frame::OptionsFormLayout& layout = OptionsLayout();
    frame::FormValues values = frame::LoadForm(layout, store);
    EXPECT_EQ(values.texts[*layout.Find("txtDist")], L"33");
    EXPECT_EQ(values.texts[*layout.Find("txtTimer")], L"100");
    values.texts[*layout.Find("txtDist")] = L"0";
    values.checks[*layout.Find("chkTabKey")] = true;
    const frame::Confirmation confirmation = frame::ConfirmForm(layout, values);
    ASSERT_EQ(confirmation.writes.size(), 3u);
    EXPECT_EQ(confirmation.writes[0].key, "Position");
    EXPECT_EQ(confirmation.writes[1].key, "Timer");
    EXPECT_EQ(confirmation.writes[2].key, "TabKey");
    frame::StoreConfirmation(confirmation, store);
    EXPECT_EQ(store.GetParam("Position"), ParamValue(std::int32_t{0}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
}

TEST(FendleFileTest, DefaultsWriteTheSectionAndAnEmptyLine) {
    frame::ParamStore store(Schema());
    store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    EXPECT_EQ(frame::WriteParams(store, "Fendle"), "[Fendle]\r\n\r\n");
}

// The dialog is built from this table: unlike Tapnor's it does not keep itself topmost.
TEST(FendleFormTest, TheTableGivesTheDialogsSizeAndFirstBox) {
    const frame::OptionsFormLayout& layout = OptionsLayout();
    EXPECT_EQ(layout.clientWidth, 230);
    EXPECT_EQ(layout.clientHeight, 118);
    EXPECT_FALSE(layout.topmostOnPaint);
    EXPECT_EQ(layout.Find("txtDist"), 0u);
    EXPECT_EQ(layout.fields[0].maxLength, 3);
}

TEST(FendleFormTest, EveryControlLiesInsideTheClientArea) {
    const frame::OptionsFormLayout& layout = OptionsLayout();
    for (const frame::OptionField& field : layout.fields) {
        EXPECT_GE(field.left, 0) << field.name;
        EXPECT_GE(field.top, 0) << field.name;
        EXPECT_LE(field.left + field.width, layout.clientWidth) << field.name;
        EXPECT_LE(field.top + field.height, layout.clientHeight) << field.name;
    }
}

TEST(FendleRolesTest, EveryRoleNamesAControlOrPictureOfTheStoredLayout) {
    EXPECT_EQ(frame_test::UnfilledRoles(FENDLE_LAYOUT_FILE, kMainRoles),
              std::vector<std::string>{});
}

}  // namespace
}  // namespace fendle
