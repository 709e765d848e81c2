// The click recorder of the cadence benchmark, a process of its own so that the clickers
// under test pay for a low-level hook in another process as they would on a user's desk:
// a plain window for the clicks to land on, and a low-level mouse hook that takes the
// performance-counter time of every left-button down into shared memory.
//
//   click_recorder.exe <left> <top> <width> <height>
#include <windows.h>

#include "benchmarks/click_stamps_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/unique_handle_win32.h"

namespace {

benchmarks::ClickStamps* gStamps = nullptr;

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_LBUTTONDOWN) {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        const LONG count = gStamps->count;
        gStamps->stamps[count % benchmarks::ClickStamps::kCapacity] = now.QuadPart;
        ::InterlockedExchange(&gStamps->count, count + 1);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (__argc < 5) {
        return 2;
    }
    const runtime::UniqueKernelHandle mapping(
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                             sizeof(benchmarks::ClickStamps), benchmarks::ClickStamps::kName));
    if (!mapping) {
        return 1;
    }
    const runtime::UniqueMappedView view(
        ::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(benchmarks::ClickStamps)));
    gStamps = static_cast<benchmarks::ClickStamps*>(view.get());

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"SuiteClickRecorder";
    ::RegisterClassW(&windowClass);
    ::CreateWindowExW(0, windowClass.lpszClassName, L"ClickRecorder", WS_POPUP | WS_VISIBLE,
                      _wtoi(__wargv[1]), _wtoi(__wargv[2]), _wtoi(__wargv[3]), _wtoi(__wargv[4]),
                      nullptr, nullptr, instance, nullptr);
    const runtime::UniqueHook hook(::SetWindowsHookExW(WH_MOUSE_LL, &MouseHook, instance, 0));
    if (!hook || gStamps == nullptr) {
        return 1;
    }
    const runtime::UniqueKernelHandle ready(
        ::CreateEventW(nullptr, TRUE, FALSE, benchmarks::ClickStamps::kReadyEvent));
    ::SetEvent(ready.get());

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}
