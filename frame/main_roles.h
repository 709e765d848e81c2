#pragma once

#include <string_view>

namespace frame {

// Which controls and pictures of a program's stored main-window layout play which part.
struct MainWindowRoles {
    // Buttons.
    std::string_view status;
    std::string_view options;
    std::string_view quit;
    std::string_view close;
    std::string_view minimize;
    // The picture drawn over the skin; it drags the window like the surface.
    std::string_view title;
    // The faces the status toggle hands to the status and options buttons.
    std::string_view startFace;           // status button while stopped
    std::string_view stopFace;            // status button while running
    std::string_view optionsStoppedFace;  // options button while stopped
    std::string_view optionsRunningFace;  // options button while running (disabled)
};

}  // namespace frame
