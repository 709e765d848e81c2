// The x64 packages as a Windows user meets them: the portable folder, the installer, its
// winget manifest and the control library's kit. scripts/test unpacks them and names the folder in
// SUITE_PACKAGE_TEST: zip-x64\ (the unpacked programs), sdk\ (the unpacked kit) and
// setup-amd64.exe (the installer on the 64-bit stub, as this machine runs no 32-bit
// program); SUITE_DIST names dist\, with the installer that ships.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "runtime/unique_handle_win32.h"
#include "flatbutton/identity.h"
#include "runtime/ascii_text.h"
#include "testing/child_process_win32.h"
#include "testing/e2e_support_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/temporary_folder_win32.h"
#include "testing/window_driver_win32.h"

namespace {

using namespace std::chrono_literals;
using testing_support::FileExists;
using testing_support::PressKeys;
using testing_support::ProgramUnderTest;
using testing_support::ReadFileBytes;
using testing_support::WaitUntil;

constexpr const wchar_t* kTapnorDialog = L"連射設定";
constexpr const wchar_t* kTapnorMain = L"マウス連射";
constexpr const wchar_t* kFendleMain = L"Fendle";
constexpr const wchar_t* kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tapnor-Fendle";

std::wstring FolderFrom(const wchar_t* variable) {
    const wchar_t* folder = _wgetenv(variable);
    return folder != nullptr ? folder : L"";
}

std::wstring PackageFolder() {
    return FolderFrom(L"SUITE_PACKAGE_TEST");
}

DWORD RunAndWait(const std::wstring& commandLine) {
    testing_support::StartOptions options;
    options.flags = CREATE_NO_WINDOW;
    return testing_support::RunToEnd(commandLine, std::chrono::seconds(60), options);
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    const HRESULT found = ::SHGetKnownFolderPath(id, 0, nullptr, &path);
    const runtime::UniqueCoTaskString owned(path);  // freed even when the call failed
    return SUCCEEDED(found) ? std::wstring(path) : std::wstring();
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    const bool exists = ::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    const runtime::UniqueRegistryKey owned(exists ? key : nullptr);
    return exists;
}

// Every value that "Key: value" lines of the text give the key.
std::vector<std::string> ValuesOf(const std::string& text, const std::string& key) {
    std::vector<std::string> values;
    for (std::size_t at = text.find(key + ": "); at != std::string::npos;
         at = text.find(key + ": ", at + 1)) {
        const std::size_t start = at + key.size() + 2;
        values.push_back(text.substr(start, text.find('\n', start) - start));
    }
    return values;
}

class PackageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(PackageFolder().empty()) << "SUITE_PACKAGE_TEST names no package folder";
        ASSERT_FALSE(FolderFrom(L"SUITE_DIST").empty()) << "SUITE_DIST names no folder";
    }
    ~PackageTest() override { testing_support::ReleaseHeldKeys(); }
};

// Closes the program's main window with Alt+X, as a person would.
void QuitWithAltX(ProgramUnderTest& program, const wchar_t* mainTitle) {
    const HWND main = program.WaitForWindow(mainTitle, 15s);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
    PressKeys({VK_MENU, 'X'});
    ASSERT_TRUE(program.HasExited(10s));
    EXPECT_EQ(program.ExitCode(), 0u);
}

// Starts Tapnor, leaves its dialog and quits.
void RunTapnorOnce(ProgramUnderTest& program) {
    ASSERT_TRUE(program.Start(L"Tapnor.exe"));
    const HWND dialog = program.WaitForWindow(kTapnorDialog, 15s);
    ASSERT_NE(dialog, nullptr) << "Tapnor's settings dialog did not come up";
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 5s));
    PressKeys({VK_ESCAPE});
    QuitWithAltX(program, kTapnorMain);
}

TEST_F(PackageTest, ThePortableProgramsRunFromTheirFolderAndKeepTheirSettingsThere) {
    const std::wstring unpacked = PackageFolder() + L"\\zip-x64";
    for (const wchar_t* file : {L"Tapnor.exe", L"Fendle.exe", L"Sleekon.ocx", L"README.txt"}) {
        EXPECT_TRUE(FileExists(unpacked + L"\\" + file)) << "missing from the zip";
    }
    ProgramUnderTest program(L"展開先", unpacked, {L"Tapnor.exe", L"Fendle.exe", L"Sleekon.ocx"});
    RunTapnorOnce(program);
    EXPECT_TRUE(FileExists(program.PathOf(L"Tapnor.ini")));

    ProgramUnderTest fendle(L"展開先2", unpacked, {L"Fendle.exe", L"Sleekon.ocx"});
    ASSERT_TRUE(fendle.Start(L"Fendle.exe"));
    QuitWithAltX(fendle, kFendleMain);
    EXPECT_TRUE(FileExists(fendle.PathOf(L"Fendle.ini")));
}

