#include "runtime/bitmap_picture_win32.h"

namespace runtime {

HBITMAP LoadBitmapResource(HMODULE module, const wchar_t* name) noexcept {
    return static_cast<HBITMAP>(
        ::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HRESULT BitmapPicture(HBITMAP bitmap, HPALETTE palette, IPictureDisp** picture) noexcept {
    if (picture == nullptr) {
        ::DeleteObject(bitmap);
        return E_POINTER;
    }
    *picture = nullptr;
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    description.bmp.hpal = palette;
    const HRESULT result = ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                                      reinterpret_cast<void**>(picture));
    if (FAILED(result)) {
        ::DeleteObject(bitmap);  // the picture never took it over
    }
    return result;
}

HRESULT LoadBitmapPicture(HMODULE module, const wchar_t* name, IPictureDisp** picture) noexcept {
    if (picture != nullptr) {
        *picture = nullptr;
    }
    const HBITMAP bitmap = LoadBitmapResource(module, name);
    if (bitmap == nullptr) {
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return BitmapPicture(bitmap, nullptr, picture);
}

}  // namespace runtime
