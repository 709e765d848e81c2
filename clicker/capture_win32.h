#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "runtime/com_ptr_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace clicker {

using runtime::ComPtr;

// How the capture reads a device's capabilities; GetDeviceCaps itself but in tests.
using DeviceCapsReader = int(WINAPI*)(HDC, int);

// basCapture. GrabWindowArea copies a rectangle of a window (its client area, or the whole
// window; with no window and the client area, the screen) into a picture that owns a
// screen-compatible bitmap and, on 256-colour palette devices only, a copy of the system palette.
// Null when the picture cannot be made; no handle is left behind either way.
ComPtr<IPictureDisp> GrabWindowArea(HWND window, bool clientOnly, int left, int top, int width,
                                    int height, DeviceCapsReader readCaps = &::GetDeviceCaps);

// The whole virtual screen, every monitor, in physical pixels: the picture's top-left
// pixel is the virtual screen's top-left corner.
ComPtr<IPictureDisp> GrabScreen();

// A picture that owns the bitmap and the palette (empty for none) from now on; both go
// with a failure.
ComPtr<IPictureDisp> MakeBitmapPicture(runtime::UniqueBitmap bitmap,
                                       runtime::UniquePalette palette);

}  // namespace clicker
