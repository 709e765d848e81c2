#include "fendle/fendle_variant_win32.h"

#include <memory>

#include "fendle/fendle_options.h"
#include "fendle/fendle_roles.h"
#include "fendle/fendle_schema.h"
#include "fendle/fendle_settings.h"
#include "follower/follow_work_win32.h"

namespace fendle {

namespace {

// What Fendle's status toggle starts and stops: the follower, which takes its settings from
// the store when it starts and whenever they are changed.
class FendleWork final : public frame::StatusWork {
  public:
    explicit FendleWork(const frame::ParamStore& store) : store_(store) {}

    void Start() override { follower_.Start(ReadFollowSettings(store_)); }
    void Stop() override { follower_.Stop(); }
    void ApplySettings() override { follower_.ApplySettings(ReadFollowSettings(store_)); }
    void Close() override { follower_.Close(); }

  private:
    const frame::ParamStore& store_;
    follower::FollowWork follower_;
};

}  // namespace

const frame::ProgramVariant& Variant() {
    static const frame::ProgramVariant variant = {
        .caption = L"Fendle",
        .instanceName = L"Local\\Fendle.SingleInstance",
        .schema = &Schema(),
        .optionsLayout = &OptionsLayout(),
        .roles = &kMainRoles,
        .optionsDialogAtLoad = false,
        .makeWork = [](HWND, const frame::ParamStore& store) -> std::unique_ptr<frame::StatusWork> {
            return std::make_unique<FendleWork>(store);
        },
        .makeDialogActions = nullptr,
    };
    return variant;
}

}  // namespace fendle
