// The control's surface, its painting and its hover tracking.
#include <windows.h>
#include <olectl.h>

#include "flatbutton/face_layout.h"
#include "flatbutton/sleekon_control_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/screen_dpi_win32.h"
#include "runtime/variant_win32.h"

namespace flatbutton {

// The surface.

HRESULT SleekonControl::SetSurfaceBackColor(OLE_COLOR colour) noexcept {
    COLORREF resolved = 0;
    if (FAILED(::OleTranslateColor(colour, nullptr, &resolved))) {
        return CTL_E_INVALIDPROPERTYVALUE;  // neither a colour nor a system colour index
    }
    backColor_ = colour;
    return S_OK;
}

void SleekonControl::SetSurfaceEnabled(bool enabled) noexcept {
    enabled_ = enabled;
    const HWND window = SurfaceWindow();
    if (window == nullptr) {
        return;
    }
    if (!enabled) {
        // A disabled surface gets no pointer input, so no release would end a pressed
        // look, and it shows no hover: both end here.
        m_Pressed = false;
        if (::GetCapture() == window) {
            ::ReleaseCapture();
        }
    }
    ::EnableWindow(window, enabled ? TRUE : FALSE);
}

HRESULT SleekonControl::Refresh() noexcept {
    const HWND window = SurfaceWindow();
    if (window == nullptr) {
        return S_OK;  // not in place: the view sink heard of the change
    }
    paintResult_ = S_OK;
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);  // the repaint runs before this returns
    return paintResult_;
}

// Painting.

ButtonState SleekonControl::FaceState(Look look, const FrameColours& frame) const noexcept {
    const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
    return {look, backColor_, frame, m_Picture.get(),
            HimetricScale::FromDotsPerInch(dots.x, dots.y)};
}

void SleekonControl::OnResize() noexcept {
    m_HighlightColor = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_ShadowColor = ::GetSysColor(COLOR_BTNSHADOW);
    RECT client = {};
    ::GetClientRect(SurfaceWindow(), &client);
    m_ClientRect = {client.left, client.top, client.right, client.bottom};
}

HRESULT SleekonControl::OnRepaint(HDC dc) noexcept {
    if (!RepaintDrawsFace(m_Pressed)) {
        return S_OK;
    }
    return PaintFace(dc, FaceState(Look::Flat), m_ClientRect);
}

HRESULT SleekonControl::ShowPressed(std::int16_t button) noexcept {
    if (!ShowPressedApplies(button)) {
        return S_OK;
    }
    m_Pressed = true;
    const runtime::WindowDc dc(SurfaceWindow());
    if (!dc) {
        return runtime::LastErrorResult();
    }
    return PaintFace(dc.get(), FaceState(Look::Pressed), m_ClientRect);
}

HRESULT SleekonControl::ShowReleased() noexcept {
    m_Pressed = false;
    return Refresh();
}

HRESULT SleekonControl::DrawRaisedFrame() noexcept {
    const HWND window = SurfaceWindow();
    if (window == nullptr) {
        return S_OK;  // a Click handler closed the hosting window
    }
    const runtime::WindowDc dc(window);
    if (!dc) {
        return runtime::LastErrorResult();
    }
    return PaintFrame(dc.get(), FaceState(Look::Raised), m_ClientRect);
}

// Hover tracking: the mouse capture is the hover state.

HRESULT SleekonControl::TrackHover(std::int16_t button, float x, float y) noexcept {
    const HWND window = SurfaceWindow();
    if (window == nullptr) {
        return S_OK;
    }
    const Rect rect = m_ClientRect;
    switch (DecideHover(button, ::GetCapture() == window)) {
        case HoverStep::None:
            return S_OK;
        case HoverStep::Enter: {
            ::SetCapture(window);
            const runtime::WindowDc dc(window);
            if (!dc) {
                return runtime::LastErrorResult();
            }
            // The system colours of now, not those cached at the last resize.
            const FrameColours now = {::GetSysColor(COLOR_BTNHIGHLIGHT),
                                      ::GetSysColor(COLOR_BTNSHADOW)};
            return PaintFrame(dc.get(), FaceState(Look::Raised, now), rect);
        }
        case HoverStep::TestExit: {
            const Point probe = HoverTestPoint(x, y);
            POINT point = {probe.x, probe.y};
            ::ClientToScreen(window, &point);
            if (::WindowFromPoint(point) == window) {
                return S_OK;
            }
            // The capture goes back even when the repaint failed, or the control would
            // keep every pointer move of the desktop.
            const HRESULT refreshed = Refresh();
            ::ReleaseCapture();
            return refreshed;
        }
    }
    return S_OK;
}

}  // namespace flatbutton
