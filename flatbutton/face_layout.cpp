#include "flatbutton/face_layout.h"

#include "runtime/himetric.h"
#include "runtime/round_half_even.h"

namespace flatbutton {

namespace {

constexpr std::int32_t kFrameBandPixels = 2;

std::int32_t Rounded(double value) noexcept {
    return static_cast<std::int32_t>(runtime::RoundHalfEven(value));
}

// The centred start on one axis, or the clip's own start when that lands at or before 0.
std::int32_t CentredStart(std::int32_t clipStart, std::int32_t clipEnd,
                          std::int32_t pictureLength) noexcept {
    const std::int32_t start = Rounded((static_cast<double>(clipEnd) - pictureLength) / 2.0);
    return start <= 0 ? clipStart : start;
}

}  // namespace

HimetricScale HimetricScale::FromDotsPerInch(int dotsPerInchX, int dotsPerInchY) noexcept {
    return {runtime::PixelsPerHimetric(dotsPerInchX), runtime::PixelsPerHimetric(dotsPerInchY)};
}

Size PictureSizeInPixels(const HimetricSize& size, const HimetricScale& scale) noexcept {
    return {Rounded(size.width * scale.pixelsPerHimetricX),
            Rounded(size.height * scale.pixelsPerHimetricY)};
}

FaceLayout LayOutFace(const Rect& client, const std::optional<Size>& picture,
                      bool pressed) noexcept {
    FaceLayout layout;
    layout.clip = Inflated(client, -kFrameBandPixels, -kFrameBandPixels);
    if (picture) {
        const std::int32_t shift = pressed ? 1 : 0;
        layout.pictureOrigin =
            Point{CentredStart(layout.clip.left, layout.clip.right, picture->width) + shift,
                  CentredStart(layout.clip.top, layout.clip.bottom, picture->height) + shift};
    }
    return layout;
}

}  // namespace flatbutton
