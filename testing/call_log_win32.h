#pragma once

// The calls that a test's COM objects receive, in order, for tests that compare them with
// the calls they expect: an unexpected call fails them as surely as a missing one.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class CallLog {
  public:
    void Add(std::string call) { calls_.push_back(std::move(call)); }
    // The calls since the last Take.
    std::vector<std::string> Take() { return std::exchange(calls_, {}); }

  private:
    std::vector<std::string> calls_;
};

// The name a log gives an interface: its name for the OLE interfaces a container and a
// control ask each other for, else its identifier in braces.
std::string InterfaceName(REFIID iid);

// The reference count of an object, by taking and giving back one reference.
template <typename Object>
ULONG CountOf(Object* object) {
    object->AddRef();
    return object->Release();
}

}  // namespace testing_support
