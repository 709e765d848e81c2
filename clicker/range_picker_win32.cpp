#include "clicker/range_picker_win32.h"

#include <algorithm>

#include "runtime/display_scale.h"
#include "runtime/keep_on_top_win32.h"
#include "runtime/monitor_win32.h"
#include "runtime/placement.h"

namespace clicker {

namespace {

constexpr runtime::EdgeRect kLabelPlace = {8, 8, 8 + 298, 8 + 16};

float CoordinateX(LPARAM lParam) {
    return static_cast<float>(static_cast<short>(LOWORD(lParam)));
}
float CoordinateY(LPARAM lParam) {
    return static_cast<float>(static_cast<short>(HIWORD(lParam)));
}

// 9 points, as the label's place was measured for.
HFONT CreateLabelFont(int dpi) {
    return ::CreateFontW(runtime::ScaleEdge(-12, dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                         SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

}  // namespace

std::optional<std::array<std::int32_t, 4>> RangePicker::PickRange(HWND owner) {
    picked_.reset();
    if (!Load(owner)) {
        return std::nullopt;
    }
    ::ShowWindow(hwnd(), SW_SHOW);
    MSG message;
    while (hwnd() != nullptr) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
            }
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (hwnd() != nullptr) {
        Close();
    }
    background_.reset();  // the capture goes with the picker
    backgroundBitmap_ = nullptr;
    return picked_;
}

bool RangePicker::Load(HWND owner) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const runtime::EdgeRect screen = runtime::VirtualScreen();
    origin_ = {screen.left, screen.top};
    pick_.Load(screen.left, screen.top);
    labelDpi_ = 0;
    outlinesDrawn_ = 0;
    // The capture is taken before the picker shows, so it holds the dialog as it was.
    background_ = GrabScreen();
    backgroundBitmap_ = nullptr;
    if (ComPtr<IPicture> picture; SUCCEEDED(background_.as(IID_IPicture, picture))) {
        OLE_HANDLE handle = 0;
        if (SUCCEEDED(picture->get_Handle(&handle))) {
            backgroundBitmap_ = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
        }
    }
    RegisterClassOnce(instance, 0, ::LoadCursorW(nullptr, IDC_ARROW),
                      static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    // Physical pixels: every monitor, each at its own scaling.
    return CreateWindowHandle(instance, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"", WS_POPUP,
                              screen.left, screen.top, screen.width(), screen.height(),
                              owner) != nullptr;
}

// The picker keeps to the virtual screen's physical pixels; the label starts in the
// top-left corner of the monitor under the cursor, at its scaling.
void RangePicker::LayOut(int /*windowDpi*/) {
    const runtime::EdgeRect screen = runtime::VirtualScreen();
    ::SetWindowPos(hwnd(), nullptr, screen.left, screen.top, screen.width(), screen.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    const runtime::MonitorArea monitor = runtime::MonitorAtPoint(cursor);
    const runtime::EdgeRect corner = runtime::ScaleRect(kLabelPlace, monitor.dpi);
    PlaceLabel(cursor, {monitor.bounds.left + corner.left, monitor.bounds.top + corner.top});
}

void RangePicker::DpiChanged(int windowDpi, const RECT& /*suggested*/) {
    LayOut(windowDpi);
}

void RangePicker::PlaceLabel(POINT cursor, POINT wanted) {
    const runtime::MonitorArea monitor = runtime::MonitorAtPoint(cursor);
    if (monitor.dpi != labelDpi_) {
        runtime::UniqueFont font(CreateLabelFont(monitor.dpi));
        ::SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        labelFont_ = std::move(font);  // the earlier font goes once the label no longer uses it
        labelDpi_ = monitor.dpi;
    }
    const runtime::EdgeRect size = runtime::ScaleRect(kLabelPlace, monitor.dpi);
    const runtime::EdgeRect place = runtime::KeepInside(
        {wanted.x, wanted.y, wanted.x + size.width(), wanted.y + size.height()}, monitor.bounds);
    ::SetWindowPos(label_, nullptr, place.left - origin_.x, place.top - origin_.y, place.width(),
                   place.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void RangePicker::Paint() {
    {
        const runtime::PaintDc dc(hwnd());
        if (backgroundBitmap_ != nullptr) {
            const RECT& area = dc.area();
            const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(dc.get()));
            const runtime::SelectedObject selected(memory.get(), backgroundBitmap_);
            ::BitBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
                     memory.get(), area.left, area.top, SRCCOPY);
        }
    }
    runtime::KeepOnTop(hwnd());
}

void RangePicker::DrawOutline(HDC dc, const Outline& outline) {
    // Both corners belong to the band, whichever way the drag went.
    const int left = std::min(outline.x1, outline.x2);
    const int top = std::min(outline.y1, outline.y2);
    const int right = std::max(outline.x1, outline.x2) + 1;
    const int bottom = std::max(outline.y1, outline.y2) + 1;
    ::Rectangle(dc, left, top, right, bottom);
    ++outlinesDrawn_;
}

void RangePicker::MouseMove(float x, float y) {
    const PickMove move = pick_.MouseMove(x, y, ::IsWindowVisible(label_) != FALSE);
    if (move.hideLabel) {
        ::ShowWindow(label_, SW_HIDE);
        // Repaint the uncovered picture now: a repaint after the band is drawn would wipe
        // the band where the label stood, and the next move's erase would then draw it.
        ::UpdateWindow(hwnd());
    }
    if (move.labelAt) {
        const POINT cursor = {pick_.LastX, pick_.LastY};
        PlaceLabel(cursor, {(*move.labelAt)[0] + origin_.x, (*move.labelAt)[1] + origin_.y});
    }
    if (move.erase || move.draw) {
        const runtime::WindowDc dc(hwnd());
        const runtime::UniquePen pen(::CreatePen(PS_SOLID, 1, kBandColour));
        const runtime::SelectedObject selectedPen(dc.get(), pen.get());
        const runtime::SelectedObject selectedBrush(dc.get(), ::GetStockObject(NULL_BRUSH));
        const int earlierMode = ::SetROP2(dc.get(), R2_XORPEN);
        if (move.erase) {
            DrawOutline(dc.get(), *move.erase);
        }
        if (move.draw) {
            DrawOutline(dc.get(), *move.draw);
        }
        ::SetROP2(dc.get(), earlierMode);
    }
}

void RangePicker::Release() {
    picked_ = pick_.Picked();
    Close();
}

// The owner is enabled before the picker goes, so that the activation passes back to it and
// not to whatever other program's window lies beneath ("The correct order for disabling and
// enabling windows", The Old New Thing).
void RangePicker::Close() {
    ::EnableWindow(::GetWindow(hwnd(), GW_OWNER), TRUE);
    ::DestroyWindow(hwnd());
}

LRESULT RangePicker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            label_ = ::CreateWindowExW(0, L"STATIC", kMessage,
                                       WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                       hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
            return 0;
        case WM_ERASEBKGND:
            return backgroundBitmap_ != nullptr ? 1 : DefaultHandling(message, wParam, lParam);
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            ::SetCapture(hwnd());
            pick_.MouseDown(CoordinateX(lParam), CoordinateY(lParam));
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(CoordinateX(lParam), CoordinateY(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            ::ReleaseCapture();
            Release();
            return 0;
        case WM_DESTROY:
            label_ = nullptr;
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace clicker
