#include "flatbutton/button_look.h"

#include <algorithm>
#include <cmath>

#include "runtime/round_half_even.h"

namespace flatbutton {

HoverStep DecideHover(std::int16_t button, bool controlHoldsCapture) noexcept {
    if (button == kLeftButton) {
        return HoverStep::None;
    }
    return controlHoldsCapture ? HoverStep::TestExit : HoverStep::Enter;
}

namespace {

constexpr double kFarthestCoordinate = 1073741824.0;  // 2^30: any sum with a screen origin fits

std::int32_t TestCoordinate(float value) noexcept {
    if (std::isnan(value)) {
        return static_cast<std::int32_t>(-kFarthestCoordinate);
    }
    const double held =
        std::clamp(static_cast<double>(value), -kFarthestCoordinate, kFarthestCoordinate);
    return static_cast<std::int32_t>(runtime::RoundHalfEven(held));
}

}  // namespace

Point HoverTestPoint(float x, float y) noexcept {
    return {TestCoordinate(x), TestCoordinate(y)};
}

PointerReport PointerInput::ButtonDown(std::int16_t button, bool secondPress) noexcept {
    PointerReport report;
    report.button = button;
    if (button == kLeftButton && secondPress) {
        report.doubleClick = true;
        clickArmed_ = false;
        return report;
    }
    report.pointerDown = true;
    if (button == kLeftButton) {
        clickArmed_ = true;
    }
    return report;
}

PointerReport PointerInput::ButtonUp(std::int16_t button, bool overControl) noexcept {
    PointerReport report;
    report.button = button;
    report.pointerUp = true;
    if (button == kLeftButton) {
        report.click = clickArmed_ && overControl;
        clickArmed_ = false;
    }
    return report;
}

}  // namespace flatbutton
