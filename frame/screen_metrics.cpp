#include "frame/screen_metrics.h"

#include <algorithm>

#include "runtime/round_half_even.h"

namespace frame {

namespace {

std::int32_t LastPixel(double twips, double twipsPerPixel) {
    const std::int64_t extent = runtime::RoundHalfEven(twips);
    std::int64_t perPixel = runtime::RoundHalfEven(twipsPerPixel);
    if (perPixel <= 0) {
        perPixel = 1;  // beyond 2880 dots per inch; never divide by zero
    }
    return static_cast<std::int32_t>(extent / perPixel - 1);
}

// Whole twips per pixel, so that a length in pixels goes to twips and back unchanged
// at any scaling (at 192 dots per inch 7.5 twips would round to 8 and lose pixels).

double TwipsPerPixel(int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return 15.0;
    }
    return static_cast<double>(
        std::max<std::int64_t>(1, runtime::RoundHalfEven(1440.0 / dotsPerInch)));
}

}  // namespace

ScreenMetrics ScreenMetrics::FromPixels(int width, int height, int dotsPerInchX, int dotsPerInchY) {
    ScreenMetrics screen;
    screen.twipsPerPixelX = TwipsPerPixel(dotsPerInchX);
    screen.twipsPerPixelY = TwipsPerPixel(dotsPerInchY);
    screen.widthTwips = width * screen.twipsPerPixelX;
    screen.heightTwips = height * screen.twipsPerPixelY;
    return screen;
}

ScreenCorner LastScreenPixel(const ScreenMetrics& screen) {
    return {LastPixel(screen.widthTwips, screen.twipsPerPixelX),
            LastPixel(screen.heightTwips, screen.twipsPerPixelY)};
}

}  // namespace frame
