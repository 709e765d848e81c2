// Tapnor: the mouse rapid-fire tool.
#include <windows.h>

#include "frame/program_win32.h"
#include "tapnor/tapnor_variant_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return frame::RunProgram(tapnor::Variant(), showCommand);
}
