// Fendle: the cursor follower.
#include <windows.h>

#include "fendle/fendle_variant_win32.h"
#include "frame/program_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return frame::RunProgram(fendle::Variant(), showCommand);
}
