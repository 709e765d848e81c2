#pragma once

#include <windows.h>

#include <utility>

#include "runtime/unique_handle_win32.h"

namespace runtime {

template <typename Handle>
struct GdiObjectTraits {
    using Type = Handle;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { ::DeleteObject(handle); }
};

using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniquePalette = UniqueHandle<GdiObjectTraits<HPALETTE>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;

// An icon loaded or made at a size of the caller's choice (LoadImage without LR_SHARED):
// it is the caller's to destroy, and a window shows it (WM_SETICON) only as long as it
// lives.
struct IconTraits {
    using Type = HICON;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type icon) noexcept { ::DestroyIcon(icon); }
};

using UniqueIcon = UniqueHandle<IconTraits>;

// A hook set with SetWindowsHookEx, removed when its owner goes.
struct HookTraits {
    using Type = HHOOK;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type hook) noexcept { ::UnhookWindowsHookEx(hook); }
};

using UniqueHook = UniqueHandle<HookTraits>;

struct MemoryDcTraits {
    using Type = HDC;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type dc) noexcept { ::DeleteDC(dc); }
};

// A device context made with CreateCompatibleDC.
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

// A device context of a window (GetDC or GetWindowDC), released to that window.
class WindowDc {
  public:
    enum class Area { Client, Whole };

    explicit WindowDc(HWND window, Area area = Area::Client) noexcept
        : window_(window), dc_(area == Area::Client ? ::GetDC(window) : ::GetWindowDC(window)) {}
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc& operator=(WindowDc&&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// The device context of one WM_PAINT (BeginPaint), ended with EndPaint.
class PaintDc {
  public:
    explicit PaintDc(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { ::EndPaint(window_, &paint_); }

    HDC get() const noexcept { return dc_; }
    // The part of the client area to paint.
    const RECT& area() const noexcept { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// An object selected into a device context for a scope; the earlier one comes back at
// the end.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), earlier_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (earlier_ != nullptr && earlier_ != HGDI_ERROR) {
            ::SelectObject(dc_, earlier_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ earlier_;
};

// A rectangular clip region selected into a device context for a scope; no clip
// afterwards.
class SelectedClipRegion {
  public:
    SelectedClipRegion(HDC dc, const RECT& clip) noexcept
        : dc_(dc), region_(::CreateRectRgnIndirect(&clip)) {
        ::SelectClipRgn(dc_, region_.get());
    }
    SelectedClipRegion(const SelectedClipRegion&) = delete;
    SelectedClipRegion& operator=(const SelectedClipRegion&) = delete;
    ~SelectedClipRegion() { ::SelectClipRgn(dc_, nullptr); }

  private:
    HDC dc_;
    UniqueRegion region_;
};

// A palette selected into a device context for a scope.
class SelectedPalette {
  public:
    SelectedPalette(HDC dc, HPALETTE palette, bool background = false) noexcept
        : dc_(dc), earlier_(::SelectPalette(dc, palette, background ? TRUE : FALSE)) {}
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;
    ~SelectedPalette() {
        if (earlier_ != nullptr) {
            ::SelectPalette(dc_, earlier_, FALSE);
        }
    }

  private:
    HDC dc_;
    HPALETTE earlier_;
};

}  // namespace runtime
