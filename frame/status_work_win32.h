#pragma once

#include <windows.h>

namespace frame {

// What the main window's status toggle starts and stops: the click engine in Tapnor, the
// follower window in Fendle.
class StatusWork {
  public:
    virtual ~StatusWork() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // The main window is closing, after the other windows were closed.
    virtual void Close() = 0;
    // Messages of the main window that belong to the work (its timer ticks); true when
    // handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

}  // namespace frame
