#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "clicker/capture_win32.h"
#include "clicker/range_pick.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/window_base_win32.h"

namespace clicker {

// frmScreen: a borderless window over the whole primary screen showing a frozen capture
// of it. A press and a drag draw a cyan XOR rubber band; the release closes the picker
// with the press point and the last position. One instance serves every opening and keeps
// its last points.
class RangePicker final : public runtime::WindowBase<RangePicker> {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteRangePicker";
    static constexpr const wchar_t* kMessage =
        L"開始位置でマウスを押し、終了位置で放してください。";
    static constexpr COLORREF kBandColour = RGB(0, 255, 255);

    RangePicker() = default;

    // Shows the picker over its owner and returns when it has closed: the press point and
    // the release point (x1, y1, x2, y2), or nothing when it closed without a release.
    // The owner is expected to take no input meanwhile.
    std::optional<std::array<std::int32_t, 4>> PickRange(HWND owner);

    // XOR outlines drawn since the picker was last loaded.
    std::uint64_t outlinesDrawn() const { return outlinesDrawn_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The label's place and font.
    void LayOut(int dpi);

  private:
    bool Load(HWND owner);
    void Paint();
    void MouseMove(float x, float y);
    void Release();
    void DrawOutline(HDC dc, const Outline& outline);

    RangePick pick_;
    ComPtr<IPictureDisp> background_;
    HBITMAP backgroundBitmap_ = nullptr;  // owned by the picture
    runtime::UniqueFont labelFont_;
    HWND label_ = nullptr;
    std::optional<std::array<std::int32_t, 4>> picked_;
    std::uint64_t outlinesDrawn_ = 0;
};

}  // namespace clicker
