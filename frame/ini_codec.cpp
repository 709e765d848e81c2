#include "frame/ini_codec.h"

#include <cstdint>
#include <optional>
#include <string>

#include "frame/settings_text.h"

namespace frame {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void ReadInteger(std::string_view text, ParamStore& store, const ParamKey& key, int index) {
    std::int32_t number = 0;
    if (ParseInteger(text, number) == Conversion::Ok) {
        store.SetSlot(key, index, number);
    }
}

// The first three entries each take the text before the next comma, when there is one;
// the fourth takes all the text that is left.
void ReadList(std::string_view text, ParamStore& store, const ParamKey& key) {
    const int last = key.persistedSlots - 1;
    for (int index = 0; index < last; ++index) {
        const auto comma = text.find(',');
        if (comma != std::string_view::npos) {
            ReadInteger(text.substr(0, comma), store, key, index);
            text.remove_prefix(comma + 1);
        }
    }
    ReadInteger(text, store, key, last);
}

// Text its rule reads is kept as the rule writes it, other text as it stands.
void ReadText(std::string_view text, ParamStore& store, const ParamKey& key) {
    std::optional<std::string> written =
        key.textRule != nullptr ? key.textRule(text) : std::string(text);
    store.SetText(key, written ? std::move(*written) : std::string(text));
}

void ReadLine(std::string_view line, ParamStore& store) {
    line = TrimLeadingSpaces(line);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const ParamKey* key = store.schema().FindIgnoringCase(TrimSpaces(line.substr(0, equals)));
    if (key == nullptr) {
        return;
    }
    const std::string_view value = line.substr(equals + 1);
    switch (key->type) {
        case ParamType::Integer:
            ReadInteger(value, store, *key, 0);
            break;
        case ParamType::Boolean: {
            bool truth = false;
            if (ParseBoolean(value, truth) == Conversion::Ok) {
                store.SetSlot(*key, 0, truth ? 1 : 0);
            }
            break;
        }
        case ParamType::IntegerList:
            ReadList(value, store, *key);
            break;
        case ParamType::Text:
            ReadText(value, store, *key);
            break;
    }
}

bool IsWritten(const ParamStore& store, const ParamKey& key) {
    if (key.written == WhenWritten::Always || key.type == ParamType::IntegerList) {
        return true;
    }
    return key.type == ParamType::Text ? store.Text(key) != key.defaultText
                                       : store.Slot(key) != key.defaultValue;
}

}  // namespace

void ReadParams(std::string_view content, ParamStore& store) {
    while (!content.empty()) {
        const auto cr = content.find('\r');
        ReadLine(content.substr(0, cr), store);
        if (cr == std::string_view::npos) {
            break;
        }
        content.remove_prefix(cr + 1);
        if (!content.empty() && content.front() == '\n') {
            content.remove_prefix(1);
        }
    }
}

std::string WriteParams(const ParamStore& store, std::string_view productName) {
    std::string text;
    text.append("[").append(productName).append("]").append(kLineEnd);
    text.append(kLineEnd);
    for (const ParamKey& key : store.schema().keys) {
        if (!IsWritten(store, key)) {
            continue;
        }
        text.append(key.name).append("=");
        switch (key.type) {
            case ParamType::Integer:
                text.append(std::to_string(store.Slot(key)));
                break;
            case ParamType::Boolean:
                text.append(store.Slot(key) != 0 ? "True" : "False");
                break;
            case ParamType::IntegerList:
                for (int index = 0; index < key.persistedSlots; ++index) {
                    if (index > 0) {
                        text.append(", ");
                    }
                    text.append(std::to_string(store.Slot(key, index)));
                }
                break;
            case ParamType::Text:
                text.append(store.Text(key));
                break;
        }
        text.append(kLineEnd);
    }
    return text;
}

}  // namespace frame
