#include "frame/main_panel.h"

namespace frame {

MainAction ButtonAction(const MainWindowRoles& roles, std::string_view button) {
    if (button == roles.status) {
        return MainAction::Status;
    }
    if (button == roles.options) {
        return MainAction::Options;
    }
    if (button == roles.quit || button == roles.close) {
        return MainAction::Quit;
    }
    if (button == roles.minimize) {
        return MainAction::Minimize;
    }
    return MainAction::None;
}

void StatusToggle::Toggle() {
    if (!running_) {
        work_.Start();
        running_ = true;
        buttons_.SetEnabled(roles_.options, false);
        buttons_.SetPictureFrom(roles_.options, roles_.optionsRunningFace);
        buttons_.SetPictureFrom(roles_.status, roles_.stopFace);
    } else {
        work_.Stop();
        running_ = false;
        buttons_.SetEnabled(roles_.options, true);
        buttons_.SetPictureFrom(roles_.options, roles_.optionsStoppedFace);
        buttons_.SetPictureFrom(roles_.status, roles_.startFace);
    }
}

}  // namespace frame
