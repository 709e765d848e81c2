#pragma once

#include <windows.h>

#include <array>

#include "frame/options_form.h"
#include "frame/param_store.h"

namespace frame {

// Opens the range picker over the settings dialog; the picker writes the picked corners
// as text into the four range boxes before it returns.
class RangePickerLauncher {
  public:
    virtual ~RangePickerLauncher() = default;
    virtual void PickRange(HWND dialog, const std::array<HWND, 4>& rangeBoxes) = 0;
};

struct OptionsDialogSetup {
    const OptionsFormLayout* layout = nullptr;
    ParamStore* store = nullptr;
    HICON smallIcon = nullptr;
    RangePickerLauncher* rangePicker = nullptr;  // for the layout's PickRange button
};

// frmOption: shows the settings dialog modally, centred over its owner, created afresh
// from the store's values. On confirmation the values go into the store (never the file).
// True when confirmed.
bool ShowOptionsDialog(HWND owner, const OptionsDialogSetup& setup);

}  // namespace frame
