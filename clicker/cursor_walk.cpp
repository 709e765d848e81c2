#include "clicker/cursor_walk.h"

namespace clicker {

CursorPosition CursorWalk::WalkCursor(std::int32_t x, std::int32_t y, const ClickRange& range) {
    bool turned = false;
    if (WalkDirX == 0) {
        if (range.right > x) {
            ++x;
        } else {
            WalkDirX = 1;
            turned = true;
        }
    } else {
        if (range.left < x) {
            --x;
        } else {
            WalkDirX = 0;
            turned = true;
        }
    }
    if (turned) {
        if (WalkDirY == 0) {
            if (range.bottom > y) {
                ++y;
            } else {
                WalkDirY = 1;
            }
        } else {
            if (range.top < y) {
                --y;
            } else {
                WalkDirY = 0;
            }
        }
    }
    return {x, y};
}

}  // namespace clicker
