// Tapnor's typed settings and main-window roles against its schema and stored layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/ini_codec.h"
#include "frame/tests/layout_roles.h"
#include "tapnor/tapnor_roles.h"
#include "tapnor/tapnor_schema.h"
#include "tapnor/tapnor_settings.h"

namespace tapnor {
namespace {

using frame::ParamValue;

// Each key of the store lands in its own field of the engine's settings, and only there.
TEST(TapnorSettingsTest, EachKeyOfTheStoreBecomesItsTypedField) {
    using Settings = clicker::ClickSettings;
    const struct {
        const char* key;
        int index;
        ParamValue value;
        void (*expect)(Settings&);
    } rows[] = {
        {"Timer", 0, ParamValue(std::int32_t{7}), [](Settings& s) { s.intervalMs = 7; }},
        {"TabKey", 0, ParamValue(true), [](Settings& s) { s.holdsTab = true; }},
        {"Range", 0, ParamValue(std::int32_t{-5}), [](Settings& s) { s.range.left = -5; }},
        {"Range", 1, ParamValue(std::int32_t{-6}), [](Settings& s) { s.range.top = -6; }},
        {"Range", 2, ParamValue(std::int32_t{70}), [](Settings& s) { s.range.right = 70; }},
        {"Range", 3, ParamValue(std::int32_t{80}), [](Settings& s) { s.range.bottom = 80; }},
        {"MsMove", 0, ParamValue(false), [](Settings& s) { s.walksCursor = false; }},
    };
    for (const auto& row : rows) {
        frame::ParamStore store(Schema());
        store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
        Settings expected = ReadClickSettings(store);
        row.expect(expected);
        store.SetParam(row.key, row.index, row.value);
        EXPECT_EQ(ReadClickSettings(store), expected) << row.key << " " << row.index;
    }
}

TEST(TapnorFileTest, DefaultsWriteOnlyRangeAndMsMove) {
    frame::ParamStore store(Schema());
    store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    EXPECT_EQ(frame::WriteParams(store, "Tapnor"),
              "[Tapnor]\r\n\r\nRange=0, 0, 1023, 767\r\nMsMove=True\r\n");
}

TEST(TapnorRolesTest, EveryRoleNamesAControlOrPictureOfTheStoredLayout) {
    EXPECT_EQ(frame_test::UnfilledRoles(TAPNOR_LAYOUT_FILE, kMainRoles),
              std::vector<std::string>{});
}

}  // namespace
}  // namespace tapnor
