#include "frame/hotkeys.h"

namespace frame {

MainAction HotkeyAction(int keyCode, int modifiers) {
    if ((modifiers & kAltBit) == 0) {
        return MainAction::None;
    }
    switch (keyCode) {
        case 'O':
            return MainAction::Options;
        case 'S':
            return MainAction::Status;
        case 'X':
            return MainAction::Quit;
        default:
            return MainAction::None;
    }
}

}  // namespace frame
