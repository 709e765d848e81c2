#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <span>

#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace clicker {

// A bitmap picture that also owns its palette. The system's picture objects delete the
// bitmap they own but not the palette, so this one wraps such a picture and deletes the
// palette when the last reference goes. It answers for IUnknown, IDispatch, IPictureDisp
// and IPicture, delegating every call to the wrapped picture (which throws nothing).
class PalettePicture final : public runtime::ComObject<PalettePicture, IPictureDisp, IPicture> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    // IDispatch (IPictureDisp)
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) noexcept override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception,
                        UINT* argumentError) noexcept override;

    // IPicture
    STDMETHODIMP get_Handle(OLE_HANDLE* handle) noexcept override;
    STDMETHODIMP get_hPal(OLE_HANDLE* palette) noexcept override;
    STDMETHODIMP get_Type(SHORT* type) noexcept override;
    STDMETHODIMP get_Width(OLE_XSIZE_HIMETRIC* width) noexcept override;
    STDMETHODIMP get_Height(OLE_YSIZE_HIMETRIC* height) noexcept override;
    STDMETHODIMP Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy, OLE_XPOS_HIMETRIC xSource,
                        OLE_YPOS_HIMETRIC ySource, OLE_XSIZE_HIMETRIC cxSource,
                        OLE_YSIZE_HIMETRIC cySource, LPCRECT bounds) noexcept override;
    STDMETHODIMP set_hPal(OLE_HANDLE palette) noexcept override;
    STDMETHODIMP get_CurDC(HDC* dc) noexcept override;
    STDMETHODIMP SelectPicture(HDC in, HDC* out, OLE_HANDLE* bitmap) noexcept override;
    STDMETHODIMP get_KeepOriginalFormat(BOOL* keep) noexcept override;
    STDMETHODIMP put_KeepOriginalFormat(BOOL keep) noexcept override;
    STDMETHODIMP PictureChanged() noexcept override;
    STDMETHODIMP SaveAsFile(LPSTREAM stream, BOOL saveMemoryCopy, LONG* size) noexcept override;
    STDMETHODIMP get_Attributes(DWORD* attributes) noexcept override;

  private:
    friend runtime::ComObjectAccess;
    // Takes over the palette; the wrapped picture is shared.
    PalettePicture(runtime::ComPtr<IPicture> inner, runtime::ComPtr<IPictureDisp> innerDisp,
                   runtime::UniquePalette palette)
        : palette_(std::move(palette)),
          inner_(std::move(inner)),
          innerDisp_(std::move(innerDisp)) {}
    ~PalettePicture() = default;

    // Declared first, so that it goes last: the picture's last reference deletes the
    // bitmap, with the palette still there.
    runtime::UniquePalette palette_;
    runtime::ComPtr<IPicture> inner_;
    runtime::ComPtr<IPictureDisp> innerDisp_;
};

}  // namespace clicker
