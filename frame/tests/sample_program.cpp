#include "frame/tests/sample_program.h"

namespace sample {

namespace {

using enum frame::FieldKind;
using enum frame::FieldCommand;
using frame::ParamType;
using frame::WhenWritten;
using namespace keys;

constexpr frame::ParamKey kKeys[] = {
    {.name = kPace,
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 50},
    {.name = kHold,
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 0},
    {.name = kArea,
     .type = ParamType::IntegerList,
     .written = WhenWritten::Always,
     .slots = 5,
     .persistedSlots = 4,
     .listDefault = frame::ListDefault::ScreenRectangle},
    {.name = kRoam, .type = ParamType::Boolean, .written = WhenWritten::Always, .defaultValue = 1},
};

constexpr frame::ParamKey kQuietKeys[] = {
    {.name = kOffset,
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 33},
    {.name = kPace,
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 100},
    {.name = kHold,
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 0},
};

constexpr frame::OptionField kFields[] = {
    {"txtPace", 0, NumberBox, L"", 112, 8, 57, 18, 5, kPace, 0, None},
    {"chkRoam", 0, CheckBox, L"歩き回る", 120, 40, 121, 17, 0, kRoam, 0, None},
    {"txtArea", 0, NumberBox, L"", 32, 56, 41, 18, 4, kArea, 0, None},
    {"txtArea", 1, NumberBox, L"", 80, 56, 41, 18, 4, kArea, 1, None},
    {"txtArea", 2, NumberBox, L"", 152, 56, 41, 18, 4, kArea, 2, None},
    {"txtArea", 3, NumberBox, L"", 200, 56, 41, 18, 4, kArea, 3, None},
    {"cmdPick", 0, Button, L"選ぶ(&P)", 8, 80, 129, 25, 0, "", 0, Action},
    {"chkHold", 0, CheckBox, L"押さえる", 8, 120, 137, 17, 0, kHold, 0, None},
    {"cmdOk", 0, Button, L"OK", 88, 152, 73, 25, 0, "", 0, Confirm},
    {"cmdBack", 0, Button, L"やめる", 168, 152, 73, 25, 0, "", 0, Cancel},
    {"lblArea", 0, Label, L"範囲：", 8, 40, 101, 12, 0, "", 0, None},
};
constexpr std::string_view kStoreOrder[] = {"txtPace", "chkHold", "txtArea", "chkRoam"};
constexpr frame::OrderedBoxes kOrderedBoxes[] = {{{"txtArea", 0}, {"txtArea", 2}},
                                                 {{"txtArea", 1}, {"txtArea", 3}}};

constexpr frame::OptionField kQuietFields[] = {
    {"txtOffset", 0, NumberBox, L"", 112, 8, 57, 18, 3, kOffset, 0, None},
    {"cmdOk", 0, Button, L"OK", 72, 88, 73, 25, 0, "", 0, Confirm},
    {"cmdBack", 0, Button, L"やめる", 152, 88, 73, 25, 0, "", 0, Cancel},
};
constexpr std::string_view kQuietStoreOrder[] = {"txtOffset"};

}  // namespace

const frame::ParamSchema& Schema() {
    static const frame::ParamSchema schema{kKeys};
    return schema;
}

const frame::ParamSchema& QuietSchema() {
    static const frame::ParamSchema schema{kQuietKeys};
    return schema;
}

const frame::OptionsFormLayout& Layout() {
    static const frame::OptionsFormLayout layout{
        .caption = L"見本の設定",
        .clientWidth = 246,
        .clientHeight = 182,
        .topmostOnPaint = true,
        .fields = kFields,
        .storeOrder = kStoreOrder,
        .orderedBoxes = kOrderedBoxes,
    };
    return layout;
}

const frame::OptionsFormLayout& QuietLayout() {
    static const frame::OptionsFormLayout layout{
        .caption = L"静かな見本の設定",
        .clientWidth = 230,
        .clientHeight = 118,
        .topmostOnPaint = false,
        .fields = kQuietFields,
        .storeOrder = kQuietStoreOrder,
    };
    return layout;
}

}  // namespace sample
