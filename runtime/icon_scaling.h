#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// How an icon is drawn at a size it holds no image of: from the next larger image, scaled
// down, which stays sharp where a smaller one stretched up would blur.
namespace runtime {

// The image to draw an icon of `wanted` pixels from, among the sizes it holds: the
// smallest at least that large, or the largest when all are smaller. 0 when there is none.
inline int IconImageSizeFor(std::span<const int> sizes, int wanted) {
    int larger = 0;
    int largest = 0;
    for (const int size : sizes) {
        largest = std::max(largest, size);
        if (size >= wanted && (larger == 0 || size < larger)) {
            larger = size;
        }
    }
    return larger != 0 ? larger : largest;
}

// A square image of 0xAARRGGBB pixels (straight alpha), `from` pixels on a side, made
// `to` pixels on a side (to <= from) by averaging the area under each new pixel. Colours
// are weighted by their alpha, so that transparent pixels do not darken the edges.
inline std::vector<std::uint32_t> ScaleDownImage(std::span<const std::uint32_t> pixels, int from,
                                                 int to) {
    // How much of source pixel s lies under new pixel t on one axis, in 1/to of a source
    // pixel: t spans [t * from, (t + 1) * from), s spans [s * to, (s + 1) * to).
    const auto overlap = [from, to](int t, int s) {
        const std::int64_t start = std::max(std::int64_t{t} * from, std::int64_t{s} * to);
        const std::int64_t end = std::min(std::int64_t{t + 1} * from, std::int64_t{s + 1} * to);
        return std::max(std::int64_t{0}, end - start);
    };
    const auto at = [](int x, int y, int side) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
               static_cast<std::size_t>(x);
    };
    const std::int64_t area = std::int64_t{from} * from;
    std::vector<std::uint32_t> scaled(at(0, to, to));
    for (int y = 0; y < to; ++y) {
        for (int x = 0; x < to; ++x) {
            std::int64_t alpha = 0;
            std::int64_t channels[3] = {};
            for (int sy = y * from / to; sy <= ((y + 1) * from - 1) / to; ++sy) {
                for (int sx = x * from / to; sx <= ((x + 1) * from - 1) / to; ++sx) {
                    const std::uint32_t pixel = pixels[at(sx, sy, from)];
                    const std::int64_t weight = overlap(x, sx) * overlap(y, sy) * (pixel >> 24);
                    alpha += weight;
                    for (int channel = 0; channel < 3; ++channel) {
                        channels[channel] += weight * ((pixel >> (8 * channel)) & 0xFF);
                    }
                }
            }
            auto result = static_cast<std::uint32_t>((alpha + area / 2) / area) << 24;
            for (int channel = 0; channel < 3 && alpha > 0; ++channel) {
                result |= static_cast<std::uint32_t>((channels[channel] + alpha / 2) / alpha)
                          << (8 * channel);
            }
            scaled[at(x, y, to)] = result;
        }
    }
    return scaled;
}

}  // namespace runtime
