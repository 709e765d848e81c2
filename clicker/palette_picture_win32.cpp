#include "clicker/palette_picture_win32.h"

namespace clicker {

PalettePicture::PalettePicture(IPicture* inner, IPictureDisp* innerDisp, HPALETTE palette)
    : inner_(inner), innerDisp_(innerDisp), palette_(palette) {
    inner_->AddRef();
    innerDisp_->AddRef();
}

PalettePicture::~PalettePicture() {
    innerDisp_->Release();
    inner_->Release();  // deletes the bitmap
    ::DeleteObject(palette_);
}

STDMETHODIMP PalettePicture::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IPictureDisp) {
        *out = static_cast<IPictureDisp*>(this);
    } else if (iid == IID_IPicture) {
        *out = static_cast<IPicture*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) PalettePicture::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

STDMETHODIMP PalettePicture::GetTypeInfoCount(UINT* count) {
    return innerDisp_->GetTypeInfoCount(count);
}
STDMETHODIMP PalettePicture::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return innerDisp_->GetTypeInfo(index, locale, info);
}
STDMETHODIMP PalettePicture::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                           DISPID* ids) {
    return innerDisp_->GetIDsOfNames(iid, names, count, locale, ids);
}
STDMETHODIMP PalettePicture::Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                    DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                    UINT* argumentError) {
    return innerDisp_->Invoke(member, iid, locale, flags, parameters, result, exception,
                              argumentError);
}

STDMETHODIMP PalettePicture::get_Handle(OLE_HANDLE* handle) {
    return inner_->get_Handle(handle);
}
STDMETHODIMP PalettePicture::get_hPal(OLE_HANDLE* palette) {
    return inner_->get_hPal(palette);
}
STDMETHODIMP PalettePicture::get_Type(SHORT* type) {
    return inner_->get_Type(type);
}
STDMETHODIMP PalettePicture::get_Width(OLE_XSIZE_HIMETRIC* width) {
    return inner_->get_Width(width);
}
STDMETHODIMP PalettePicture::get_Height(OLE_YSIZE_HIMETRIC* height) {
    return inner_->get_Height(height);
}
STDMETHODIMP PalettePicture::Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy,
                                    OLE_XPOS_HIMETRIC xSource, OLE_YPOS_HIMETRIC ySource,
                                    OLE_XSIZE_HIMETRIC cxSource, OLE_YSIZE_HIMETRIC cySource,
                                    LPCRECT bounds) {
    return inner_->Render(dc, x, y, cx, cy, xSource, ySource, cxSource, cySource, bounds);
}
STDMETHODIMP PalettePicture::set_hPal(OLE_HANDLE palette) {
    return inner_->set_hPal(palette);
}
STDMETHODIMP PalettePicture::get_CurDC(HDC* dc) {
    return inner_->get_CurDC(dc);
}
STDMETHODIMP PalettePicture::SelectPicture(HDC in, HDC* out, OLE_HANDLE* bitmap) {
    return inner_->SelectPicture(in, out, bitmap);
}
STDMETHODIMP PalettePicture::get_KeepOriginalFormat(BOOL* keep) {
    return inner_->get_KeepOriginalFormat(keep);
}
STDMETHODIMP PalettePicture::put_KeepOriginalFormat(BOOL keep) {
    return inner_->put_KeepOriginalFormat(keep);
}
STDMETHODIMP PalettePicture::PictureChanged() {
    return inner_->PictureChanged();
}
STDMETHODIMP PalettePicture::SaveAsFile(LPSTREAM stream, BOOL saveMemoryCopy, LONG* size) {
    return inner_->SaveAsFile(stream, saveMemoryCopy, size);
}
STDMETHODIMP PalettePicture::get_Attributes(DWORD* attributes) {
    return inner_->get_Attributes(attributes);
}

}  // namespace clicker
