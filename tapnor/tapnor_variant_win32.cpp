#include "tapnor/tapnor_variant_win32.h"

#include <memory>

#include "clicker/range_picker_win32.h"
#include "tapnor/tapnor_options.h"
#include "tapnor/tapnor_roles.h"
#include "tapnor/tapnor_schema.h"
#include "tapnor/tapnor_work_win32.h"

namespace tapnor {

namespace {

// The mouse button of the dialog: the picked rectangle goes into the range boxes.
class RangeAction final : public frame::DialogActions {
  public:
    std::vector<frame::FieldText> Run(std::string_view button, HWND dialog) override {
        if (button != kPickRangeButton) {
            return {};
        }
        const auto picked = picker_.PickRange(dialog);
        return picked ? RangeBoxTexts(*picked) : std::vector<frame::FieldText>{};
    }

  private:
    clicker::RangePicker picker_;  // keeps its last points between openings
};

}  // namespace

const frame::ProgramVariant& Variant() {
    static const frame::ProgramVariant variant = {
        .caption = L"マウス連射",
        .instanceName = L"Local\\Tapnor.SingleInstance",
        .schema = &Schema(),
        .optionsLayout = &OptionsLayout(),
        .roles = &kMainRoles,
        .optionsDialogAtLoad = true,
        .makeWork = [](HWND mainWindow,
                       const frame::ParamStore& store) -> std::unique_ptr<frame::StatusWork> {
            return std::make_unique<TapnorWork>(mainWindow, store);
        },
        .makeDialogActions = []() -> std::unique_ptr<frame::DialogActions> {
            return std::make_unique<RangeAction>();
        },
    };
    return variant;
}

}  // namespace tapnor
