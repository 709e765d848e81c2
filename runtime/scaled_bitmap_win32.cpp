#include "runtime/scaled_bitmap_win32.h"

#include "runtime/bitmap_picture_win32.h"
#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"

namespace runtime {

namespace {

SIZE SizeOf(HBITMAP bitmap) noexcept {
    BITMAP header = {};
    ::GetObjectW(bitmap, sizeof(header), &header);
    return {header.bmWidth, header.bmHeight};
}

// The bitmap drawn smoothly at the size given, as a 32-bit top-down section.
UniqueBitmap Resized(HBITMAP source, SIZE size) noexcept {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap target(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc from(::CreateCompatibleDC(nullptr));
    const UniqueMemoryDc to(::CreateCompatibleDC(nullptr));
    if (!target || !from || !to) {
        return {};
    }
    const SIZE original = SizeOf(source);
    {
        const SelectedObject read(from.get(), source);
        const SelectedObject write(to.get(), target.get());
        ::SetStretchBltMode(to.get(), HALFTONE);
        ::SetBrushOrgEx(to.get(), 0, 0, nullptr);  // as HALFTONE asks
        if (!::StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, original.cx,
                          original.cy, SRCCOPY)) {
            return {};
        }
    }
    return target;
}

}  // namespace

std::wstring ArtworkResourceName(const wchar_t* name, int artworkDpi) {
    std::wstring text = name;
    if (artworkDpi != kBaseDpi) {
        text += L"_" + std::to_wstring(ArtworkPercent(artworkDpi));
    }
    return text;
}

std::optional<SIZE> BitmapResourceSize(HMODULE module, const wchar_t* name) noexcept {
    const HRSRC found = ::FindResourceW(module, name, RT_BITMAP);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* header =
        loaded != nullptr ? static_cast<const BITMAPINFOHEADER*>(::LockResource(loaded)) : nullptr;
    if (header == nullptr || ::SizeofResource(module, found) < sizeof(BITMAPINFOHEADER)) {
        return std::nullopt;
    }
    return SIZE{header->biWidth, header->biHeight < 0 ? -header->biHeight : header->biHeight};
}

UniqueBitmap LoadBitmapForDpi(HMODULE module, const wchar_t* name, int dpi,
                              std::optional<SIZE> size) noexcept {
    try {
        if (!size) {
            const std::optional<SIZE> base = BitmapResourceSize(module, name);
            if (!base) {
                return {};
            }
            size = SIZE{ScaleEdge(base->cx, dpi), ScaleEdge(base->cy, dpi)};
        }
        UniqueBitmap artwork =
            LoadBitmapResource(module, ArtworkResourceName(name, ArtworkDpi(dpi)).c_str());
        if (!artwork) {
            artwork = LoadBitmapResource(module, name);
        }
        if (!artwork) {
            return {};
        }
        const SIZE drawn = SizeOf(artwork.get());
        if (drawn.cx == size->cx && drawn.cy == size->cy) {
            return artwork;
        }
        return Resized(artwork.get(), *size);
    } catch (...) {  // the name could not be made
        return {};
    }
}

}  // namespace runtime
