#include "follower/follower_window_win32.h"

#include <chrono>
#include <optional>
#include <utility>

#include "follower/outline.h"
#include "runtime/display_scale.h"
#include "runtime/keep_on_top_win32.h"
#include "runtime/monitor_win32.h"
#include "runtime/scaled_bitmap_win32.h"
#include "runtime/timer_interval.h"

namespace follower {

namespace {

// The outline's vertices scaled as window coordinates are.
runtime::UniqueRegion CreateOutlineRegion(int dpi) {
    POINT points[kOutlinePoints.size()];
    for (std::size_t i = 0; i < kOutlinePoints.size(); ++i) {
        points[i] = {runtime::ScaleEdge(kOutlinePoints[i].x, dpi),
                     runtime::ScaleEdge(kOutlinePoints[i].y, dpi)};
    }
    return runtime::UniqueRegion(
        ::CreatePolygonRgn(points, static_cast<int>(kOutlinePoints.size()), WINDING));
}

}  // namespace

FollowerWindow::FollowerWindow(const FollowSettings& settings) : settings_(settings) {}

bool FollowerWindow::Open() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterClassOnce(instance, 0, ::LoadCursorW(nullptr, IDC_ARROW),
                      static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

    // First shown beside the cursor, where every tick will put it.
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    const WindowPlace place = PlaceBesideCursor(cursor.x, cursor.y, settings_.distancePx);
    if (CreateWindowHandle(instance, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"",
                           WS_POPUP, place.left, place.top, kWindowWidth, kWindowHeight,
                           nullptr) == nullptr) {
        return false;
    }
    // Laid out for the monitor it was made on; the cursor's decides.
    if (const std::optional<int> dpi =
            scaling_.Follow(cursor.x, cursor.y, settings_.distancePx, runtime::DpiAtPoint(cursor))
                .newDpi) {
        LayOut(*dpi);
    }

    const std::uint32_t interval = runtime::TimerIntervalFor(settings_.intervalMs);
    if (interval > 0) {
        timer_ = std::make_unique<runtime::PrecisionTimer>([this] { Tick(); });
        timer_->Start(std::chrono::milliseconds(interval));
    }
    ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    return true;
}

void FollowerWindow::LayOut(int dpi) {
    LayOutParts(dpi);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, runtime::ScaleEdge(kWindowWidth, dpi),
                   runtime::ScaleEdge(kWindowHeight, dpi),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void FollowerWindow::LayOutParts(int dpi) {
    picture_ = runtime::LoadBitmapForDpi(::GetModuleHandleW(nullptr), kPictureResource, dpi);
    runtime::UniqueRegion outline = CreateOutlineRegion(dpi);
    // Drawn once the window has its size for the region.
    if (::SetWindowRgn(hwnd(), outline.get(), FALSE) != 0) {
        outline.release();  // the window's from now on
    }
    scaling_.LaidOut(dpi);
}

void FollowerWindow::DpiChanged(int /*windowDpi*/, const RECT& /*suggested*/) {
    Follow();
}

void FollowerWindow::Follow() {
    if (std::exchange(following_, true)) {
        return;
    }
    const struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{following_};
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    const FollowerFrame frame =
        scaling_.Follow(cursor.x, cursor.y, settings_.distancePx, runtime::DpiAtPoint(cursor));
    if (frame.newDpi) {
        // The cursor came onto a monitor of another scaling: the new picture and shape, then
        // one move to the new place and size, so that the window changes once.
        LayOutParts(*frame.newDpi);
        ::SetWindowPos(hwnd(), HWND_TOPMOST, frame.place.left, frame.place.top, frame.width,
                       frame.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        ::InvalidateRect(hwnd(), nullptr, FALSE);
    } else {
        // One window-position call both moves the window and keeps it on top.
        runtime::KeepOnTopAt(hwnd(), frame.place.left, frame.place.top);
    }
}

void FollowerWindow::Paint() {
    const runtime::PaintDc dc(hwnd());
    ::FillRect(dc.get(), &dc.area(), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (picture_) {
        const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(dc.get()));
        const runtime::SelectedObject selected(memory.get(), picture_.get());
        BITMAP size = {};
        ::GetObjectW(picture_.get(), sizeof(size), &size);
        ::BitBlt(dc.get(), 0, 0, size.bmWidth, size.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }
}

void FollowerWindow::Close() {
    if (hwnd() != nullptr) {
        ::DestroyWindow(hwnd());
    }
}

void FollowerWindow::Tick() {
    Follow();
    if (settings_.holdsTab) {
        tab_.Press();
    }
}

LRESULT FollowerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DESTROY:
            timer_.reset();
            tab_.Release();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace follower
