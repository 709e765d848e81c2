#pragma once

#include <windows.h>

#include "frame/status_work.h"

namespace frame {

// Status work that runs on the main window's thread and receives that window's messages.
class WindowWork : public StatusWork {
  public:
    // Messages of the main window that belong to the work (its timer ticks); true when
    // handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

}  // namespace frame
