#pragma once

#include <string>

namespace frame {

// Asked each time a step of saving the settings file fails: true to carry the failed
// step out again, false to give up.
class WriteFailurePrompt {
  public:
    virtual ~WriteFailurePrompt() = default;
    virtual bool ShouldRetry(const std::wstring& settingsPath) = 0;
};

}  // namespace frame
