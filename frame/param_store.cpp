#include "frame/param_store.h"

#include <algorithm>

#include "runtime/ascii_text.h"

namespace frame {

namespace {

void CheckIndex(const ParamKey& key, int index) {
    if (key.type == ParamType::IntegerList && (index < 0 || index >= key.slots)) {
        throw ParamError(ParamError::Reason::SubscriptOutOfRange);
    }
}

int SlotIndex(const ParamKey& key, int index) {
    return key.type == ParamType::IntegerList ? index : 0;
}

// Text for a text key: the file's bytes one character each, so that any byte survives.
std::string TextOf(const ParamValue& value) {
    if (value.kind() != ParamValue::Kind::Text) {
        throw ParamError(ParamError::Reason::TypeMismatch);
    }
    std::string text;
    for (const wchar_t c : value.AsText()) {
        if (runtime::CodeOf(c) > 0xFF) {
            throw ParamError(ParamError::Reason::TypeMismatch);
        }
        text.push_back(static_cast<char>(c));
    }
    return text;
}

}  // namespace

ParamStore::ParamStore(const ParamSchema& schema) : schema_(&schema) {
    slots_.reserve(schema.keys.size());
    for (const ParamKey& key : schema.keys) {
        slots_.emplace_back(static_cast<std::size_t>(key.slots), 0);
    }
    texts_.resize(schema.keys.size());
}

void ParamStore::ResetToDefaults(const ScreenMetrics& screen) {
    for (const ParamKey& key : schema_->keys) {
        auto& slots = SlotsOf(key);
        std::fill(slots.begin(), slots.end(), 0);
        texts_.at(schema_->IndexOf(key)) = key.defaultText;
        if (key.type != ParamType::IntegerList) {
            slots[0] = key.defaultValue;
        } else if (key.listDefault == ListDefault::ScreenRectangle && slots.size() >= 4) {
            const ScreenCorner corner = LastScreenPixel(screen);
            slots[2] = corner.right;
            slots[3] = corner.bottom;
        }
    }
}

ParamValue ParamStore::GetParam(std::string_view name, int index) const {
    const ParamKey* key = schema_->Find(name);
    if (key == nullptr) {
        return {};
    }
    CheckIndex(*key, index);
    const std::int32_t slot = Slot(*key, SlotIndex(*key, index));
    if (key->type == ParamType::Boolean) {
        return ParamValue(slot != 0);
    }
    if (key->type == ParamType::Text) {
        return ParamValue(runtime::WidenAscii(Text(*key)));
    }
    return ParamValue(slot);
}

void ParamStore::SetParam(std::string_view name, int index, const ParamValue& value) {
    const ParamKey* key = schema_->Find(name);
    if (key == nullptr) {
        return;
    }
    CheckIndex(*key, index);
    if (key->type == ParamType::Text) {
        std::string text = TextOf(value);
        if (key->textRule != nullptr) {
            std::optional<std::string> written = key->textRule(text);
            if (!written) {
                throw ParamError(ParamError::Reason::TypeMismatch);
            }
            text = std::move(*written);
        }
        SetText(*key, std::move(text));
        return;
    }
    const std::int32_t converted =
        key->type == ParamType::Boolean ? (ToBoolean(value) ? 1 : 0) : ToInteger(value);
    SetSlot(*key, SlotIndex(*key, index), converted);
}

std::int32_t ParamStore::Slot(const ParamKey& key, int index) const {
    return SlotsOf(key).at(static_cast<std::size_t>(index));
}

void ParamStore::SetSlot(const ParamKey& key, int index, std::int32_t value) {
    SlotsOf(key).at(static_cast<std::size_t>(index)) = value;
}

const std::string& ParamStore::Text(const ParamKey& key) const {
    return texts_.at(schema_->IndexOf(key));
}

void ParamStore::SetText(const ParamKey& key, std::string text) {
    texts_.at(schema_->IndexOf(key)) = std::move(text);
}

std::vector<std::int32_t>& ParamStore::SlotsOf(const ParamKey& key) {
    return slots_.at(schema_->IndexOf(key));
}

const std::vector<std::int32_t>& ParamStore::SlotsOf(const ParamKey& key) const {
    return slots_.at(schema_->IndexOf(key));
}

}  // namespace frame
