#include "frame/param_schema.h"

#include <algorithm>

#include "frame/ascii_text.h"

namespace frame {

namespace {

constexpr ParamKey kTapnorKeys[] = {
    {.name = "Timer",
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 50},
    {.name = "TabKey",
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 0},
    // Five slots; the click rectangle uses 0 to 3 and the fifth stays 0.
    {.name = "Range",
     .type = ParamType::IntegerList,
     .written = WhenWritten::Always,
     .slots = 5,
     .persistedSlots = 4,
     .listDefault = ListDefault::ScreenRectangle},
    {.name = "MsMove",
     .type = ParamType::Boolean,
     .written = WhenWritten::Always,
     .defaultValue = 1},
};

constexpr ParamKey kFendleKeys[] = {
    {.name = "Position",
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 33},
    {.name = "Timer",
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 100},
    {.name = "TabKey",
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 0},
};

}  // namespace

const ParamKey* ParamSchema::Find(std::string_view name) const {
    const auto it = std::ranges::find(keys, name, &ParamKey::name);
    return it == keys.end() ? nullptr : &*it;
}

const ParamKey* ParamSchema::FindIgnoringCase(std::string_view name) const {
    const auto it = std::ranges::find_if(
        keys, [name](const ParamKey& key) { return EqualsIgnoringCase(key.name, name); });
    return it == keys.end() ? nullptr : &*it;
}

const ParamSchema& TapnorSchema() {
    static const ParamSchema schema{kTapnorKeys};
    return schema;
}

const ParamSchema& FendleSchema() {
    static const ParamSchema schema{kFendleKeys};
    return schema;
}

}  // namespace frame
