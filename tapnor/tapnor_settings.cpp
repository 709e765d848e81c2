#include "tapnor/tapnor_settings.h"

#include "tapnor/tapnor_schema.h"

namespace tapnor {

clicker::ClickSettings ReadClickSettings(const frame::ParamStore& store) {
    const auto range = [&store](int index) {
        return store.GetParam(keys::kRange, index).AsInteger();
    };
    return {
        .intervalMs = store.GetParam(keys::kTimer).AsInteger(),
        .holdsTab = store.GetParam(keys::kTabKey).AsBoolean(),
        .range = {range(0), range(1), range(2), range(3)},
        .walksCursor = store.GetParam(keys::kMsMove).AsBoolean(),
    };
}

}  // namespace tapnor
