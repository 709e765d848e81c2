#include "runtime/bitmap_picture_win32.h"

namespace runtime {

UniqueBitmap LoadBitmapResource(HMODULE module, const wchar_t* name) noexcept {
    return UniqueBitmap(
        static_cast<HBITMAP>(::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

HRESULT BitmapPicture(UniqueBitmap bitmap, HPALETTE palette, IPictureDisp** picture) noexcept {
    if (picture == nullptr) {
        return E_POINTER;
    }
    *picture = nullptr;
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap.get();
    description.bmp.hpal = palette;
    const HRESULT result = ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                                      reinterpret_cast<void**>(picture));
    if (SUCCEEDED(result)) {
        bitmap.release();  // the picture's from now on
    }
    return result;
}

HRESULT LoadBitmapPicture(HMODULE module, const wchar_t* name, IPictureDisp** picture) noexcept {
    if (picture != nullptr) {
        *picture = nullptr;
    }
    UniqueBitmap bitmap = LoadBitmapResource(module, name);
    if (!bitmap) {
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return BitmapPicture(std::move(bitmap), nullptr, picture);
}

}  // namespace runtime
