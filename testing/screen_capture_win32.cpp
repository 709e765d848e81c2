#include "testing/screen_capture_win32.h"

#include <cstdio>

#include "runtime/gdi_handles_win32.h"

namespace testing_support {

namespace {

COLORREF FromBgra(const RGBQUAD& pixel) {
    return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
}

// 32-bit BGRA rows, top row first.
BITMAPINFO TopDownBgra(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Reads a bitmap's pixels top-down as 32-bit BGRA through GetDIBits.
Pixels ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
    Pixels pixels(width, height);
    BITMAPINFO info = TopDownBgra(width, height);
    std::vector<RGBQUAD> raw(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS) !=
        height) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.Set(x, y, FromBgra(raw[static_cast<std::size_t>(y * width + x)]));
        }
    }
    return pixels;
}

// The area of a device context's surface (the screen, or a window's).
Pixels Copy(HWND window, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const runtime::WindowDc source(window);
    const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(source.get()));
    const runtime::UniqueBitmap bitmap(::CreateCompatibleBitmap(source.get(), width, height));
    {
        const runtime::SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, source.get(), area.left, area.top, SRCCOPY);
    }
    return ReadBitmap(memory.get(), bitmap.get(), width, height);
}

}  // namespace

Pixels Pixels::CaptureScreen(const RECT& area) {
    return Copy(nullptr, area);
}

Pixels Pixels::CaptureClient(HWND window) {
    RECT client;
    if (!::GetClientRect(window, &client)) {
        return {};
    }
    return Copy(window, client);
}

Pixels Pixels::CaptureWindow(HWND window) {
    RECT area;
    if (!::GetWindowRect(window, &area)) {
        return {};
    }
    return CaptureScreen(area);
}

Pixels Pixels::LoadBitmapFile(const std::wstring& path) {
    const runtime::UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
        nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!bitmap) {
        return {};
    }
    BITMAP description = {};
    ::GetObjectW(bitmap.get(), sizeof(description), &description);
    return ReadBitmap(runtime::WindowDc(nullptr).get(), bitmap.get(), description.bmWidth,
                      description.bmHeight);
}

COLORREF Pixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    return rgb_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)];
}

void Pixels::Set(int x, int y, COLORREF colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        rgb_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
             static_cast<std::size_t>(x)] = colour;
    }
}

bool Pixels::SaveBitmapFile(const std::wstring& path) const {
    const int stride = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * height_);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::vector<unsigned char> row(static_cast<std::size_t>(stride));
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const COLORREF colour = At(x, y);
            row[static_cast<std::size_t>(x * 3)] = GetBValue(colour);
            row[static_cast<std::size_t>(x * 3 + 1)] = GetGValue(colour);
            row[static_cast<std::size_t>(x * 3 + 2)] = GetRValue(colour);
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

runtime::UniqueBitmap Pixels::ToBitmap() const {
    const BITMAPINFO info = TopDownBgra(width_, height_);
    void* bits = nullptr;
    runtime::UniqueBitmap bitmap(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        return {};
    }
    auto* row = static_cast<RGBQUAD*>(bits);
    for (const COLORREF colour : rgb_) {
        *row++ = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
    }
    return bitmap;
}

}  // namespace testing_support
