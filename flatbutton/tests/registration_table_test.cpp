#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "flatbutton/registration_scripts.h"
#include "flatbutton/registration_table.h"

namespace flatbutton {
namespace {

constexpr Platform kPlatforms[] = {Platform::Win32, Platform::Win64};

std::wstring Wide(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Narrow(const std::wstring& text) {
    return {text.begin(), text.end()};
}

std::vector<std::string> Lines(const std::string& script) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = script.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(script.substr(start, end - start));
    }
    EXPECT_EQ(start, script.size()) << "every line ends in CRLF";
    return lines;
}

TEST(RegistrationTableTest, UnregisteringRemovesEveryKeyThatRegisteringWrites) {
    for (const Platform platform : kPlatforms) {
        const auto trees = RegisteredTrees(platform);
        for (const RegistryEntry& entry :
             RegistrationEntries({L"C:\\k\\Sleekon.ocx", L"C:\\k", platform})) {
            bool removed = false;
            for (const RegisteredTree& tree : trees) {
                removed =
                    removed || entry.key == tree.key || entry.key.starts_with(tree.key + L"\\");
            }
            EXPECT_TRUE(removed) << Narrow(entry.key);
        }
        // The class goes first: the shared keys' removal asks whether a class is left.
        EXPECT_EQ(trees.front(), (RegisteredTree{ClassKey(), {}}));
    }
}

TEST(RegistrationTableTest, TheTypeLibraryPathIsFiledUnderThePlatformOfTheModule) {
    const auto pathOf = [](Platform platform) {
        std::wstring key;
        for (const RegistryEntry& entry : RegistrationEntries({L"D:\\x.ocx", L"D:", platform})) {
            if (entry.value == L"D:\\x.ocx" && entry.key.starts_with(L"TypeLib\\")) {
                key = entry.key;
            }
        }
        return key;
    };
    EXPECT_TRUE(pathOf(Platform::Win32).ends_with(L"\\1.0\\0\\win32"));
    EXPECT_TRUE(pathOf(Platform::Win64).ends_with(L"\\1.0\\0\\win64"));
}

// Reads the user script's reg add lines back into entries: they must be the table's,
// with the script's own path for the library, each in the platform's registry view.
TEST(RegistrationScriptsTest, TheUserScriptWritesExactlyTheTable) {
    const std::regex add(
        R"re(reg add "%classes%\\([^"]+)"(?: /ve| /v "([^"]+)") /t REG_SZ /d "([^"]*)" /f (/reg:\d\d) >nul)re");
    for (const Platform platform : kPlatforms) {
        std::vector<RegistryEntry> written;
        for (const std::string& line : Lines(UserRegisterScript(platform))) {
            std::smatch match;
            if (!line.starts_with("reg add ")) {
                continue;
            }
            ASSERT_TRUE(std::regex_match(line, match, add)) << line;
            EXPECT_EQ(match[4], platform == Platform::Win64 ? "/reg:64" : "/reg:32");
            EXPECT_FALSE(match[3].str().ends_with("\\")) << "escapes the closing quote: " << line;
            written.push_back({Wide(match[1]), Wide(match[2]), Wide(match[3])});
        }
        EXPECT_EQ(written, RegistrationEntries({L"%here%\\Sleekon.ocx", L"%here%", platform}));
    }
}

TEST(RegistrationScriptsTest, TheUserUnregisterScriptDeletesEveryTreeInItsOwnView) {
    for (const Platform platform : kPlatforms) {
        const std::string view = platform == Platform::Win64 ? "/reg:64" : "/reg:32";
        const std::string other = platform == Platform::Win64 ? "/reg:32" : "/reg:64";
        const std::string script = UserUnregisterScript(platform);
        for (const RegisteredTree& tree : RegisteredTrees(platform)) {
            const std::string key = Narrow(tree.key);
            const std::string remove = "reg delete \"%classes%\\" + key + "\" /f " + view;
            EXPECT_NE(script.find(remove), std::string::npos) << key;
        }
        const std::string classKey = Narrow(ClassKey());
        EXPECT_NE(script.find("reg query \"%classes%\\" + classKey + "\" " + other),
                  std::string::npos);
        EXPECT_EQ(script.find("reg delete \"%classes%\\" + classKey + "\" /f " + other),
                  std::string::npos);
    }
}

TEST(RegistrationScriptsTest, MachineScriptsTakeTheRegsvr32OfTheirPlatform) {
    const std::string x86 = MachineRegisterScript(Platform::Win32);
    const std::string x64 = MachineUnregisterScript(Platform::Win64);
    EXPECT_NE(x86.find("SysWOW64\\regsvr32.exe"), std::string::npos);
    EXPECT_EQ(x86.find("Sysnative"), std::string::npos);
    EXPECT_NE(x64.find("Sysnative\\regsvr32.exe"), std::string::npos);
    EXPECT_EQ(x64.find("SysWOW64"), std::string::npos);
    EXPECT_NE(x64.find("/u /s"), std::string::npos);
}

}  // namespace
}  // namespace flatbutton
