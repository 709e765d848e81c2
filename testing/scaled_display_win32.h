#pragma once

// A program tried on a display of another scaling, and what a person would see go wrong.
#include <windows.h>

#include <string>

namespace testing_support {

// Scales the display for the programs started while it lives (Wine reads LogPixels when a
// process starts), and puts the setting back afterwards. Windows keeps the scaling of the
// sign-in for the whole session ("High DPI Desktop Application Development on Windows"),
// so only under Wine can a test change it.
class ScaledDisplay {
  public:
    explicit ScaledDisplay(DWORD dotsPerInch);
    ~ScaledDisplay();
    ScaledDisplay(const ScaledDisplay&) = delete;
    ScaledDisplay& operator=(const ScaledDisplay&) = delete;

  private:
    DWORD earlier_ = 0;
    bool had_ = false;
};

// Each child window of `window` that leaves its parent's client area, or whose text, drawn
// in the face and pixel height given, does not fit inside it (beside the box of a check
// box): its text and why, a line each. Empty when everything fits.
std::wstring ControlsThatDoNotFit(HWND window, const wchar_t* face, int pixelHeight,
                                  int weight = FW_NORMAL);

}  // namespace testing_support