TEST_F(PackageTest, TheInstallerInstallsAndUpgradesForTheUserAndItsUninstallKeepsTheSettings) {
    const std::wstring folder = KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Tapnor-Fendle";
    const std::wstring menu = KnownFolder(FOLDERID_Programs) + L"\\Tapnor-Fendle";
    const wchar_t* const files[] = {L"Tapnor.exe", L"Fendle.exe", L"Sleekon.ocx", L"Uninstall.exe"};
    const wchar_t* const shortcuts[] = {L"Tapnor.lnk", L"Fendle.lnk"};
    ASSERT_FALSE(FileExists(folder)) << "installed before the test";

    const std::wstring setup = L"\"" + PackageFolder() + L"\\setup-amd64.exe\" /S";
    ASSERT_EQ(RunAndWait(setup), 0u);
    for (const wchar_t* file : files) {
        EXPECT_TRUE(FileExists(folder + L"\\" + file)) << "not installed";
    }
    // The 64-bit programs on 64-bit Windows.
    const std::wstring tapnor = folder + L"\\Tapnor.exe";
    const std::string shipped = ReadFileBytes(PackageFolder() + L"\\zip-x64\\Tapnor.exe");
    EXPECT_TRUE(ReadFileBytes(tapnor) == shipped);
    for (const wchar_t* shortcut : shortcuts) {
        EXPECT_TRUE(FileExists(menu + L"\\" + shortcut)) << "no Start-menu shortcut";
    }
    wchar_t uninstall[MAX_PATH] = {};
    DWORD bytes = sizeof(uninstall);
    EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString", RRF_RT_REG_SZ,
                             nullptr, uninstall, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(uninstall), L"\"" + folder + L"\\Uninstall.exe\"");

    {
        ProgramUnderTest installed = ProgramUnderTest::InPlace(folder);
        RunTapnorOnce(installed);
    }
    const std::string settings = ReadFileBytes(folder + L"\\Tapnor.ini");
    EXPECT_FALSE(settings.empty()) << "the settings were not saved";

    // Over an older version, while Fendle runs, a silent install fails before it changes a
    // file: Tapnor.exe, written first, would otherwise be replaced beside the old Fendle.
    // Once Fendle has ended, it replaces the programs and keeps the settings.
    testing_support::WriteFileBytes(tapnor, "older");
    {
        ProgramUnderTest fendle = ProgramUnderTest::InPlace(folder);
        ASSERT_TRUE(fendle.Start(L"Fendle.exe"));
        ASSERT_NE(fendle.WaitForWindow(kFendleMain, 15s), nullptr);
        EXPECT_NE(RunAndWait(setup), 0u) << "installed beside a running Fendle";
        EXPECT_TRUE(ReadFileBytes(tapnor) == "older") << "a file changed while Fendle ran";
        QuitWithAltX(fendle, kFendleMain);
    }
    ASSERT_EQ(RunAndWait(setup), 0u);
    EXPECT_TRUE(ReadFileBytes(tapnor) == shipped) << "the older Tapnor.exe stayed";
    EXPECT_EQ(ReadFileBytes(folder + L"\\Tapnor.ini"), settings);

    // A program file that cannot be removed (open without FILE_SHARE_DELETE) keeps the
    // uninstaller and its Apps entry. _?= runs it in place, so its exit code is seen.
    {
        const runtime::UniqueFile held(::CreateFileW((folder + L"\\Sleekon.ocx").c_str(),
                                                     GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                                     nullptr));
        ASSERT_TRUE(held);
        EXPECT_NE(RunAndWait(std::wstring(uninstall) + L" /S _?=" + folder), 0u);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUninstallKey)) << "the Apps entry went";
        EXPECT_TRUE(FileExists(folder + L"\\Uninstall.exe")) << "the uninstaller went";
    }

    // The uninstaller runs again from a copy of itself and returns at once.
    ASSERT_EQ(RunAndWait(std::wstring(uninstall) + L" /S"), 0u);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return !FileExists(folder + L"\\Uninstall.exe") &&
                   !KeyExists(HKEY_CURRENT_USER, kUninstallKey) && !FileExists(menu);
        },
        30s))
        << "the uninstaller left its own files, its key or the menu folder";
    for (const wchar_t* file : files) {
        EXPECT_FALSE(FileExists(folder + L"\\" + file)) << "left behind";
    }
    EXPECT_TRUE(FileExists(folder + L"\\Tapnor.ini")) << "a silent uninstall keeps the settings";
    ::DeleteFileW((folder + L"\\Tapnor.ini").c_str());
    ::DeleteFileW((folder + L"\\Fendle.ini").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

// The winget manifest beside the packages: each of its files names the suite's version, and
// it gives the installer that ships by its name and its hash (as SHA256SUMS has it).
TEST_F(PackageTest, TheWingetManifestNamesTheShippedInstallerByItsHashAndTheSuitesVersion) {
    const std::wstring dist = FolderFrom(L"SUITE_DIST");
    std::string version = ReadFileBytes(testing_support::SourceFolder() + L"\\VERSION");
    version.erase(version.find_first_of("\r\n"));
    const std::string setup = "Tapnor-Fendle-" + version + "-setup.exe";
    const std::string sums = ReadFileBytes(dist + L"\\SHA256SUMS");
    const std::size_t line = sums.find("  " + setup + "\n");
    ASSERT_TRUE(line != std::string::npos && line >= 64) << setup << " is not in SHA256SUMS";
    std::string manifest;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dist + L"\\winget")) {
        manifest += entry.is_regular_file() ? ReadFileBytes(entry.path().wstring()) : "";
    }
    const std::vector<std::string> versions = ValuesOf(manifest, "PackageVersion");
    EXPECT_GE(versions.size(), 3u) << "version, installer and default locale";
    EXPECT_EQ(versions, std::vector<std::string>(versions.size(), version));
    const std::vector<std::string> hashes = ValuesOf(manifest, "InstallerSha256");
    EXPECT_FALSE(hashes.empty());
    for (const std::string& hash : hashes) {
        EXPECT_EQ(::_stricmp(hash.c_str(), sums.substr(line - 64, 64).c_str()), 0) << hash;
    }
    for (const std::string& url : ValuesOf(manifest, "InstallerUrl")) {
        EXPECT_TRUE(url.ends_with("/" + setup)) << url;
    }
}

