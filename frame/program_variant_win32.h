#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "frame/options_dialog_win32.h"
#include "frame/options_form.h"
#include "frame/param_schema.h"
#include "frame/param_store.h"
#include "frame/status_work_win32.h"

namespace frame {

// Resource names every program carries (and SUITE_PROGRAM_ICON_ID).
inline constexpr const wchar_t* kMainLayoutResource = L"FRMMAIN";
inline constexpr const wchar_t* kBackgroundBitmap = L"BACKGROUND";

// What makes one program of the frame: its caption, keys, dialog, buttons and work.
struct ProgramVariant {
    const wchar_t* caption;       // on the taskbar button
    const wchar_t* instanceName;  // the named mutex that detects a running copy
    const ParamSchema* schema;
    const OptionsFormLayout* optionsLayout;
    const char* optionsButton;          // cmdOptions / cmdOption
    const char* optionsStoppedPicture;  // imgOptionSet / imgOptionStart
    bool optionsDialogAtLoad;           // the settings dialog comes before the main window

    std::function<std::unique_ptr<StatusWork>(HWND mainWindow, ParamStore& store)> makeWork;
    // Tapnor's range picker for the dialog; null elsewhere.
    std::function<std::unique_ptr<RangePickerLauncher>()> makeRangePicker;
};

}  // namespace frame
