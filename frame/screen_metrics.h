#pragma once

#include <cstdint>

namespace frame {

// The primary screen as the settings defaults see it: its size in twips (1/1440 inch)
// and the twips that one pixel spans on each axis (15 on a 96 dots-per-inch display).
struct ScreenMetrics {
    double widthTwips = 0;
    double heightTwips = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;

    // The screen of the given pixel size and resolution, measured in whole twips per
    // pixel (1440 / dots per inch, rounded).
    static ScreenMetrics FromPixels(int width, int height, int dotsPerInchX, int dotsPerInchY);
};

// The last pixel column and row of the screen: size in twips and twips per pixel are
// each rounded to an integer, divided with integer division, and 1 is taken off.
struct ScreenCorner {
    std::int32_t right;
    std::int32_t bottom;
};
ScreenCorner LastScreenPixel(const ScreenMetrics& screen);

}  // namespace frame
