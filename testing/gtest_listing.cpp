#include "testing/gtest_listing.h"

namespace testing_support {

namespace {

// The text before a " #" comment, without surrounding blanks (and a line's "\r").
std::string_view NamePart(std::string_view line) {
    line = line.substr(0, line.find('#'));
    const auto first = line.find_first_not_of(" \r");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \r") - first + 1);
}

bool Disabled(std::string_view name) {
    return name.starts_with("DISABLED_");
}

}  // namespace

std::vector<std::string> ListedCases(std::string_view listing) {
    std::vector<std::string> cases;
    std::string_view suite;
    while (!listing.empty()) {
        const auto end = listing.find('\n');
        const std::string_view line = listing.substr(0, end);
        listing = end == std::string_view::npos ? std::string_view() : listing.substr(end + 1);
        const std::string_view name = NamePart(line);
        if (name.empty() || line.find("gtest_main.cc") != std::string_view::npos) {
            continue;
        }
        if (!line.starts_with("  ")) {
            suite = name.ends_with('.') ? name.substr(0, name.size() - 1) : std::string_view();
        } else if (!suite.empty() && !Disabled(suite) && !Disabled(name)) {
            cases.push_back(std::string(suite) + "." + std::string(name));
        }
    }
    return cases;
}

bool SaysSkipped(std::string_view output) {
    return output.find("[  SKIPPED ]") != std::string_view::npos;
}

}  // namespace testing_support
