#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The cases that a GoogleTest program's --gtest_list_tests output names, as
// "Suite.Case" for --gtest_filter, in their order. Like ctest's gtest_discover_tests, it
// reads the comments after "#" (parameter values) as no part of a name and leaves
// disabled cases out.
std::vector<std::string> ListedCases(std::string_view listing);

// Whether a case's output says that GoogleTest skipped it (what ctest's
// SKIP_REGULAR_EXPRESSION for discovered cases looks for).
bool SaysSkipped(std::string_view output);

}  // namespace testing_support
