#include "fendle/fendle_options.h"

#include "fendle/fendle_schema.h"

namespace fendle {

namespace {

using enum frame::FieldKind;
using enum frame::FieldCommand;
using keys::kPosition;
using keys::kTabKey;
using keys::kTimer;

constexpr frame::OptionField kFields[] = {
    {"txtDist", 0, NumberBox, L"", 112, 8, 57, 18, 3, kPosition, 0, None},
    {"txtTimer", 0, NumberBox, L"", 112, 32, 57, 18, 5, kTimer, 0, None},
    {"chkTabKey", 0, CheckBox, L"タブキーを押し続ける。", 8, 56, 137, 17, 0, kTabKey, 0, None},
    {"cmdSetting", 0, Button, L"設定(&S)", 72, 88, 73, 25, 0, "", 0, Confirm},
    {"cmdCancel", 0, Button, L"中止(&C)", 152, 88, 73, 25, 0, "", 0, Cancel},
    {"lblDist", 0, Label, L"マウスからの距離：", 8, 8, 97, 17, 0, "", 0, None},
    {"lblDistUnit", 0, Label, L"ピクセル", 176, 8, 49, 17, 0, "", 0, None},
    {"lblTimer", 0, Label, L"タイマー割り込み：", 8, 32, 97, 17, 0, "", 0, None},
    {"lblTimerUnit", 0, Label, L"ミリ秒", 176, 32, 33, 17, 0, "", 0, None},
};
constexpr std::string_view kStoreOrder[] = {"txtDist", "txtTimer", "chkTabKey"};

}  // namespace

const frame::OptionsFormLayout& OptionsLayout() {
    static const frame::OptionsFormLayout layout{
        .caption = L"Fendle設定",
        .clientWidth = 230,
        .clientHeight = 118,
        .topmostOnPaint = false,
        .fields = kFields,
        .storeOrder = kStoreOrder,
    };
    return layout;
}

}  // namespace fendle
