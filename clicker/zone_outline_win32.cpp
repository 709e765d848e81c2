#include "clicker/zone_outline_win32.h"

#include <iterator>
#include <optional>
#include <string_view>

#include "clicker/zone_ring.h"
#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"

namespace clicker {

namespace {

constexpr UINT kHoldChanged = WM_APP + 0x51;
constexpr UINT_PTR kStayOnTopTimer = 1;
constexpr UINT kStayOnTopMs = 500;

// How many HiddenWhile stand on this thread, the only one that touches the outlines.
int gHeldHidden = 0;

runtime::EdgeRect VirtualScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Screen captures leave the window out from Windows 10 version 2004 on; before, the same
// affinity would show it black in them ("SetWindowDisplayAffinity function",
// WDA_EXCLUDEFROMCAPTURE, remarks), so it is asked for only there ("VerifyVersionInfoW
// function"; the manifest names Windows 10, so the true version is compared).
void ExcludeFromCapture(HWND window) {
    using SetAffinityFunction = BOOL(WINAPI*)(HWND, DWORD);
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const auto setAffinity =
        user32 == nullptr ? nullptr
                          : reinterpret_cast<SetAffinityFunction>(reinterpret_cast<void (*)()>(
                                ::GetProcAddress(user32, "SetWindowDisplayAffinity")));
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwMajorVersion = 10;
    version.dwBuildNumber = 19041;  // version 2004
    ULONGLONG condition = 0;
    condition = ::VerSetConditionMask(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    condition = ::VerSetConditionMask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    condition = ::VerSetConditionMask(condition, VER_BUILDNUMBER, VER_GREATER_EQUAL);
    constexpr DWORD kExcludeFromCapture = 0x11;  // WDA_EXCLUDEFROMCAPTURE
    if (setAffinity != nullptr &&
        ::VerifyVersionInfoW(&version, VER_MAJORVERSION | VER_MINORVERSION | VER_BUILDNUMBER,
                             condition)) {
        setAffinity(window, kExcludeFromCapture);
    }
}

BOOL CALLBACK TellOutline(HWND window, LPARAM) {
    wchar_t className[32] = {};
    if (::GetClassNameW(window, className, static_cast<int>(std::size(className))) > 0 &&
        std::wstring_view(className) == ZoneOutline::kClassName) {
        ::SendMessageW(window, kHoldChanged, 0, 0);
    }
    return TRUE;
}

void TellOutlines() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &TellOutline, 0);
}

// Whether a visible window of another program stands above this one.
bool AnotherProgramAbove(HWND window) {
    const DWORD self = ::GetCurrentProcessId();
    for (HWND above = ::GetWindow(window, GW_HWNDPREV); above != nullptr;
         above = ::GetWindow(above, GW_HWNDPREV)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(above, &process);
        if (process != self && ::IsWindowVisible(above)) {
            return true;
        }
    }
    return false;
}

}  // namespace

ZoneOutline::HiddenWhile::HiddenWhile() {
    ++gHeldHidden;
    TellOutlines();
}

ZoneOutline::HiddenWhile::~HiddenWhile() {
    --gHeldHidden;
    TellOutlines();
}

void ZoneOutline::Show(const ClickRange& range) {
    range_ = range;
    wanted_ = true;
    if (hwnd() == nullptr) {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        RegisterClassOnce(instance);
        // Placed by LayOut, which runs once it is made.
        CreateWindowHandle(
            instance,
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
            L"", WS_POPUP, 0, 0, 1, 1, nullptr);
        return;
    }
    LayOut(runtime::WindowDpi(hwnd()));
}

void ZoneOutline::Hide() {
    wanted_ = false;
    Apply();
}

void ZoneOutline::LayOut(int dpi) {
    const std::optional<ZoneRing> ring =
        RingAround(range_, runtime::ScaleEdge(kThickness, dpi), VirtualScreen());
    if (!ring) {
        ::KillTimer(hwnd(), kStayOnTopTimer);
        ::ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    const runtime::EdgeRect& outer = ring->outer;
    ::SetWindowPos(hwnd(), HWND_TOPMOST, outer.left, outer.top, outer.width(), outer.height(),
                   SWP_NOACTIVATE);
    runtime::UniqueRegion shape(::CreateRectRgn(0, 0, outer.width(), outer.height()));
    const runtime::UniqueRegion hole(
        ::CreateRectRgn(ring->inner.left - outer.left, ring->inner.top - outer.top,
                        ring->inner.right - outer.left, ring->inner.bottom - outer.top));
    ::CombineRgn(shape.get(), shape.get(), hole.get(), RGN_DIFF);
    if (::SetWindowRgn(hwnd(), shape.get(), TRUE) != 0) {
        shape.release();  // the system owns the region now
    }
    ::InvalidateRect(hwnd(), nullptr, FALSE);
    Apply();
}

// Shown while wanted and not held hidden; only then does it look after its place on top, so
// that a stopped program takes no processor time.
void ZoneOutline::Apply() {
    if (hwnd() == nullptr) {
        return;
    }
    if (wanted_ && gHeldHidden == 0) {
        ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
        StayAboveOthers();
        ::SetTimer(hwnd(), kStayOnTopTimer, kStayOnTopMs, nullptr);
    } else {
        ::KillTimer(hwnd(), kStayOnTopTimer);
        ::ShowWindow(hwnd(), SW_HIDE);
    }
}

void ZoneOutline::StayAboveOthers() {
    if (::IsWindowVisible(hwnd()) && AnotherProgramAbove(hwnd())) {
        ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void ZoneOutline::Paint() {
    const runtime::PaintDc dc(hwnd());
    RECT client = {};
    ::GetClientRect(hwnd(), &client);
    const runtime::UniqueBrush shade(::CreateSolidBrush(kShade));
    ::FillRect(dc.get(), &client, shade.get());
    // The inner half in the bright colour: a ring that shows on dark and light alike.
    const int outerHalf = (runtime::ScaleEdge(kThickness, runtime::WindowDpi(hwnd())) + 1) / 2;
    ::InflateRect(&client, -outerHalf, -outerHalf);
    const runtime::UniqueBrush colour(::CreateSolidBrush(kColour));
    ::FillRect(dc.get(), &client, colour.get());
}

LRESULT ZoneOutline::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            // Opaque; the layered style only lets the clicks through.
            ::SetLayeredWindowAttributes(hwnd(), 0, 255, LWA_ALPHA);
            ExcludeFromCapture(hwnd());
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_TIMER:
            StayAboveOthers();
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        default:
            if (message == kHoldChanged) {
                Apply();
                return 0;
            }
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace clicker
