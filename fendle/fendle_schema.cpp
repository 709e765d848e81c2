#include "fendle/fendle_schema.h"

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
};

}  // namespace

const frame::ParamSchema& Schema() {
    static const frame::ParamSchema schema{kKeys};
    return schema;
}

}  // namespace fendle
