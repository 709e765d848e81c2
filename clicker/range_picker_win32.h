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

// frmScreen: a borderless window over the whole virtual screen, every monitor, showing a
// frozen capture of it. A press and a drag draw a cyan XOR rubber band, on any monitor and
// across them; the release closes the picker with the press point and the last position in
// screen pixels. The instruction takes the scaling of the monitor under the cursor and
// stays on it. One instance serves every opening and keeps its last points.
class RangePicker final : public runtime::WindowBase<RangePicker> {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteRangePicker";
    static constexpr const wchar_t* kMessage =
        L"開始位置でマウスを押し、終了位置で放してください。";
    static constexpr COLORREF kBandColour = RGB(0, 255, 255);

    RangePicker() = default;

    // Shows the picker over its owner and returns when it has closed: the press point and
    // the release point (x1, y1, x2, y2), or nothing when it closed without a release.
    // The owner is expected to take no input meanwhile; it is enabled as the picker goes.
    std::optional<std::array<std::int32_t, 4>> PickRange(HWND owner);

    // XOR outlines drawn since the picker was last loaded.
    std::uint64_t outlinesDrawn() const { return outlinesDrawn_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Over the virtual screen, with the label on the monitor under the cursor.
    void LayOut(int windowDpi);
    // The window keeps to the virtual screen and the label to the cursor's monitor, whatever
    // scaling the system finds for the window.
    void DpiChanged(int windowDpi, const RECT& suggested);

  private:
    bool Load(HWND owner);
    // The label at the scaling of the monitor under the cursor and inside it, its top-left
    // corner as near to `wanted` (screen pixels) as that allows.
    void PlaceLabel(POINT cursor, POINT wanted);
    void Paint();
    void MouseMove(float x, float y);
    void Release();
    void Close();
    void DrawOutline(HDC dc, const Outline& outline);

    RangePick pick_;
    ComPtr<IPictureDisp> background_;
    HBITMAP backgroundBitmap_ = nullptr;  // owned by the picture
    runtime::UniqueFont labelFont_;
    int labelDpi_ = 0;  // the scaling the label is laid out at
    HWND label_ = nullptr;
    POINT origin_ = {};  // the window's top-left corner: the virtual screen's
    std::optional<std::array<std::int32_t, 4>> picked_;
    std::uint64_t outlinesDrawn_ = 0;
};

}  // namespace clicker
