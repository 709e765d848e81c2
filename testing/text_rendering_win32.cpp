#include "testing/text_rendering_win32.h"

#include "runtime/gdi_handles_win32.h"

namespace testing_support {

namespace {

bool IsInk(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 110;
}

Pixels Draw(const std::wstring& text, int width, int height, const wchar_t* face, int pixelHeight,
            int weight) {
    const runtime::WindowDc screen(nullptr);
    const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    const runtime::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    const runtime::UniqueFont font(::CreateFontW(
        -pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
    const runtime::SelectedObject selectedBitmap(memory.get(), bitmap.get());
    const runtime::SelectedObject selectedFont(memory.get(), font.get());
    RECT area = {0, 0, width, height};
    ::FillRect(memory.get(), &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetBkMode(memory.get(), TRANSPARENT);
    ::SetTextColor(memory.get(), RGB(0, 0, 0));
    ::DrawTextW(memory.get(), text.c_str(), static_cast<int>(text.size()), &area,
                DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    Pixels pixels(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.Set(x, y, ::GetPixel(memory.get(), x, y));
        }
    }
    return pixels;
}

// Agreement over the pixels where either has ink.
double Agreement(const Pixels& shot, const RECT& area, const Pixels& drawn) {
    int inked = 0;
    int agreed = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const bool a = IsInk(shot.At(area.left + x, area.top + y));
            const bool b = IsInk(drawn.At(x, y));
            if (a || b) {
                ++inked;
                agreed += a == b ? 1 : 0;
            }
        }
    }
    return inked == 0 ? 0.0 : static_cast<double>(agreed) / inked;
}

}  // namespace

TextMatch CompareText(const Pixels& shot, const RECT& area, const std::wstring& text,
                      const wchar_t* face, int pixelHeight, int weight) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const std::wstring missing(text.size(), L'\xE000');  // a private-use character: no glyph
    return {Agreement(shot, area, Draw(text, width, height, face, pixelHeight, weight)),
            Agreement(shot, area, Draw(missing, width, height, face, pixelHeight, weight))};
}

}  // namespace testing_support
