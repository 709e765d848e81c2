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

TEST(TapnorSettingsTest, ReadsEachKeyOfTheStoreAtTheMomentOfUse) {
    frame::ParamStore store(Schema());
    store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    const TapnorSettings settings(store);
    EXPECT_EQ(settings.IntervalMs(), 50);
    EXPECT_FALSE(settings.HoldsTab());
    EXPECT_TRUE(settings.WalksCursor());
    EXPECT_EQ(settings.Range().right, 1023);

    store.SetParam("Timer", ParamValue(std::int32_t{7}));
    store.SetParam("TabKey", ParamValue(true));
    store.SetParam("MsMove", ParamValue(false));
    const std::int32_t corners[] = {-5, 6, 70, 80};
    for (int i = 0; i < 4; ++i) {
        store.SetParam("Range", i, ParamValue(corners[i]));
    }
    EXPECT_EQ(settings.IntervalMs(), 7);
    EXPECT_TRUE(settings.HoldsTab());
    EXPECT_FALSE(settings.WalksCursor());
    const clicker::ClickRange range = settings.Range();
    EXPECT_EQ((std::array{range.left, range.top, range.right, range.bottom}),
              (std::array<std::int32_t, 4>{-5, 6, 70, 80}));
}

TEST(TapnorFileTest, DefaultsWriteOnlyRangeAndMsMove) {
    frame::ParamStore store(Schema());
    store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
    EXPECT_EQ(frame::WriteParams(store, "Tapnor"),
              "[Tapnor]\r\n\r\nRange=0, 0, 1023, 767\r\nMsMove=True\r\n");
}

// A file as the program wrote it before the hotkey and the outline comes back byte for byte;
// ShowRange is written only when off.
TEST(TapnorFileTest, AFileWithoutTheLaterKeysComesBackByteForByte) {
    for (const std::string file :
         {"[Tapnor]\r\n\r\nRange=0, 0, 1023, 767\r\nMsMove=True\r\n",
          "[Tapnor]\r\n\r\nTimer=120\r\nTabKey=True\r\nRange=-8, 80, 639, 479\r\nMsMove=False\r\n",
          "[Tapnor]\r\n\r\nRange=1, 2, 3, 4\r\nMsMove=True\r\nShowRange=False\r\n"}) {
        frame::ParamStore store(Schema());
        store.ResetToDefaults(frame::ScreenMetrics::FromPixels(1024, 768, 96, 96));
        frame::ReadParams(file, store);
        EXPECT_EQ(frame::WriteParams(store, "Tapnor"), file);
    }
}

TEST(TapnorRolesTest, EveryRoleNamesAControlOrPictureOfTheStoredLayout) {
    EXPECT_EQ(frame_test::UnfilledRoles(TAPNOR_LAYOUT_FILE, kMainRoles),
              std::vector<std::string>{});
}

}  // namespace
}  // namespace tapnor
