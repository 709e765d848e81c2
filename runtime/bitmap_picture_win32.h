#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "runtime/gdi_handles_win32.h"

namespace runtime {

// A bitmap resource of a module, as a device-independent section; empty when missing.
UniqueBitmap LoadBitmapResource(HMODULE module, const wchar_t* name) noexcept;

// A picture object that takes the bitmap over and deletes it with its last reference;
// the palette, when given, stays the caller's. When no picture can be made the bitmap
// goes with the failure.
HRESULT BitmapPicture(UniqueBitmap bitmap, HPALETTE palette, IPictureDisp** picture) noexcept;

// A bitmap resource of a module as such a picture.
HRESULT LoadBitmapPicture(HMODULE module, const wchar_t* name, IPictureDisp** picture) noexcept;

}  // namespace runtime
