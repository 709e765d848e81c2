#include "runtime/monitor_win32.h"

#include "runtime/screen_dpi_win32.h"
#include "runtime/unique_handle_win32.h"

namespace runtime {

namespace {

EdgeRect EdgesOf(const RECT& rect) noexcept {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// GetDpiForMonitor (shcore.dll) came with Windows 8.1; the programs also run on Windows 7,
// so it is looked up at run time and the system's dots per inch stand in without it. Under
// per-monitor awareness it gives each monitor's own scaling ("GetDpiForMonitor function").
int MonitorDpi(HMONITOR monitor) noexcept {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const UniqueModule shcore(
        ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    static const auto getDpiForMonitor =
        shcore ? reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void (*)()>(
                     ::GetProcAddress(shcore.get(), "GetDpiForMonitor")))
               : nullptr;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0;
    UINT y = 0;
    if (getDpiForMonitor != nullptr && monitor != nullptr &&
        SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return static_cast<int>(x);
    }
    return ScreenDotsPerInch().x;
}

MonitorArea AreaOf(HMONITOR monitor) noexcept {
    MonitorArea area;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (monitor != nullptr && ::GetMonitorInfoW(monitor, &info)) {
        area.bounds = EdgesOf(info.rcMonitor);
        area.work = EdgesOf(info.rcWork);
    } else {
        area.bounds = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        area.work = area.bounds;
    }
    area.dpi = MonitorDpi(monitor);
    return area;
}

}  // namespace

MonitorArea MonitorOfWindow(HWND window) noexcept {
    return AreaOf(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

MonitorArea MonitorAtPoint(POINT point) noexcept {
    return AreaOf(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

MonitorArea PrimaryMonitor() noexcept {
    return AreaOf(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

int DpiAtPoint(POINT point) noexcept {
    return MonitorDpi(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

EdgeRect VirtualScreen() noexcept {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace runtime
