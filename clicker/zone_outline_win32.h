#pragma once

#include <windows.h>

#include "clicker/click_range.h"
#include "runtime/window_base_win32.h"

namespace clicker {

// The click range shown on the screen: a thin ring just outside the range, above the other
// programs' windows. Clicks go through it (WS_EX_LAYERED | WS_EX_TRANSPARENT) and its
// region is the ring alone, so nothing of it lies over the range; it never takes the focus
// (WS_EX_NOACTIVATE) and stands neither on the taskbar nor in Alt+Tab (WS_EX_TOOLWINDOW).
// The ring is as thick as its monitor's scaling makes it and spans the monitors the range
// spans. Screen captures leave it out where Windows allows.
class ZoneOutline final : public runtime::WindowBase<ZoneOutline> {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteZoneOutline";
    static constexpr int kThickness = 2;                   // pixels at 96 dots per inch
    static constexpr COLORREF kColour = RGB(255, 40, 40);  // the ring's inner half
    static constexpr COLORREF kShade = RGB(96, 0, 0);      // its outer half

    ZoneOutline() = default;

    // Shows the ring around the range (the window is made at the first showing); hides it
    // when the range holds no point or its ring lies off the screen.
    void Show(const ClickRange& range);
    void Hide();

    // Keeps the thread's outlines hidden while it lives, shown or not: the range picker
    // captures the screen without them.
    class HiddenWhile {
      public:
        HiddenWhile();
        HiddenWhile(const HiddenWhile&) = delete;
        HiddenWhile& operator=(const HiddenWhile&) = delete;
        ~HiddenWhile();
    };

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The ring's place, thickness and region for dpi.
    void LayOut(int dpi);

  private:
    void Apply();
    void Paint();
    void StayAboveOthers();

    ClickRange range_;
    bool wanted_ = false;
};

}  // namespace clicker
