// The Windows test kit's runner, which run-tests.cmd calls: runs every test that ctest runs
// for the Windows build and counts them as ctest does (each GoogleTest case on its own, in a
// process of its own; a skipped case counts as passed), prints what failed, and ends with
// "N passed, N failed".
//   test_runner <tests.list>
// Each line of tests.list, which the build writes (cmake/SuiteTestKit.cmake), is
//   gtest|plain <tab> name <tab> timeout in seconds <tab> program, below the list's folder
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "testing/child_process_win32.h"
#include "testing/gtest_listing.h"
#include "testing/temporary_folder_win32.h"

namespace {

using testing_support::ChildProcess;

struct Test {
    std::string name;
    std::wstring commandLine;
    std::wstring folder;
    std::chrono::seconds timeout;
};

struct Run {
    bool ended = false;
    DWORD exitCode = ~DWORD{0};
    std::string output;
};

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size() * 2 + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    return wide;
}

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

// Runs the command line to its end or its timeout, its output (and error output too, when
// asked for) captured in a file.
Run Capture(const testing_support::TemporaryFolder& work, const Test& test, bool withErrors) {
    SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
    const std::wstring path = work / L"output.txt";
    Run run;
    {
        const runtime::UniqueFile file(
            ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        testing_support::StartOptions options;
        options.folder = test.folder;
        options.output = file.get();
        options.errors = withErrors ? file.get() : nullptr;
        options.runsToItsEnd = true;
        ChildProcess child = ChildProcess::Start(test.commandLine, options);
        if (!child) {
            run.output = "the program did not start\n";
            return run;
        }
        run.ended = child.Ended(test.timeout);
        run.exitCode = run.ended ? child.ExitCode() : run.exitCode;
        child.End();
    }
    run.output = testing_support::ReadFileBytes(path);
    return run;
}

// The tests of tests.list, each GoogleTest program's as its listing names them. A program
// that cannot list its cases counts as one failed test, named after it.
std::vector<Test> ListTests(const std::wstring& list, const testing_support::TemporaryFolder& work,
                            std::vector<Test>& unlisted) {
    std::vector<Test> tests;
    std::istringstream lines(testing_support::ReadFileBytes(list));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string kind, name, seconds, program;
        if (!std::getline(fields, kind, '\t') || !std::getline(fields, name, '\t') ||
            !std::getline(fields, seconds, '\t') || !std::getline(fields, program)) {
            continue;
        }
        for (char& c : program) {
            c = c == '/' ? '\\' : c;
        }
        const std::wstring path = FolderOf(list) + L"\\" + Widen(program);
        const Test whole{name, L"\"" + path + L"\"", FolderOf(path),
                         std::chrono::seconds(std::stoi(seconds))};
        if (kind != "gtest") {
            tests.push_back(whole);
            continue;
        }
        Test listing = whole;
        listing.commandLine += L" --gtest_list_tests";
        const Run listed = Capture(work, listing, false);
        if (!listed.ended || listed.exitCode != 0) {
            unlisted.push_back(whole);
            std::printf("FAILED: %s did not list its tests:\n%s\n", name.c_str(),
                        listed.output.c_str());
            continue;
        }
        for (const std::string& testCase : testing_support::ListedCases(listed.output)) {
            tests.push_back({testCase,
                             whole.commandLine + L" --gtest_filter=" + Widen(testCase) +
                                 L" --gtest_also_run_disabled_tests",
                             whole.folder, whole.timeout});
        }
    }
    return tests;
}

// The lines of a skipped case's output that are not GoogleTest's own: where and why.
std::string SkipReason(const std::string& output) {
    std::istringstream lines(output);
    std::string reason;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] != '[' && !line.starts_with("Note: ") &&
            !line.starts_with("Running main()")) {
            reason += "    " + line + "\n";
        }
    }
    return reason;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: test_runner <tests.list>\n");
        return 2;
    }
    // The tests' messages are UTF-8, Japanese among them; the console's code page is put back
    // at the end.
    const UINT codePage = ::GetConsoleOutputCP();
    ::SetConsoleOutputCP(CP_UTF8);
    const testing_support::TemporaryFolder work(L"test_runner");
    std::vector<Test> failed;
    std::vector<std::string> skipped;
    const std::vector<Test> tests = ListTests(argv[1], work, failed);
    int passed = 0;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        const Test& test = tests[i];
        const auto started = std::chrono::steady_clock::now();
        const Run run = Capture(work, test, true);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const char* verdict = "Passed";
        if (run.ended && testing_support::SaysSkipped(run.output)) {
            verdict = "Skipped";
            skipped.push_back(test.name + "\n" + SkipReason(run.output));
            ++passed;
        } else if (run.ended && run.exitCode == 0) {
            ++passed;
        } else {
            verdict = run.ended ? "Failed" : "Timeout";
            failed.push_back(test);
        }
        std::printf("%4zu/%zu %-7s %s (%.2f s)\n", i + 1, tests.size(), verdict, test.name.c_str(),
                    seconds);
        if (!run.ended || run.exitCode != 0) {
            std::printf("%s\n", run.output.c_str());
        }
        std::fflush(stdout);
    }
    if (!skipped.empty()) {
        std::printf("\nSkipped, and counted as passed as ctest counts them:\n");
        for (const std::string& test : skipped) {
            std::printf("  %s", test.c_str());
        }
    }
    if (!failed.empty()) {
        std::printf("\nThe following tests FAILED:\n");
        for (const Test& test : failed) {
            std::printf("  %s\n", test.name.c_str());
        }
    }
    std::printf("\n%d passed, %zu failed\n", passed, failed.size());
    std::fflush(stdout);
    if (codePage != 0) {
        ::SetConsoleOutputCP(codePage);
    }
    return failed.empty() ? 0 : 1;
}
