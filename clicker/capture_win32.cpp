#include "clicker/capture_win32.h"

#include "clicker/palette_decision.h"
#include "clicker/palette_picture_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace clicker {

namespace {

constexpr int kSystemPaletteSize = 256;

struct SystemPalette {
    WORD version = 0x300;
    WORD entryCount = kSystemPaletteSize;
    PALETTEENTRY entries[kSystemPaletteSize] = {};
};

}  // namespace

ComPtr<IPictureDisp> MakeBitmapPicture(HBITMAP bitmap, HPALETTE palette) {
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    description.bmp.hpal = palette;
    ComPtr<IPictureDisp> picture;
    if (FAILED(
            ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.putVoid()))) {
        // The picture never took the handles over.
        ::DeleteObject(bitmap);
        if (palette != nullptr) {
            ::DeleteObject(palette);
        }
        return nullptr;
    }
    if (palette == nullptr) {
        return picture;
    }
    // The system's picture deletes its bitmap but not its palette.
    ComPtr<IPicture> inner;
    if (FAILED(picture.as(IID_IPicture, inner))) {
        ::DeleteObject(palette);
        return picture;
    }
    ComPtr<PalettePicture> owning =
        runtime::MakeComObject<PalettePicture>(std::move(inner), std::move(picture), palette);
    if (!owning) {
        ::DeleteObject(palette);
        return nullptr;
    }
    return ComPtr<IPictureDisp>(std::move(owning));
}

namespace {

struct CapturedHandles {
    runtime::UniqueBitmap bitmap;
    runtime::UniquePalette palette;
};

// Copies the area into a new bitmap; every selection is undone and both device contexts
// are gone by the time this returns.
CapturedHandles CopyArea(HWND window, bool clientOnly, int left, int top, int width, int height,
                         DeviceCapsReader readCaps) {
    using runtime::WindowDc;
    CapturedHandles captured;
    const WindowDc source(window, clientOnly ? WindowDc::Area::Client : WindowDc::Area::Whole);
    if (!source) {
        return captured;
    }
    const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(source.get()));
    captured.bitmap.reset(::CreateCompatibleBitmap(source.get(), width, height));
    if (!memory || !captured.bitmap) {
        captured.bitmap.reset();
        return captured;
    }
    const HGDIOBJ earlierBitmap = ::SelectObject(memory.get(), captured.bitmap.get());

    HPALETTE earlierPalette = nullptr;
    if (CaptureNeedsPalette(readCaps(source.get(), RASTERCAPS),
                            readCaps(source.get(), SIZEPALETTE))) {
        SystemPalette entries;
        ::GetSystemPaletteEntries(source.get(), 0, kSystemPaletteSize, entries.entries);
        captured.palette.reset(::CreatePalette(reinterpret_cast<const LOGPALETTE*>(&entries)));
        earlierPalette = ::SelectPalette(memory.get(), captured.palette.get(), FALSE);
        ::RealizePalette(memory.get());
    }

    ::BitBlt(memory.get(), 0, 0, width, height, source.get(), left, top, SRCCOPY);

    ::SelectObject(memory.get(), earlierBitmap);
    if (captured.palette) {
        ::SelectPalette(memory.get(), earlierPalette, FALSE);
    }
    return captured;  // the memory context is deleted, then the window's is released
}

}  // namespace

ComPtr<IPictureDisp> GrabWindowArea(HWND window, bool clientOnly, int left, int top, int width,
                                    int height, DeviceCapsReader readCaps) {
    CapturedHandles captured = CopyArea(window, clientOnly, left, top, width, height, readCaps);
    if (!captured.bitmap) {
        return nullptr;
    }
    return MakeBitmapPicture(captured.bitmap.release(), captured.palette.release());
}

ComPtr<IPictureDisp> GrabScreen() {
    return GrabWindowArea(::GetDesktopWindow(), false, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                          ::GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace clicker
