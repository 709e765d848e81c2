#include "fendle/fendle_settings.h"

#include "fendle/fendle_schema.h"

namespace fendle {

std::int32_t FendleSettings::DistancePx() const {
    return store_.GetParam(keys::kPosition).AsInteger();
}

std::int32_t FendleSettings::IntervalMs() const {
    return store_.GetParam(keys::kTimer).AsInteger();
}

bool FendleSettings::HoldsTab() const {
    return store_.GetParam(keys::kTabKey).AsBoolean();
}

}  // namespace fendle
