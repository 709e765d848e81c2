#include "tapnor/tapnor_settings.h"

#include "tapnor/tapnor_schema.h"

namespace tapnor {

std::int32_t TapnorSettings::IntervalMs() const {
    return store_.GetParam(keys::kTimer).AsInteger();
}

bool TapnorSettings::HoldsTab() const {
    return store_.GetParam(keys::kTabKey).AsBoolean();
}

clicker::ClickRange TapnorSettings::Range() const {
    return {
        store_.GetParam(keys::kRange, 0).AsInteger(), store_.GetParam(keys::kRange, 1).AsInteger(),
        store_.GetParam(keys::kRange, 2).AsInteger(), store_.GetParam(keys::kRange, 3).AsInteger()};
}

bool TapnorSettings::WalksCursor() const {
    return store_.GetParam(keys::kMsMove).AsBoolean();
}

bool TapnorSettings::ShowsRange() const {
    return store_.GetParam(keys::kShowRange).AsBoolean();
}

}  // namespace tapnor
