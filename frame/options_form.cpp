#include "frame/options_form.h"

#include <algorithm>
#include <utility>

namespace frame {

namespace {

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

std::optional<unsigned int> NumberBoxCharacter(unsigned int characterCode) noexcept {
    constexpr unsigned int kFullWidthZero = 0xFF10;
    if ((characterCode >= '0' && characterCode <= '9') || characterCode == 8) {
        return characterCode;
    }
    if (characterCode >= kFullWidthZero && characterCode <= kFullWidthZero + 9) {
        return characterCode - kFullWidthZero + '0';
    }
    return std::nullopt;
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
    for (const OrderedBoxes& pair : layout.orderedBoxes) {
        const std::optional<std::size_t> first = layout.Find(pair.first);
        const std::optional<std::size_t> second = layout.Find(pair.second);
        if (first && second) {
            Order(values, *first, *second);
        }
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
