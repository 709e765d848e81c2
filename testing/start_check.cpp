#include "testing/start_check.h"

namespace testing_support {

bool ShouldStartAgain(const StartOutcome& outcome) {
    if (!outcome.created) {
        return true;
    }
    if (!outcome.endedInFirstSecond || outcome.exitCode == 0) {
        return false;
    }
    constexpr std::uint32_t kFirstErrorStatus = 0xC0000000;
    return outcome.exitCode >= kFirstErrorStatus ||
           (outcome.wroteOutput.has_value() && !*outcome.wroteOutput);
}

}  // namespace testing_support
