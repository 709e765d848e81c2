#include "clicker/capture_win32.h"

#include <optional>

#include "clicker/palette_decision.h"
#include "clicker/palette_picture_win32.h"
#include "runtime/bitmap_picture_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/monitor_win32.h"

namespace clicker {

namespace {

constexpr int kSystemPaletteSize = 256;

struct SystemPalette {
    WORD version = 0x300;
    WORD entryCount = kSystemPaletteSize;
    PALETTEENTRY entries[kSystemPaletteSize] = {};
};

}  // namespace

ComPtr<IPictureDisp> MakeBitmapPicture(runtime::UniqueBitmap bitmap,
                                       runtime::UniquePalette palette) {
    ComPtr<IPictureDisp> picture;
    if (FAILED(runtime::BitmapPicture(std::move(bitmap), palette.get(), picture.put()))) {
        return nullptr;
    }
    if (!palette) {
        return picture;
    }
    // The system's picture deletes its bitmap but not its palette.
    ComPtr<IPicture> inner;
    if (FAILED(picture.as(IID_IPicture, inner))) {
        return picture;
    }
    ComPtr<PalettePicture> owning = runtime::MakeComObject<PalettePicture>(
        std::move(inner), std::move(picture), std::move(palette));
    if (!owning) {
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
    const runtime::SelectedObject bitmap(memory.get(), captured.bitmap.get());

    std::optional<runtime::SelectedPalette> palette;
    if (CaptureNeedsPalette(readCaps(source.get(), RASTERCAPS),
                            readCaps(source.get(), SIZEPALETTE))) {
        SystemPalette entries;
        ::GetSystemPaletteEntries(source.get(), 0, kSystemPaletteSize, entries.entries);
        captured.palette.reset(::CreatePalette(reinterpret_cast<const LOGPALETTE*>(&entries)));
        palette.emplace(memory.get(), captured.palette.get());
        ::RealizePalette(memory.get());
    }

    ::BitBlt(memory.get(), 0, 0, width, height, source.get(), left, top, SRCCOPY);
    // The selections are undone, the memory context is deleted, then the window's is
    // released.
    return captured;
}

}  // namespace

ComPtr<IPictureDisp> GrabWindowArea(HWND window, bool clientOnly, int left, int top, int width,
                                    int height, DeviceCapsReader readCaps) {
    CapturedHandles captured = CopyArea(window, clientOnly, left, top, width, height, readCaps);
    if (!captured.bitmap) {
        return nullptr;
    }
    return MakeBitmapPicture(std::move(captured.bitmap), std::move(captured.palette));
}

// The screen's device context (GetDC without a window, "GetDC function") spans every
// monitor, as Microsoft's "Painting on a DC That Spans Multiple Displays" paints the whole
// virtual screen through it; its coordinates are screen coordinates, whose origin is the
// primary monitor's top-left corner ("The Virtual Screen"). So the virtual screen begins at
// (SM_XVIRTUALSCREEN, SM_YVIRTUALSCREEN) in it, left of and above the origin when a monitor
// lies there. The desktop window's own context covers the primary monitor only ("HMONITOR
// and the Device Context").
ComPtr<IPictureDisp> GrabScreen() {
    const runtime::EdgeRect screen = runtime::VirtualScreen();
    return GrabWindowArea(nullptr, true, screen.left, screen.top, screen.width(), screen.height());
}

}  // namespace clicker
