#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "frame/options_form.h"
#include "frame/param_store.h"

namespace frame {

// The program's own steps behind the buttons whose command is Action. A step runs while
// the dialog is disabled, with the dialog as the owner of any window it shows, and returns
// the texts the dialog puts into its boxes (none when nothing is to change).
class DialogActions {
  public:
    virtual ~DialogActions() = default;
    virtual std::vector<FieldText> Run(std::string_view button, HWND dialog) = 0;
};

struct OptionsDialogSetup {
    const OptionsFormLayout* layout = nullptr;
    ParamStore* store = nullptr;
    int iconId = 0;  // the program's icon resource, drawn at the dialog's scaling; 0: none
    DialogActions* actions = nullptr;  // for the layout's Action buttons
};

// frmOption: shows the settings dialog modally, centred over its owner, created afresh
// from the store's values. On confirmation the values go into the store (never the file).
// True when confirmed.
bool ShowOptionsDialog(HWND owner, const OptionsDialogSetup& setup);

}  // namespace frame