// The installer that ships runs on 32-bit Windows as well: its stub is a 32-bit program
// (the one the tests run differs only in its stub).
TEST_F(PackageTest, TheShippedInstallerIsA32BitProgram) {
    const std::wstring dist = FolderFrom(L"SUITE_DIST");
    WIN32_FIND_DATAW found = {};
    const HANDLE search = ::FindFirstFileW((dist + L"\\Tapnor-Fendle-*-setup.exe").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << "no installer in dist";
    ::FindClose(search);
    const std::string image = testing_support::ReadFileBytes(dist + L"\\" + found.cFileName);
    ASSERT_GT(image.size(), 0x200u);
    const auto header = *reinterpret_cast<const std::uint32_t*>(image.data() + 0x3C);
    ASSERT_LT(header + 6, image.size());
    EXPECT_EQ(image.compare(header, 4, std::string("PE\0\0", 4)), 0);
    EXPECT_EQ(*reinterpret_cast<const std::uint16_t*>(image.data() + header + 4),
              IMAGE_FILE_MACHINE_I386);
}

// The kit's x64 scripts, run from the unpacked kit as another script runs them (/q: no
// pause at the end); a script host creates the control by its ProgID.
class KitTest : public PackageTest {
  protected:
    static std::wstring Script(const wchar_t* name) {
        return L"cmd.exe /c \"\"" + PackageFolder() + L"\\sdk\\x64\\" + name + L"\" /q\"";
    }

    bool ScriptHostCreatesTheControl() {
        testing_support::WriteFileBytes(check_ / L"create.vbs",
                                        "On Error Resume Next\r\n"
                                        "Set control = CreateObject(\"" +
                                            runtime::NarrowToAscii(flatbutton::kProgId) +
                                            "\")\r\n"
                                            "If Err.Number <> 0 Then WScript.Quit 1\r\n"
                                            "WScript.Quit 0\r\n");
        return RunAndWait(L"cscript.exe //nologo //B \"" + (check_ / L"create.vbs") + L"\"") == 0;
    }

    // What register-user.cmd prints when whoami /groups lists this integrity level. Wine's
    // whoami lists no groups, so a stand-in found first on the PATH answers as Windows' does.
    std::string RegisterUserAtIntegrity(const std::string& level) {
        testing_support::WriteFileBytes(check_ / L"whoami.cmd",
                                        "@echo Mandatory Label  Label  " + level + "\r\n");
        const std::wstring output = check_ / L"output.txt";
        EXPECT_EQ(RunAndWait(L"cmd.exe /c \"set \"PATH=" + check_.path() + L";%PATH%\" && \"" +
                             PackageFolder() + L"\\sdk\\x64\\register-user.cmd\" /q >\"" + output +
                             L"\" 2>&1\""),
                  0u);
        return ReadFileBytes(output);
    }

    // Every key and value below the registered trees of the classes root given.
    std::map<std::wstring, std::wstring> Snapshot(HKEY root) {
        std::map<std::wstring, std::wstring> found;
        for (const std::wstring& tree : kTrees) {
            Collect(root, std::wstring(L"Software\\Classes\\") + tree, found);
        }
        return found;
    }

    inline static const std::wstring kTrees[] = {
        std::wstring(L"CLSID\\") + flatbutton::kClassIdText, flatbutton::kProgId,
        std::wstring(L"TypeLib\\") + flatbutton::kLibraryIdText,
        std::wstring(L"Interface\\") + flatbutton::kInterfaceIdText,
        std::wstring(L"Interface\\") + flatbutton::kEventsIdText};

  private:
    static void Collect(HKEY root, const std::wstring& path,
                        std::map<std::wstring, std::wstring>& found) {
        HKEY opened = nullptr;
        if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            return;
        }
        const runtime::UniqueRegistryKey owned(opened);
        const HKEY key = owned.get();
        const std::wstring relative = path.substr(std::wstring(L"Software\\Classes\\").size());
        found[relative] = L"(key)";
        wchar_t name[256];
        BYTE data[2048];
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = 256;
            DWORD size = sizeof(data) - sizeof(wchar_t);
            DWORD type = 0;
            if (::RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) !=
                ERROR_SUCCESS) {
                break;
            }
            data[size] = data[size + 1] = 0;
            found[relative + L" | " + name] =
                std::to_wstring(type) + L":" + reinterpret_cast<const wchar_t*>(data);
        }
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = 256;
            if (::RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                break;
            }
            Collect(root, path + L"\\" + name, found);
        }
    }

    testing_support::TemporaryFolder check_{L"スクリプト"};
};

