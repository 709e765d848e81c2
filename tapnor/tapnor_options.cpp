#include "tapnor/tapnor_options.h"

#include <string>

#include "tapnor/tapnor_schema.h"

namespace tapnor {

namespace {

using enum frame::FieldKind;
using enum frame::FieldCommand;
using keys::kMsMove;
using keys::kRange;
using keys::kTabKey;
using keys::kTimer;

constexpr std::string_view kRangeBox = "txtRange";

constexpr frame::OptionField kFields[] = {
    {"txtTimer", 0, NumberBox, L"", 112, 8, 57, 18, 5, kTimer, 0, None},
    {"chkMoveRange", 0, CheckBox, L"範囲内を移動する。", 120, 40, 121, 17, 0, kMsMove, 0, None},
    {kRangeBox, 0, NumberBox, L"", 32, 56, 41, 18, 4, kRange, 0, None},
    {kRangeBox, 1, NumberBox, L"", 80, 56, 41, 18, 4, kRange, 1, None},
    {kRangeBox, 2, NumberBox, L"", 152, 56, 41, 18, 4, kRange, 2, None},
    {kRangeBox, 3, NumberBox, L"", 200, 56, 41, 18, 4, kRange, 3, None},
    {kPickRangeButton, 0, Button, L"マウスで範囲設定(&M)", 8, 80, 129, 25, 0, "", 0, Action},
    {"chkTabKey", 0, CheckBox, L"タブキーを押し続ける。", 8, 120, 137, 17, 0, kTabKey, 0, None},
    {"cmdSetting", 0, Button, L"設定(&S)", 88, 152, 73, 25, 0, "", 0, Confirm},
    {"cmdCancel", 0, Button, L"中止(&C)", 168, 152, 73, 25, 0, "", 0, Cancel},
    {"lblTimer", 0, Label, L"タイマー割り込み：", 8, 8, 97, 17, 0, "", 0, None},
    {"lblTimerUnit", 0, Label, L"ミリ秒", 176, 8, 33, 17, 0, "", 0, None},
    {"lblRange", 0, Label, L"マウスクリック範囲：", 8, 40, 101, 12, 0, "", 0, None},
    {"lblStart", 0, Label, L"開始", 8, 56, 24, 12, 0, "", 0, None},
    {"lblEnd", 0, Label, L"終了", 128, 56, 24, 12, 0, "", 0, None},
};
constexpr std::string_view kStoreOrder[] = {"txtTimer", "chkTabKey", kRangeBox, "chkMoveRange"};
// Confirmation puts the rectangle's corners in order: start ≤ end on each axis.
constexpr frame::OrderedBoxes kOrderedBoxes[] = {{{kRangeBox, 0}, {kRangeBox, 2}},
                                                 {{kRangeBox, 1}, {kRangeBox, 3}}};

}  // namespace

const frame::OptionsFormLayout& OptionsLayout() {
    static const frame::OptionsFormLayout layout{
        .caption = L"連射設定",
        .clientWidth = 246,
        .clientHeight = 182,
        .topmostOnPaint = true,
        .fields = kFields,
        .storeOrder = kStoreOrder,
        .orderedBoxes = kOrderedBoxes,
    };
    return layout;
}

std::vector<frame::FieldText> RangeBoxTexts(const std::array<std::int32_t, 4>& picked) {
    std::vector<frame::FieldText> texts;
    for (std::size_t i = 0; i < picked.size(); ++i) {
        texts.push_back({{kRangeBox, static_cast<int>(i)}, std::to_wstring(picked[i])});
    }
    return texts;
}

}  // namespace tapnor
