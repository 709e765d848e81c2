#include "flatbutton/registration_scripts.h"

#include <stdexcept>

#include "flatbutton/sleekon_dispids.h"

namespace flatbutton {

namespace {

// What a script puts where the library's own path goes: the folder of the script,
// without its trailing backslash (a backslash before a closing quote would escape it).
constexpr const wchar_t* kScriptModulePath = L"%here%\\Sleekon.ocx";
constexpr const wchar_t* kScriptModuleFolder = L"%here%";
// Results are read through the error level on a line of their own: "a || b" is not
// reliable in every command processor.
constexpr const char* kOnFailure = "if errorlevel 1 goto failed\r\n";

std::string Ascii(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        if (c < 0x20 || c > 0x7E || c == L'"') {
            throw std::invalid_argument("not printable ASCII in a registration script");
        }
        narrow.push_back(static_cast<char>(c));
    }
    return narrow;
}

std::string View(Platform platform) {
    return platform == Platform::Win64 ? "/reg:64" : "/reg:32";
}

std::string OtherView(Platform platform) {
    return platform == Platform::Win64 ? "/reg:32" : "/reg:64";
}

std::string ArchitectureName(Platform platform) {
    return platform == Platform::Win64 ? "x64" : "x86";
}

std::string Quoted(const std::wstring& key) {
    return "\"%classes%\\" + Ascii(key) + "\"";
}

// Every script finds Sleekon.ocx beside itself.
std::string Preamble(const std::string& purpose) {
    return "@echo off\r\n"
           "rem " +
           purpose +
           "\r\n"
           "rem Generated from the control library's registration table; do not edit.\r\n"
           "setlocal\r\n"
           "set \"here=%~dp0\"\r\n"
           "set \"here=%here:~0,-1%\"\r\n"
           "if not exist \"%here%\\Sleekon.ocx\" (\r\n"
           "    echo Sleekon.ocx is not beside this script. 1>&2\r\n"
           "    exit /b 2\r\n"
           ")\r\n";
}

std::string Ending(const std::string& done, const std::string& failed) {
    return "echo " + done +
           "\r\n"
           "exit /b 0\r\n"
           ":failed\r\n"
           "echo " +
           failed +
           " 1>&2\r\n"
           "exit /b 1\r\n";
}

// The regsvr32 of the platform, wherever the script host runs: a 32-bit command
// processor on 64-bit Windows sees SysWOW64 as System32 and the real one as Sysnative.
std::string FindRegsvr32(Platform platform) {
    if (platform == Platform::Win64) {
        return "set \"regsvr32=%SystemRoot%\\System32\\regsvr32.exe\"\r\n"
               "if exist \"%SystemRoot%\\Sysnative\\regsvr32.exe\" "
               "set \"regsvr32=%SystemRoot%\\Sysnative\\regsvr32.exe\"\r\n"
               "if /i \"%PROCESSOR_ARCHITECTURE%%PROCESSOR_ARCHITEW6432%\"==\"x86\" (\r\n"
               "    echo The x64 Sleekon.ocx needs 64-bit Windows; take the x86 one. 1>&2\r\n"
               "    exit /b 2\r\n"
               ")\r\n";
    }
    return "set \"regsvr32=%SystemRoot%\\System32\\regsvr32.exe\"\r\n"
           "if exist \"%SystemRoot%\\SysWOW64\\regsvr32.exe\" "
           "set \"regsvr32=%SystemRoot%\\SysWOW64\\regsvr32.exe\"\r\n";
}

}  // namespace

std::string UserRegisterScript(Platform platform) {
    const std::string arch = ArchitectureName(platform);
    std::string script =
        Preamble("Registers the " + arch + " Sleekon.ocx beside this script for the current user.");
    script += "set \"classes=HKCU\\Software\\Classes\"\r\n";
    for (const RegistryEntry& entry :
         RegistrationEntries({kScriptModulePath, kScriptModuleFolder, platform})) {
        script += "reg add " + Quoted(entry.key);
        script += entry.name.empty() ? " /ve" : " /v \"" + Ascii(entry.name) + "\"";
        script += " /t REG_SZ /d \"" + Ascii(entry.value) + "\"";
        script += " /f " + View(platform) + " >nul\r\n" + kOnFailure;
    }
    return script + Ending("Sleekon.ocx (" + arch + ") is registered for the current user.",
                           "Registration failed; run unregister-user.cmd to clean up.");
}

std::string UserUnregisterScript(Platform platform) {
    const std::string arch = ArchitectureName(platform);
    std::string script =
        Preamble("Removes the current user's registration of the " + arch + " Sleekon.ocx.");
    script += "set \"classes=HKCU\\Software\\Classes\"\r\n";
    // Shared keys are kept while the other view still has the class.
    const std::string otherViewHasClass =
        "reg query " + Quoted(ClassKey()) + " " + OtherView(platform) + " >nul 2>&1\r\n";
    int labels = 0;
    for (const RegisteredTree& tree : RegisteredTrees(platform)) {
        const std::string remove =
            "reg delete " + Quoted(tree.key) + " /f " + View(platform) + " >nul 2>&1\r\n";
        if (tree.removal == Removal::Always) {
            script += remove;
            continue;
        }
        const std::string label = std::to_string(++labels);
        script += otherViewHasClass + "if not errorlevel 1 goto kept" + label + "\r\n";
        if (tree.removal == Removal::UnlessOtherViewHasClassOrTakenOver) {
            // Kept when its CLSID names another class.
            const std::string owner = Quoted(tree.key + L"\\CLSID");
            script += "reg query " + owner + " " + View(platform) + " >nul 2>&1\r\n" +
                      "if errorlevel 1 goto remove" + label + "\r\n" + "reg query " + owner +
                      " /ve " + View(platform) + " 2>nul | findstr /i /c:\"" + Ascii(kClassIdText) +
                      "\" >nul\r\n" + "if errorlevel 1 goto kept" + label + "\r\n" + ":remove" +
                      label + "\r\n";
        }
        script += remove + ":kept" + label + "\r\n";
    }
    script += "reg query " + Quoted(ClassKey()) + " " + View(platform) + " >nul 2>&1\r\n" +
              "if not errorlevel 1 goto failed\r\n";
    return script +
           Ending("Sleekon.ocx (" + arch + ") is no longer registered for the current user.",
                  "The registration could not be removed.");
}

std::string MachineRegisterScript(Platform platform) {
    const std::string arch = ArchitectureName(platform);
    return Preamble("Registers the " + arch +
                    " Sleekon.ocx beside this script for every user; run as administrator.") +
           FindRegsvr32(platform) + "\"%regsvr32%\" /s \"%here%\\Sleekon.ocx\"\r\n" + kOnFailure +
           Ending("Sleekon.ocx (" + arch + ") is registered for every user.",
                  "Registration failed; run this script as administrator.");
}

std::string MachineUnregisterScript(Platform platform) {
    const std::string arch = ArchitectureName(platform);
    return Preamble("Removes the registration of the " + arch +
                    " Sleekon.ocx beside this script for every user; run as administrator.") +
           FindRegsvr32(platform) + "\"%regsvr32%\" /u /s \"%here%\\Sleekon.ocx\"\r\n" +
           kOnFailure +
           Ending("Sleekon.ocx (" + arch + ") is no longer registered for every user.",
                  "The registration could not be removed; run this script as administrator.");
}

}  // namespace flatbutton
