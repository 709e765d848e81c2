// Painting a face from a button state.
#include "flatbutton/face_paint_win32.h"

#include <olectl.h>

#include "flatbutton/frame_layout.h"
#include "runtime/com_check_win32.h"
#include "runtime/com_ptr_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/variant_win32.h"

namespace flatbutton {

namespace {

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

HRESULT PictureSize(IPictureDisp& picture, const HimetricScale& scale, Size& size) noexcept {
    LONG width = 0;
    LONG height = 0;
    SUITE_RETURN_IF_FAILED(PictureDimension(picture, DISPID_PICT_WIDTH, width));
    SUITE_RETURN_IF_FAILED(PictureDimension(picture, DISPID_PICT_HEIGHT, height));
    size = PictureSizeInPixels({width, height}, scale);
    return S_OK;
}

HRESULT DrawPictureAt(HDC dc, IPictureDisp& shown, Point origin, Size size) noexcept {
    runtime::ComPtr<IPicture> picture;
    SUITE_RETURN_IF_FAILED(shown.QueryInterface(IID_IPicture, picture.putVoid()));
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    SUITE_RETURN_IF_FAILED(picture->get_Width(&width));
    SUITE_RETURN_IF_FAILED(picture->get_Height(&height));
    // The whole picture at its natural size; HIMETRIC runs upwards, so the source starts
    // at the bottom edge with a negative height.
    return picture->Render(dc, origin.x, origin.y, size.width, size.height, 0, height, width,
                           -height, nullptr);
}

HRESULT ClearFace(HDC dc, OLE_COLOR backColour, const Rect& rect) noexcept {
    COLORREF colour = 0;
    SUITE_RETURN_IF_FAILED(::OleTranslateColor(backColour, nullptr, &colour));
    const runtime::UniqueBrush brush(::CreateSolidBrush(colour));
    if (!brush) {
        return runtime::LastErrorResult();
    }
    const RECT area = ToRect(rect);
    if (!::FillRect(dc, &area, brush.get())) {
        return runtime::LastErrorResult();
    }
    return S_OK;
}

// The picture inside the face's clip, so that it leaves the frame's band alone.
HRESULT DrawPicture(HDC dc, const ButtonState& state, const Rect& rect) noexcept {
    const bool pressed = state.look == Look::Pressed;
    const runtime::SelectedClipRegion clip(dc,
                                           ToRect(LayOutFace(rect, std::nullopt, pressed).clip));
    Size size;
    SUITE_RETURN_IF_FAILED(PictureSize(*state.picture, state.pictureScale, size));
    const FaceLayout layout = LayOutFace(rect, size, pressed);
    return DrawPictureAt(dc, *state.picture, *layout.pictureOrigin, size);
}

}  // namespace

HRESULT PaintFace(HDC dc, const ButtonState& state, const Rect& rect) noexcept {
    SUITE_RETURN_IF_FAILED(ClearFace(dc, state.backColour, rect));
    if (state.picture != nullptr) {
        SUITE_RETURN_IF_FAILED(DrawPicture(dc, state, rect));
    }
    return PaintFrame(dc, state, rect);
}

HRESULT PaintFrame(HDC dc, const ButtonState& state, const Rect& rect) noexcept {
    if (state.look == Look::Flat) {
        return S_OK;
    }
    // Raised: light on the left and top; pressed: dark there.
    const bool raised = state.look == Look::Raised;
    const COLORREF first = raised ? state.frame.highlight : state.frame.shadow;
    const COLORREF second = raised ? state.frame.shadow : state.frame.highlight;
    const FrameLayout layout = LayOutFrame(rect);
    const runtime::UniquePen firstPen(::CreatePen(PS_SOLID, layout.penWidth, first));
    const runtime::UniquePen secondPen(::CreatePen(PS_SOLID, layout.penWidth, second));
    if (!firstPen || !secondPen) {
        return runtime::LastErrorResult();
    }
    const runtime::SelectedObject pen(dc, firstPen.get());  // the original pen comes back
    ::MoveToEx(dc, layout.start.x, layout.start.y, nullptr);
    for (const FrameLine& line : layout.lines) {
        ::SelectObject(dc, line.colour == FrameColour::First ? firstPen.get() : secondPen.get());
        ::LineTo(dc, line.to.x, line.to.y);
    }
    return S_OK;
}

}  // namespace flatbutton
