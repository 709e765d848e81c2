#pragma once

#include <cstdint>
#include <optional>

#include "flatbutton/geometry.h"

namespace flatbutton {

// A picture's natural size as the picture object gives it, in HIMETRIC (1/100 mm).
struct HimetricSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The surface's pixels per HIMETRIC unit on each axis.
struct HimetricScale {
    double pixelsPerHimetricX = 0;
    double pixelsPerHimetricY = 0;

    static HimetricScale FromDotsPerInch(int dotsPerInchX, int dotsPerInchY) noexcept;
};

// The picture's size in pixels, each axis taken to the nearest integer, a half going to
// the even neighbour.
Size PictureSizeInPixels(const HimetricSize& size, const HimetricScale& scale) noexcept;

// Where the face of the button goes: the clip keeps the outer two-pixel band, where the
// frames lie, free of the picture.
struct FaceLayout {
    Rect clip;
    std::optional<Point> pictureOrigin;  // none without a picture
};

// The picture centred on the clip rectangle's right and bottom edges (so one pixel left of
// and above the exact centre before rounding), at the clip's corner when it would start at
// or before the client edge, and one pixel further right and down when pressed.
FaceLayout LayOutFace(const Rect& client, const std::optional<Size>& picture,
                      bool pressed) noexcept;

}  // namespace flatbutton
