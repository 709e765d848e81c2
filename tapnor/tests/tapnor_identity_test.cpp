// Tapnor's typed settings and main-window roles against its schema and stored layout.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "frame/form_layout.h"
#include "frame/ini_codec.h"
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

TEST(TapnorRolesTest, EveryRoleNamesAControlOrPictureOfTheStoredLayout) {
    std::ifstream file(TAPNOR_LAYOUT_FILE, std::ios::binary);
    ASSERT_TRUE(file) << TAPNOR_LAYOUT_FILE;
    std::ostringstream read;
    read << file.rdbuf();
    // The build puts the control's class identifier in place of its placeholder.
    std::string text = read.str();
    for (std::size_t at; (at = text.find("@SLEEKON_CLSID@")) != std::string::npos;) {
        text.replace(at, std::string_view("@SLEEKON_CLSID@").size(),
                     "{00000000-0000-0000-0000-000000000000}");
    }
    const frame::LayoutParse parse = frame::ParseFormLayout(text);
    ASSERT_TRUE(parse.layout) << parse.error.line << ": " << parse.error.message;
    using Kind = frame::LayoutItem::Kind;
    const auto expect = [&](std::string_view name, Kind kind) {
        const frame::LayoutItem* item = parse.layout->Find(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->kind, kind) << name;
    };
    const frame::MainWindowRoles& roles = kMainRoles;
    for (const std::string_view button :
         {roles.status, roles.options, roles.quit, roles.close, roles.minimize}) {
        expect(button, Kind::Control);
    }
    for (const std::string_view picture : {roles.title, roles.startFace, roles.stopFace,
                                           roles.optionsStoppedFace, roles.optionsRunningFace}) {
        expect(picture, Kind::Image);
    }
}

}  // namespace
}  // namespace tapnor
