#pragma once

#include <ole2.h>

namespace runtime {

// OLE on this thread for the life of the object (OleInitialize / OleUninitialize); the
// thread's windows can then host controls and hand out picture objects.
class OleSession {
  public:
    OleSession() noexcept : initialized_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialized_) {
            ::OleUninitialize();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

    bool initialized() const noexcept { return initialized_; }

  private:
    bool initialized_;
};

}  // namespace runtime