TEST_F(KitTest, TheMachineWideScriptsRegisterAndUnregister) {
    ASSERT_FALSE(ScriptHostCreatesTheControl()) << "registered before the test";
    ASSERT_EQ(RunAndWait(Script(L"register-machine.cmd")), 0u);
    EXPECT_TRUE(ScriptHostCreatesTheControl());
    ASSERT_EQ(RunAndWait(Script(L"unregister-machine.cmd")), 0u);
    EXPECT_FALSE(ScriptHostCreatesTheControl());
    EXPECT_TRUE(Snapshot(HKEY_LOCAL_MACHINE).empty());
}

// Run elevated (high integrity), the per-user script registers but warns that programs run as
// administrator will not see it and names the script for them; run normally, it does not.
TEST_F(KitTest, ThePerUserScriptWarnsWhenItRunsElevated) {
    for (const bool elevated : {true, false}) {
        const std::string said = RegisterUserAtIntegrity(elevated ? "S-1-16-12288" : "S-1-16-8192");
        EXPECT_EQ(said.find("register-machine.cmd") != std::string::npos, elevated) << said;
        EXPECT_FALSE(Snapshot(HKEY_CURRENT_USER).empty()) << "it did not register";
        ASSERT_EQ(RunAndWait(Script(L"unregister-user.cmd")), 0u);
    }
}

// The per-user scripts write below HKCU\Software\Classes exactly what the library registers
// itself below HKLM\Software\Classes, and neither scope's scripts touch the other's keys.
// Wine's HKEY_CLASSES_ROOT does not read HKCU\Software\Classes, so no script host sees a
// per-user registration here, and a write through it never lands in the user's tree as it
// does on Windows: the scopes are compared key by key instead.
TEST_F(KitTest, EachScopesScriptsWriteTheSameKeysAndLeaveTheOtherScopeAlone) {
    ASSERT_EQ(RunAndWait(Script(L"register-user.cmd")), 0u);
    const auto byScript = Snapshot(HKEY_CURRENT_USER);
    EXPECT_TRUE(Snapshot(HKEY_LOCAL_MACHINE).empty()) << "the per-user script wrote machine keys";

    ASSERT_EQ(RunAndWait(Script(L"register-machine.cmd")), 0u);
    const auto bySelf = Snapshot(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(Snapshot(HKEY_CURRENT_USER), byScript)
        << "registering for every user changed the user's keys";
    ASSERT_EQ(RunAndWait(Script(L"unregister-machine.cmd")), 0u);
    EXPECT_TRUE(Snapshot(HKEY_LOCAL_MACHINE).empty());
    EXPECT_EQ(Snapshot(HKEY_CURRENT_USER), byScript)
        << "unregistering for every user changed the user's keys";

    ASSERT_EQ(RunAndWait(Script(L"unregister-user.cmd")), 0u);
    EXPECT_TRUE(Snapshot(HKEY_CURRENT_USER).empty()) << "the per-user registration stayed behind";
    EXPECT_FALSE(bySelf.empty());
    EXPECT_EQ(bySelf, byScript);
}

}  // namespace
