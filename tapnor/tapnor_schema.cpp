#include "tapnor/tapnor_schema.h"

#include "frame/hotkey_text.h"

namespace tapnor {

namespace {

using frame::ParamType;
using frame::WhenWritten;

constexpr frame::ParamKey kKeys[] = {
    {.name = keys::kTimer,
     .type = ParamType::Integer,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 50},
    {.name = keys::kTabKey,
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 0},
    // Five slots; the click rectangle uses 0 to 3 and the fifth stays 0.
    {.name = keys::kRange,
     .type = ParamType::IntegerList,
     .written = WhenWritten::Always,
     .slots = 5,
     .persistedSlots = 4,
     .listDefault = frame::ListDefault::ScreenRectangle},
    {.name = keys::kMsMove,
     .type = ParamType::Boolean,
     .written = WhenWritten::Always,
     .defaultValue = 1},
    // Alt+S in the program's own window, Ctrl+Alt+S everywhere.
    {.name = keys::kHotKey,
     .type = ParamType::Text,
     .written = WhenWritten::UnlessDefault,
     .defaultText = "Ctrl+Alt+S",
     .textRule = &frame::CanonicalHotkeyText},
    {.name = keys::kShowRange,
     .type = ParamType::Boolean,
     .written = WhenWritten::UnlessDefault,
     .defaultValue = 1},
};

}  // namespace

const frame::ParamSchema& Schema() {
    static const frame::ParamSchema schema{kKeys};
    return schema;
}

}  // namespace tapnor
