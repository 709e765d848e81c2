#include "fendle/fendle_settings.h"

#include "fendle/fendle_schema.h"

namespace fendle {

follower::FollowSettings ReadFollowSettings(const frame::ParamStore& store) {
    return {
        .distancePx = store.GetParam(keys::kPosition).AsInteger(),
        .intervalMs = store.GetParam(keys::kTimer).AsInteger(),
        .holdsTab = store.GetParam(keys::kTabKey).AsBoolean(),
    };
}

}  // namespace fendle
