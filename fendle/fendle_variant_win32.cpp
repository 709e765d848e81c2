#include "fendle/fendle_variant_win32.h"

#include <memory>

#include "fendle/fendle_options.h"
#include "fendle/fendle_roles.h"
#include "fendle/fendle_schema.h"
#include "fendle/fendle_settings.h"
#include "follower/follow_work_win32.h"

namespace fendle {

const frame::ProgramVariant& Variant() {
    static const frame::ProgramVariant variant = {
        .caption = L"Fendle",
        .instanceName = L"Local\\Fendle.SingleInstance",
        .schema = &Schema(),
        .optionsLayout = &OptionsLayout(),
        .roles = &kMainRoles,
        .optionsDialogAtLoad = false,
        .makeWork = [](HWND, frame::ParamStore& store) -> std::unique_ptr<frame::WindowWork> {
            return std::make_unique<follower::FollowWork>(std::make_unique<FendleSettings>(store));
        },
        .makeDialogActions = nullptr,
    };
    return variant;
}

}  // namespace fendle
