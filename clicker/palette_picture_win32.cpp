#include "clicker/palette_picture_win32.h"

namespace clicker {

std::span<const runtime::InterfaceEntry> PalettePicture::InterfaceTable() noexcept {
    using runtime::Implements;
    static constexpr runtime::InterfaceEntry kTable[] = {
        Implements<PalettePicture, IUnknown, IPictureDisp>(IID_IUnknown),
        Implements<PalettePicture, IDispatch, IPictureDisp>(IID_IDispatch),
        Implements<PalettePicture, IPictureDisp>(IID_IPictureDisp),
        Implements<PalettePicture, IPicture>(IID_IPicture),
    };
    return kTable;
}

STDMETHODIMP PalettePicture::GetTypeInfoCount(UINT* count) noexcept {
    return innerDisp_->GetTypeInfoCount(count);
}
STDMETHODIMP PalettePicture::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept {
    return innerDisp_->GetTypeInfo(index, locale, info);
}
STDMETHODIMP PalettePicture::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                           DISPID* ids) noexcept {
    return innerDisp_->GetIDsOfNames(iid, names, count, locale, ids);
}
STDMETHODIMP PalettePicture::Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                    DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                    UINT* argumentError) noexcept {
    return innerDisp_->Invoke(member, iid, locale, flags, parameters, result, exception,
                              argumentError);
}

STDMETHODIMP PalettePicture::get_Handle(OLE_HANDLE* handle) noexcept {
    return inner_->get_Handle(handle);
}
STDMETHODIMP PalettePicture::get_hPal(OLE_HANDLE* palette) noexcept {
    return inner_->get_hPal(palette);
}
STDMETHODIMP PalettePicture::get_Type(SHORT* type) noexcept {
    return inner_->get_Type(type);
}
STDMETHODIMP PalettePicture::get_Width(OLE_XSIZE_HIMETRIC* width) noexcept {
    return inner_->get_Width(width);
}
STDMETHODIMP PalettePicture::get_Height(OLE_YSIZE_HIMETRIC* height) noexcept {
    return inner_->get_Height(height);
}
STDMETHODIMP PalettePicture::Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy,
                                    OLE_XPOS_HIMETRIC xSource, OLE_YPOS_HIMETRIC ySource,
                                    OLE_XSIZE_HIMETRIC cxSource, OLE_YSIZE_HIMETRIC cySource,
                                    LPCRECT bounds) noexcept {
    return inner_->Render(dc, x, y, cx, cy, xSource, ySource, cxSource, cySource, bounds);
}
STDMETHODIMP PalettePicture::set_hPal(OLE_HANDLE palette) noexcept {
    return inner_->set_hPal(palette);
}
STDMETHODIMP PalettePicture::get_CurDC(HDC* dc) noexcept {
    return inner_->get_CurDC(dc);
}
STDMETHODIMP PalettePicture::SelectPicture(HDC in, HDC* out, OLE_HANDLE* bitmap) noexcept {
    return inner_->SelectPicture(in, out, bitmap);
}
STDMETHODIMP PalettePicture::get_KeepOriginalFormat(BOOL* keep) noexcept {
    return inner_->get_KeepOriginalFormat(keep);
}
STDMETHODIMP PalettePicture::put_KeepOriginalFormat(BOOL keep) noexcept {
    return inner_->put_KeepOriginalFormat(keep);
}
STDMETHODIMP PalettePicture::PictureChanged() noexcept {
    return inner_->PictureChanged();
}
STDMETHODIMP PalettePicture::SaveAsFile(LPSTREAM stream, BOOL saveMemoryCopy, LONG* size) noexcept {
    return inner_->SaveAsFile(stream, saveMemoryCopy, size);
}
STDMETHODIMP PalettePicture::get_Attributes(DWORD* attributes) noexcept {
    return inner_->get_Attributes(attributes);
}

}  // namespace clicker
