#include "frame/ini_codec.h"

#include <cstdint>

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
    }
}

bool IsWritten(const ParamStore& store, const ParamKey& key) {
    return key.written == WhenWritten::Always || key.type == ParamType::IntegerList ||
           store.Slot(key) != key.defaultValue;
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
        }
        text.append(kLineEnd);
    }
    return text;
}

}  // namespace frame
