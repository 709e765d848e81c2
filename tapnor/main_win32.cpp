// Tapnor: the mouse rapid-fire tool.
#include <windows.h>

#include <memory>

#include "clicker/click_work_win32.h"
#include "clicker/range_picker_win32.h"
#include "frame/program_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    static const frame::ProgramVariant kTapnor = {
        .caption = L"マウス連射",
        .instanceName = L"Local\\Tapnor.SingleInstance",
        .schema = &frame::TapnorSchema(),
        .optionsLayout = &frame::TapnorOptionsLayout(),
        .optionsButton = "cmdOptions",
        .optionsStoppedPicture = "imgOptionSet",
        .optionsDialogAtLoad = true,
        .makeWork = [](HWND mainWindow,
                       frame::ParamStore& store) -> std::unique_ptr<frame::StatusWork> {
            return std::make_unique<clicker::ClickWork>(mainWindow, store);
        },
        .makeRangePicker = []() -> std::unique_ptr<frame::RangePickerLauncher> {
            return std::make_unique<clicker::RangePicker>();
        },
    };
    return frame::RunProgram(kTapnor, showCommand);
}
