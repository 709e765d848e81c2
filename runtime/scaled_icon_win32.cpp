#include "runtime/scaled_icon_win32.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/display_scale.h"
#include "runtime/icon_scaling.h"

namespace runtime {

namespace {

// LoadIconWithScaleDown is in version 6 of the common controls, which the programs'
// manifests ask for. A module without that manifest gets version 5, which lacks it, and an
// import of it would keep such a module from loading: so it is looked up in the comctl32
// the process has loaded, and the same is done here where there is none.
using ScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

ScaleDownFunction LoadIconWithScaleDownFunction() noexcept {
    const HMODULE comctl32 = ::GetModuleHandleW(L"comctl32.dll");
    return comctl32 != nullptr ? reinterpret_cast<ScaleDownFunction>(reinterpret_cast<void (*)()>(
                                     ::GetProcAddress(comctl32, "LoadIconWithScaleDown")))
                               : nullptr;
}

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry {
    BYTE width;  // 0 for 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The sizes of the images an icon resource holds, from its directory (RT_GROUP_ICON).
std::vector<int> IconImageSizes(HMODULE module, int id) {
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* header =
        loaded != nullptr ? static_cast<const GroupIconHeader*>(::LockResource(loaded)) : nullptr;
    std::vector<int> sizes;
    if (header == nullptr || ::SizeofResource(module, found) <
                                 sizeof(GroupIconHeader) + header->count * sizeof(GroupIconEntry)) {
        return sizes;
    }
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
    for (WORD i = 0; i < header->count; ++i) {
        sizes.push_back(entries[i].width == 0 ? 256 : entries[i].width);
    }
    return sizes;
}

BITMAPINFO TopDown32(int size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A colour icon's pixels as 0xAARRGGBB; an image without alpha takes it from its mask.
std::vector<std::uint32_t> IconPixels(HICON icon, int size) {
    ICONINFO parts = {};
    if (!::GetIconInfo(icon, &parts)) {
        return {};
    }
    const UniqueBitmap colour(parts.hbmColor);
    const UniqueBitmap mask(parts.hbmMask);
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    BITMAPINFO info = TopDown32(size);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) *
                                      static_cast<std::size_t>(size));
    const auto read = [&](HBITMAP bitmap, std::vector<std::uint32_t>& into) {
        return bitmap != nullptr && dc &&
               ::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(size), into.data(), &info,
                           DIB_RGB_COLORS) == size;
    };
    if (!read(colour.get(), pixels)) {
        return {};
    }
    if (std::ranges::all_of(pixels, [](std::uint32_t pixel) { return (pixel >> 24) == 0; })) {
        std::vector<std::uint32_t> shown(pixels.size());
        if (!read(mask.get(), shown)) {
            return {};
        }
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] |= (shown[i] & 0xFFFFFFu) == 0 ? 0xFF000000u : 0;  // black: shown
        }
    }
    return pixels;
}

// An icon of 0xAARRGGBB pixels; its mask leaves out the fully transparent ones.
UniqueIcon IconFromPixels(const std::vector<std::uint32_t>& pixels, int size) {
    const BITMAPINFO info = TopDown32(size);
    void* bits = nullptr;
    const UniqueBitmap colour(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const auto rowBytes = static_cast<std::size_t>((size + 15) / 16 * 2);  // word-aligned rows
    std::vector<BYTE> maskBits(rowBytes * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if ((pixels[static_cast<std::size_t>(y * size + x)] >> 24) == 0) {
                maskBits[static_cast<std::size_t>(y) * rowBytes +
                         static_cast<std::size_t>(x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
            }
        }
    }
    const UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, maskBits.data()));
    if (!colour || !mask) {
        return {};
    }
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
    ICONINFO parts = {TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(::CreateIconIndirect(&parts));  // copies both bitmaps
}

// What LoadIconWithScaleDown does, for a process without it: the next larger image, loaded
// at its own size and averaged down; only without a larger one, LoadImage's stretching.
UniqueIcon ScaledDownIcon(HMODULE module, int id, int size) {
    const auto load = [&](int side) {
        return UniqueIcon(static_cast<HICON>(
            ::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
    };
    const int source = IconImageSizeFor(IconImageSizes(module, id), size);
    if (source <= size) {
        return load(size);
    }
    UniqueIcon larger = load(source);
    const std::vector<std::uint32_t> pixels =
        larger ? IconPixels(larger.get(), source) : std::vector<std::uint32_t>();
    UniqueIcon scaled =
        pixels.empty() ? UniqueIcon() : IconFromPixels(ScaleDownImage(pixels, source, size), size);
    return scaled ? std::move(scaled) : load(size);
}

}  // namespace

UniqueIcon LoadIconForDpi(HMODULE module, int id, int sizeAt96Dpi, int dpi) noexcept {
    try {
        const int size = ScaleEdge(sizeAt96Dpi, dpi);
        if (const ScaleDownFunction scaleDown = LoadIconWithScaleDownFunction()) {
            HICON icon = nullptr;
            if (SUCCEEDED(scaleDown(module, MAKEINTRESOURCEW(id), size, size, &icon))) {
                return UniqueIcon(icon);
            }
        }
        return ScaledDownIcon(module, id, size);
    } catch (...) {  // no memory for the pixels
        return {};
    }
}

}  // namespace runtime
