#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/gdi_handles_win32.h"

namespace testing_support {

// Pixels as a person sees them: a copy of part of the screen, or of a bitmap file.
class Pixels {
  public:
    Pixels() = default;
    Pixels(int width, int height) : width_(width), height_(height), rgb_(Size()) {}

    static Pixels CaptureScreen(const RECT& area);
    static Pixels CaptureWindow(HWND window);  // the whole window rectangle, from the screen
    // The client area as the window holds it, from its own device context: what it drew,
    // also where another window covers it.
    static Pixels CaptureClient(HWND window);
    static Pixels LoadBitmapFile(const std::wstring& path);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return rgb_.empty(); }

    COLORREF At(int x, int y) const;  // RGB(...) of the pixel; CLR_INVALID outside
    void Set(int x, int y, COLORREF colour);

    // Writes a 24-bit BMP file (for the README's screenshots and for failure reports).
    bool SaveBitmapFile(const std::wstring& path) const;
    // The pixels as a 32-bit device-independent bitmap.
    runtime::UniqueBitmap ToBitmap() const;

  private:
    std::size_t Size() const {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> rgb_;
};

// Captures again and again until what is shown meets the condition (a window's paint can come
// late on a busy machine), or the timeout has passed: the last capture either way, for the
// test's own checks to judge.
template <typename Capture, typename Condition>
Pixels CaptureWhen(Capture capture, Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Pixels shown = capture();
    while (!condition(shown) && std::chrono::steady_clock::now() < deadline) {
        ::Sleep(20);
        shown = capture();
    }
    return shown;
}

// A colour as an XOR pen of the given colour leaves it.
inline COLORREF Xored(COLORREF colour, COLORREF pen) {
    return RGB(GetRValue(colour) ^ GetRValue(pen), GetGValue(colour) ^ GetGValue(pen),
               GetBValue(colour) ^ GetBValue(pen));
}

}  // namespace testing_support
