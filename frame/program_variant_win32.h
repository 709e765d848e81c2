#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "frame/options_dialog_win32.h"
#include "frame/main_roles.h"
#include "frame/options_form.h"
#include "frame/param_schema.h"
#include "frame/param_store.h"
#include "frame/status_work.h"
#include "runtime/resource_ids.h"

namespace frame {

// Resource names every program carries (and SUITE_PROGRAM_ICON_ID).
inline constexpr const wchar_t* kMainLayoutResource =
    SUITE_RESOURCE_NAME(SUITE_MAIN_LAYOUT_RESOURCE);
inline constexpr const wchar_t* kBackgroundBitmap = SUITE_RESOURCE_NAME(SUITE_BACKGROUND_BITMAP);

// What makes one program of the frame: its caption, keys, dialog, buttons and work.
struct ProgramVariant {
    const wchar_t* caption;       // on the taskbar button
    const wchar_t* instanceName;  // the named mutex that detects a running copy
    const ParamSchema* schema;
    const OptionsFormLayout* optionsLayout;
    const MainWindowRoles* roles;
    bool optionsDialogAtLoad;  // the settings dialog comes before the main window

    // The work behind the status toggle; it reads its settings from the store when it starts
    // and when told they changed.
    std::function<std::unique_ptr<StatusWork>(HWND mainWindow, const ParamStore& store)> makeWork;
    // The steps behind the dialog's Action buttons; null when the dialog has none. Made
    // once per main window, so that they may keep state between openings.
    std::function<std::unique_ptr<DialogActions>()> makeDialogActions;
};

}  // namespace frame
