#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <span>

#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"

namespace clicker {

// A bitmap picture that also owns its palette. The system's picture objects delete the
// bitmap they own but not the palette, so this one wraps such a picture and deletes the
// palette when the last reference goes. It answers for IUnknown, IDispatch, IPictureDisp
// and IPicture, delegating every call to the wrapped picture.
class PalettePicture final : public runtime::ComObject<PalettePicture, IPictureDisp, IPicture> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    // IDispatch (IPictureDisp)
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    // IPicture
    STDMETHODIMP get_Handle(OLE_HANDLE* handle) override;
    STDMETHODIMP get_hPal(OLE_HANDLE* palette) override;
    STDMETHODIMP get_Type(SHORT* type) override;
    STDMETHODIMP get_Width(OLE_XSIZE_HIMETRIC* width) override;
    STDMETHODIMP get_Height(OLE_YSIZE_HIMETRIC* height) override;
    STDMETHODIMP Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy, OLE_XPOS_HIMETRIC xSource,
                        OLE_YPOS_HIMETRIC ySource, OLE_XSIZE_HIMETRIC cxSource,
                        OLE_YSIZE_HIMETRIC cySource, LPCRECT bounds) override;
    STDMETHODIMP set_hPal(OLE_HANDLE palette) override;
    STDMETHODIMP get_CurDC(HDC* dc) override;
    STDMETHODIMP SelectPicture(HDC in, HDC* out, OLE_HANDLE* bitmap) override;
    STDMETHODIMP get_KeepOriginalFormat(BOOL* keep) override;
    STDMETHODIMP put_KeepOriginalFormat(BOOL keep) override;
    STDMETHODIMP PictureChanged() override;
    STDMETHODIMP SaveAsFile(LPSTREAM stream, BOOL saveMemoryCopy, LONG* size) override;
    STDMETHODIMP get_Attributes(DWORD* attributes) override;

  private:
    friend runtime::ComObjectAccess;
    // Takes over the palette; the wrapped picture is shared.
    PalettePicture(runtime::ComPtr<IPicture> inner, runtime::ComPtr<IPictureDisp> innerDisp,
                   HPALETTE palette)
        : inner_(std::move(inner)), innerDisp_(std::move(innerDisp)), palette_(palette) {}
    ~PalettePicture();

    runtime::ComPtr<IPicture> inner_;
    runtime::ComPtr<IPictureDisp> innerDisp_;
    HPALETTE palette_;
};

}  // namespace clicker
