#include "frame/options_form.h"

#include <algorithm>
#include <utility>

namespace frame {

namespace {

using enum FieldKind;
using enum FieldCommand;

constexpr OptionField kTapnorFields[] = {
    {"txtTimer", 0, NumberBox, L"", 112, 8, 57, 18, 5, "Timer", 0, None},
    {"chkMoveRange", 0, CheckBox, L"範囲内を移動する。", 120, 40, 121, 17, 0, "MsMove", 0, None},
    {"txtRange", 0, NumberBox, L"", 32, 56, 41, 18, 4, "Range", 0, None},
    {"txtRange", 1, NumberBox, L"", 80, 56, 41, 18, 4, "Range", 1, None},
    {"txtRange", 2, NumberBox, L"", 152, 56, 41, 18, 4, "Range", 2, None},
    {"txtRange", 3, NumberBox, L"", 200, 56, 41, 18, 4, "Range", 3, None},
    {"cmdRange", 0, Button, L"マウスで範囲設定(&M)", 8, 80, 129, 25, 0, "", 0, PickRange},
    {"chkTabKey", 0, CheckBox, L"タブキーを押し続ける。", 8, 120, 137, 17, 0, "TabKey", 0, None},
    {"cmdSetting", 0, Button, L"設定(&S)", 88, 152, 73, 25, 0, "", 0, Confirm},
    {"cmdCancel", 0, Button, L"中止(&C)", 168, 152, 73, 25, 0, "", 0, Cancel},
    {"lblTimer", 0, Label, L"タイマー割り込み：", 8, 8, 97, 17, 0, "", 0, None},
    {"lblTimerUnit", 0, Label, L"ミリ秒", 176, 8, 33, 17, 0, "", 0, None},
    {"lblRange", 0, Label, L"マウスクリック範囲：", 8, 40, 101, 12, 0, "", 0, None},
    {"lblStart", 0, Label, L"開始", 8, 56, 24, 12, 0, "", 0, None},
    {"lblEnd", 0, Label, L"終了", 128, 56, 24, 12, 0, "", 0, None},
};
constexpr std::string_view kTapnorStoreOrder[] = {"txtTimer", "chkTabKey", "txtRange",
                                                  "chkMoveRange"};

constexpr OptionField kFendleFields[] = {
    {"txtDist", 0, NumberBox, L"", 112, 8, 57, 18, 3, "Position", 0, None},
    {"txtTimer", 0, NumberBox, L"", 112, 32, 57, 18, 5, "Timer", 0, None},
    {"chkTabKey", 0, CheckBox, L"タブキーを押し続ける。", 8, 56, 137, 17, 0, "TabKey", 0, None},
    {"cmdSetting", 0, Button, L"設定(&S)", 72, 88, 73, 25, 0, "", 0, Confirm},
    {"cmdCancel", 0, Button, L"中止(&C)", 152, 88, 73, 25, 0, "", 0, Cancel},
    {"lblDist", 0, Label, L"マウスからの距離：", 8, 8, 97, 17, 0, "", 0, None},
    {"lblDistUnit", 0, Label, L"ピクセル", 176, 8, 49, 17, 0, "", 0, None},
    {"lblTimer", 0, Label, L"タイマー割り込み：", 8, 32, 97, 17, 0, "", 0, None},
    {"lblTimerUnit", 0, Label, L"ミリ秒", 176, 32, 33, 17, 0, "", 0, None},
};
constexpr std::string_view kFendleStoreOrder[] = {"txtDist", "txtTimer", "chkTabKey"};

bool NumberOf(const std::wstring& text, std::int32_t& number) {
    return ParseInteger(std::wstring_view(text), number) == Conversion::Ok;
}

// Puts the smaller number into the first box of a pair; equal values stay.
void Order(FormValues& values, std::size_t first, std::size_t second) {
    std::int32_t a = 0;
    std::int32_t b = 0;
    if (NumberOf(values.texts[first], a) && NumberOf(values.texts[second], b) && a > b) {
        std::swap(values.texts[first], values.texts[second]);
    }
}

}  // namespace

std::optional<std::size_t> OptionsFormLayout::Find(std::string_view name, int arrayIndex) const {
    const auto it = std::ranges::find_if(fields, [&](const OptionField& field) {
        return field.name == name && field.arrayIndex == arrayIndex;
    });
    if (it == fields.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - fields.begin());
}

const OptionsFormLayout& TapnorOptionsLayout() {
    static const OptionsFormLayout layout{L"連射設定",      246, 182, true, true, kTapnorFields,
                                          kTapnorStoreOrder};
    return layout;
}

const OptionsFormLayout& FendleOptionsLayout() {
    static const OptionsFormLayout layout{L"Fendle設定",    230, 118, false, false, kFendleFields,
                                          kFendleStoreOrder};
    return layout;
}

bool AcceptsTypedCharacter(unsigned int characterCode) {
    return (characterCode >= '0' && characterCode <= '9') || characterCode == 8;
}

FormValues LoadForm(const OptionsFormLayout& layout, const ParamStore& store) {
    FormValues values;
    values.texts.resize(layout.fields.size());
    values.checks.resize(layout.fields.size());
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const OptionField& field = layout.fields[i];
        if (field.key.empty()) {
            continue;
        }
        const ParamValue value = store.GetParam(field.key, field.keyIndex);
        if (field.kind == FieldKind::NumberBox && value.kind() == ParamValue::Kind::Integer) {
            values.texts[i] = std::to_wstring(value.AsInteger());
        } else if (field.kind == FieldKind::CheckBox && value.kind() == ParamValue::Kind::Boolean) {
            values.checks[i] = value.AsBoolean();
        }
    }
    return values;
}

Confirmation ConfirmForm(const OptionsFormLayout& layout, FormValues& values) {
    Confirmation confirmation;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        std::int32_t number = 0;
        if (layout.fields[i].kind == FieldKind::NumberBox && !NumberOf(values.texts[i], number)) {
            confirmation.rejectedField = i;
            return confirmation;
        }
    }
    if (layout.ordersRange) {
        const auto box = [&](int index) { return *layout.Find("txtRange", index); };
        Order(values, box(0), box(2));
        Order(values, box(1), box(3));
    }
    for (const std::string_view name : layout.storeOrder) {
        for (std::size_t i = 0; i < layout.fields.size(); ++i) {
            const OptionField& field = layout.fields[i];
            if (field.name != name) {
                continue;
            }
            confirmation.writes.push_back({field.key, field.keyIndex,
                                           field.kind == FieldKind::CheckBox
                                               ? ParamValue(static_cast<bool>(values.checks[i]))
                                               : ParamValue(values.texts[i])});
        }
    }
    return confirmation;
}

void StoreConfirmation(const Confirmation& confirmation, ParamStore& store) {
    for (const ParamWrite& write : confirmation.writes) {
        store.SetParam(write.key, write.index, write.value);
    }
}

}  // namespace frame
