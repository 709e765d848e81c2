#pragma once

namespace frame {

// What the main window's status toggle starts and stops: the click engine in one program,
// the follower window in the other.
class StatusWork {
  public:
    virtual ~StatusWork() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // The settings were changed (the settings dialog was confirmed): the work takes them up,
    // running or not.
    virtual void ApplySettings() = 0;
    // The main window is closing, after the other windows were closed.
    virtual void Close() = 0;
};

}  // namespace frame
