#include "flatbutton/frame_layout.h"

namespace flatbutton {

FrameLayout LayOutFrame(const Rect& rect) noexcept {
    const Rect inset = Inflated(rect, -1, -1);
    FrameLayout layout;
    layout.penWidth = 2;
    layout.start = {inset.left, inset.bottom};
    layout.lines = {{{{inset.left, inset.top}, FrameColour::First},
                     {{inset.right, inset.top}, FrameColour::First},
                     {{inset.right, inset.bottom}, FrameColour::Second},
                     {{inset.left, inset.bottom}, FrameColour::Second}}};
    return layout;
}

}  // namespace flatbutton
