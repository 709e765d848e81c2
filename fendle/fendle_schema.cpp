#include "fendle/fendle_schema.h"

#include "frame/hotkey_text.h"

namespace fendle {

namespace {

using frame::ParamType;
using frame::WhenWritten;

constexpr frame::ParamKey kKeys[] = {
    {.name = keys::kPosition,
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 33},
    {.name = keys::kTimer,
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 100},
    {.name = keys::kTabKey,
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 0},
    // Not Tapnor's, so that both run at once.
    {.name = keys::kHotKey,
     .type = ParamType::Text,
     .written = WhenWritten::UnlessDefault,
     .defaultText = "Ctrl+Alt+F",
     .textRule = &frame::CanonicalHotkeyText},
};

}  // namespace

const frame::ParamSchema& Schema() {
    static const frame::ParamSchema schema{kKeys};
    return schema;
}

}  // namespace fendle
