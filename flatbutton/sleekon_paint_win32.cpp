// The control's surface, its painting and its hover tracking.
#include <windows.h>
#include <olectl.h>

#include "flatbutton/face_layout.h"
#include "flatbutton/frame_layout.h"
#include "flatbutton/sleekon_control_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/screen_dpi_win32.h"
#include "runtime/variant_win32.h"

namespace flatbutton {

namespace {

HRESULT LastError() noexcept {
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

RECT ToRect(const Rect& rect) noexcept {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A property of the picture object read through its dispatch interface (Width 4, Height 5).
HRESULT PictureDimension(IPictureDisp& picture, DISPID property, LONG& value) noexcept {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    runtime::Variant result;
    SUITE_RETURN_IF_FAILED(picture.Invoke(property, IID_NULL, LOCALE_USER_DEFAULT,
                                          DISPATCH_PROPERTYGET, &none, result.put(), nullptr,
                                          nullptr));
    SUITE_RETURN_IF_FAILED(::VariantChangeType(result.address(), result.address(), 0, VT_I4));
    value = result->lVal;
    return S_OK;
}

}  // namespace

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

HRESULT SleekonControl::ClearSurface(HDC dc) const noexcept {
    COLORREF colour = 0;
    SUITE_RETURN_IF_FAILED(::OleTranslateColor(backColor_, nullptr, &colour));
    const runtime::UniqueBrush brush(::CreateSolidBrush(colour));
    if (!brush) {
        return LastError();
    }
    const RECT area = ToRect(m_ClientRect);
    if (!::FillRect(dc, &area, brush.get())) {
        return LastError();
    }
    return S_OK;
}

HRESULT SleekonControl::PictureSize(Size& size) const noexcept {
    LONG width = 0;
    LONG height = 0;
    SUITE_RETURN_IF_FAILED(PictureDimension(*m_Picture.get(), DISPID_PICT_WIDTH, width));
    SUITE_RETURN_IF_FAILED(PictureDimension(*m_Picture.get(), DISPID_PICT_HEIGHT, height));
    const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
    size = PictureSizeInPixels({width, height}, HimetricScale::FromDotsPerInch(dots.x, dots.y));
    return S_OK;
}

HRESULT SleekonControl::DrawPictureAt(HDC dc, Point origin, Size size) const noexcept {
    runtime::ComPtr<IPicture> picture;
    SUITE_RETURN_IF_FAILED(m_Picture.as(IID_IPicture, picture));
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    SUITE_RETURN_IF_FAILED(picture->get_Width(&width));
    SUITE_RETURN_IF_FAILED(picture->get_Height(&height));
    // The whole picture at its natural size; HIMETRIC runs upwards, so the source starts
    // at the bottom edge with a negative height.
    return picture->Render(dc, origin.x, origin.y, size.width, size.height, 0, height, width,
                           -height, nullptr);
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
    return DrawFace(dc);
}

HRESULT SleekonControl::DrawFace(HDC dc) noexcept {
    SUITE_RETURN_IF_FAILED(ClearSurface(dc));
    const FaceLayout clipOnly = LayOutFace(m_ClientRect, std::nullopt, m_Pressed);
    const runtime::SelectedClipRegion clip(dc, ToRect(clipOnly.clip));
    if (!m_Picture) {
        return S_OK;
    }
    Size size;
    SUITE_RETURN_IF_FAILED(PictureSize(size));
    const FaceLayout layout = LayOutFace(m_ClientRect, size, m_Pressed);
    return DrawPictureAt(dc, *layout.pictureOrigin, size);
}

HRESULT SleekonControl::DrawFrame(HDC dc, const Rect& rect, COLORREF first,
                                  COLORREF second) noexcept {
    const FrameLayout layout = LayOutFrame(rect);
    const runtime::UniquePen firstPen(::CreatePen(PS_SOLID, layout.penWidth, first));
    const runtime::UniquePen secondPen(::CreatePen(PS_SOLID, layout.penWidth, second));
    if (!firstPen || !secondPen) {
        return LastError();
    }
    const runtime::SelectedObject pen(dc, firstPen.get());  // the original pen comes back
    ::MoveToEx(dc, layout.start.x, layout.start.y, nullptr);
    for (const FrameLine& line : layout.lines) {
        ::SelectObject(dc, line.colour == FrameColour::First ? firstPen.get() : secondPen.get());
        ::LineTo(dc, line.to.x, line.to.y);
    }
    return S_OK;
}

HRESULT SleekonControl::ShowPressed(std::int16_t button) noexcept {
    if (!ShowPressedApplies(button)) {
        return S_OK;
    }
    m_Pressed = true;
    const runtime::WindowDc dc(SurfaceWindow());
    if (!dc) {
        return LastError();
    }
    SUITE_RETURN_IF_FAILED(DrawFace(dc.get()));
    return DrawFrame(dc.get(), m_ClientRect, m_ShadowColor, m_HighlightColor);
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
        return LastError();
    }
    return DrawFrame(dc.get(), m_ClientRect, m_HighlightColor, m_ShadowColor);
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
                return LastError();
            }
            // The system colours of now, not those cached at the last resize.
            return DrawFrame(dc.get(), rect, ::GetSysColor(COLOR_BTNHIGHLIGHT),
                             ::GetSysColor(COLOR_BTNSHADOW));
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
