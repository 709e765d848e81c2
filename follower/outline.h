#pragma once

#include <array>
#include <cstdint>

namespace follower {

struct OutlinePoint {
    std::int32_t x;
    std::int32_t y;
};

// OutlinePoints: the follower window's shape, 34 vertices in window pixels, closed back
// to the first; it follows the edge of the follower picture's body.
inline constexpr std::array<OutlinePoint, 34> kOutlinePoints = {{
    {8, 0},  {13, 0}, {14, 1},  {15, 2},  {17, 2},  {18, 3},  {18, 4},  {19, 5},  {19, 7},
    {20, 8}, {20, 9}, {21, 10}, {21, 11}, {22, 12}, {22, 22}, {21, 23}, {20, 24}, {18, 26},
    {3, 26}, {2, 24}, {1, 24},  {0, 23},  {0, 14},  {1, 13},  {1, 12},  {2, 11},  {2, 7},
    {3, 6},  {3, 5},  {4, 5},   {5, 4},   {6, 3},   {6, 2},   {7, 1},
}};

// The follower window's size in pixels.
inline constexpr std::int32_t kWindowWidth = 44;
inline constexpr std::int32_t kWindowHeight = 29;

}  // namespace follower
