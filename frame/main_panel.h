#pragma once

#include <string_view>

#include "frame/flat_buttons.h"
#include "frame/hotkeys.h"
#include "frame/main_roles.h"
#include "frame/status_work.h"

namespace frame {

// What a click on a button of the main window asks for.
MainAction ButtonAction(const MainWindowRoles& roles, std::string_view button);

// The main window's status toggle: it starts and stops the work and hands the buttons
// their faces; the options button is disabled while the work runs.
class StatusToggle {
  public:
    StatusToggle(const MainWindowRoles& roles, FlatButtons& buttons, StatusWork& work)
        : roles_(roles), buttons_(buttons), work_(work) {}

    void Toggle();
    bool running() const { return running_; }

  private:
    const MainWindowRoles& roles_;
    FlatButtons& buttons_;
    StatusWork& work_;
    bool running_ = false;
};

}  // namespace frame
