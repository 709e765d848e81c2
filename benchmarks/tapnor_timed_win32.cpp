// Tapnor as it ships (the same entry point, code and resources), with the time of the Win32
// calls of its start-up and ticks taken into the timeline of the benchmark that started it.
#include <windows.h>

#include "benchmarks/call_timeline_win32.h"
#include "frame/program_win32.h"
#include "tapnor/tapnor_variant_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    benchmarks::StartCallTimeline();
    return frame::RunProgram(tapnor::Variant(), showCommand);
}
