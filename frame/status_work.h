#pragma once

namespace frame {

// What the main window's status toggle starts and stops: the click engine in one program,
// the follower window in the other.
class StatusWork {
  public:
    virtual ~StatusWork() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // The main window is closing, after the other windows were closed.
    virtual void Close() = 0;
    // Settings the work reads were changed, perhaps while it runs.
    virtual void ApplySettings() {}
};

}  // namespace frame
