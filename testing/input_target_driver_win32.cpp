#include "testing/input_target_win32.h"

#include <chrono>
#include <sstream>

#include "testing/program_under_test_win32.h"
#include "testing/window_driver_win32.h"

namespace testing_support {

InputTarget::InputTarget(const RECT& place) : log_(folder_ / L"target.log") {
    process_ = ChildProcess::Start(L"\"" + ProgramFolder() +
                                   L"\\..\\testing\\input_target.exe\" \"" + log_ + L"\" " +
                                   std::to_wstring(place.left) + L" " + std::to_wstring(place.top) +
                                   L" " + std::to_wstring(place.right - place.left) + L" " +
                                   std::to_wstring(place.bottom - place.top));
    WaitUntil([&] { return Log().find("ready") != std::string::npos; }, std::chrono::seconds(10));
}

HWND InputTarget::window() const {
    return ::FindWindowW(L"SuiteInputTarget", L"InputTarget");
}

std::string InputTarget::Log() const {
    return FileExists(log_) ? ReadFileBytes(log_) : std::string();
}

std::vector<std::pair<long, long>> InputTarget::Entries(const std::string& kind) const {
    std::vector<std::pair<long, long>> entries;
    std::istringstream lines(Log());
    std::string name;
    long a = 0;
    long b = 0;
    while (lines >> name >> a >> b) {
        if (name == kind) {
            entries.emplace_back(a, b);
        }
    }
    return entries;
}

}  // namespace testing_support
