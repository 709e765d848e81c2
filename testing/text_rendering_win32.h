#pragma once

#include <windows.h>

#include <string>

#include "testing/screen_capture_win32.h"

namespace testing_support {

// How a piece of text on the screen compares with the same text drawn here in the same
// font: the share of pixels on which both agree about ink (dark) against background.
struct TextMatch {
    double withText;     // against the text itself
    double withMissing;  // against as many missing-glyph boxes
};

// Compares the area of a screenshot with the text drawn left-aligned at its top-left, in
// the face and pixel height given. Japanese that renders as glyphs matches the text far
// better than the boxes a font without those glyphs would show.
TextMatch CompareText(const Pixels& shot, const RECT& area, const std::wstring& text,
                      const wchar_t* face, int pixelHeight, int weight = FW_NORMAL);

}  // namespace testing_support
