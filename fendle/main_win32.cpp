// Fendle: the cursor follower.
#include <windows.h>

#include <memory>

#include "follower/follow_work_win32.h"
#include "frame/program_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    static const frame::ProgramVariant kFendle = {
        .caption = L"Fendle",
        .instanceName = L"Local\\Fendle.SingleInstance",
        .schema = &frame::FendleSchema(),
        .optionsLayout = &frame::FendleOptionsLayout(),
        .optionsButton = "cmdOption",
        .optionsStoppedPicture = "imgOptionStart",
        .optionsDialogAtLoad = false,
        .makeWork = [](HWND, frame::ParamStore& store) -> std::unique_ptr<frame::StatusWork> {
            return std::make_unique<follower::FollowWork>(store);
        },
        .makeRangePicker = nullptr,
    };
    return frame::RunProgram(kFendle, showCommand);
}
