#include "flatbutton/registration_scripts.h"

#include <stdexcept>

#include "runtime/ascii_text.h"

namespace flatbutton {

namespace {

// What a script puts where the library's own path goes: the folder of the script,
// without its trailing backslash (a backslash before a closing quote would escape it).
constexpr const wchar_t* kScriptModulePath = L"%here%\\Sleekon.ocx";
constexpr const wchar_t* kScriptModuleFolder = L"%here%";
// Results are read through the error level on a line of their own: "a || b" is not
// reliable in every command processor.
constexpr const char* kOnFailure = "if errorlevel 1 goto failed\r\n";

// A script's text: printable ASCII without quotes, which would end a quoted argument.
std::string Ascii(const std::wstring& text) {
    if (!runtime::IsPrintableAscii(text) || text.find(L'"') != std::wstring::npos) {
        throw std::invalid_argument("not printable ASCII in a registration script");
    }
    return runtime::NarrowToAscii(text);
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

std::string ClassesOf(Scope scope) {
    return scope == Scope::User ? "HKCU\\Software\\Classes" : "HKLM\\Software\\Classes";
}

std::string Quoted(const std::wstring& key) {
    return "\"%classes%\\" + Ascii(key) + "\"";
}

// Every script finds Sleekon.ocx beside itself. Started without arguments (from Explorer)
// it waits for a key at the end, so that its window stays until its result is read; /q
// runs it from another script without the wait.
std::string Preamble(const std::string& purpose) {
    return "@echo off\r\n"
           "rem " +
           purpose +
           "\r\n"
           "rem Generated from the control library's registration table; do not edit.\r\n"
           "rem   [/q]  no pause at the end (for use from another script)\r\n"
           "setlocal\r\n"
           "set \"quiet=\"\r\n"
           "if /i \"%~1\"==\"/q\" set \"quiet=1\"\r\n"
           "if not \"%~1\"==\"\" if not defined quiet (\r\n"
           "    echo Usage: %~nx0 [/q] 1>&2\r\n"
           "    exit /b 2\r\n"
           ")\r\n"
           "set \"here=%~dp0\"\r\n"
           "set \"here=%here:~0,-1%\"\r\n"
           "set \"result=2\"\r\n"
           "if not exist \"%here%\\Sleekon.ocx\" (\r\n"
           "    echo Sleekon.ocx is not beside this script. 1>&2\r\n"
           "    goto end\r\n"
           ")\r\n";
}

std::string Ending(const std::string& done, const std::string& failed) {
    return "echo " + done +
           "\r\n"
           "set \"result=0\"\r\n"
           "goto end\r\n"
           ":failed\r\n"
           "echo " +
           failed +
           " 1>&2\r\n"
           "set \"result=1\"\r\n"
           ":end\r\n"
           "if not defined quiet pause\r\n"
           "exit /b %result%\r\n";
}

// The classes root that shows the merged view holds only one scope's type library key,
// so a registration in the other scope hides this one's (or the reverse) from programs of
// one bitness: say so before registering ("Merged View of HKEY_CLASSES_ROOT").
std::string WarnWhenOtherScopeHolds(Scope scope) {
    const Scope other = scope == Scope::User ? Scope::Machine : Scope::User;
    const std::string there = other == Scope::User ? "for the current user" : "for every user";
    return "reg query \"" + ClassesOf(other) + "\\" + Ascii(LibraryKey()) +
           "\" >nul 2>&1\r\n"
           "if not errorlevel 1 (\r\n"
           "    echo Warning: Sleekon.ocx is registered " +
           there +
           " as well. Windows merges the two\r\n"
           "    echo registrations and shows programs only one of them for the type library, so\r\n"
           "    echo programs of the other bitness may not find it. Register both bitnesses the\r\n"
           "    echo same way: both for the current user or both for every user.\r\n"
           ")\r\n";
}

// Programs elevated through UAC do not read per-user classes ("The COM Elevation
// Moniker"), so an elevated host (VB6 or Office run as administrator) would not find the
// control registered here; and elevated with another account's password, the script
// registers for that account. whoami lists the process's integrity level among its groups:
// High (S-1-16-12288) when elevated, System (S-1-16-16384) above it.
std::string WarnWhenElevated() {
    std::string script = "set \"elevated=\"\r\n";
    for (const char* level : {"S-1-16-12288", "S-1-16-16384"}) {
        script += "for /f \"delims=\" %%g in ('whoami /groups 2^>nul ^| find \"" +
                  std::string(level) + "\"') do set \"elevated=1\"\r\n";
    }
    return script +
           "if not defined elevated goto notelevated\r\n"
           "echo Warning: this script runs as administrator. Programs run as administrator (VB6\r\n"
           "echo or Office started with Run as administrator) do not see a registration for the\r\n"
           "echo current user: for them, run register-machine.cmd instead. It also registers\r\n"
           "echo for the account it runs as, %USERDOMAIN%\\%USERNAME%: if Windows asked for the\r\n"
           "echo password of another account, that account gets the registration, not yours.\r\n"
           ":notelevated\r\n";
}

// The test of one reason to keep a tree: jumps to the label when it holds.
std::string KeepWhen(const KeepCondition& condition, Platform platform, const std::string& label) {
    const std::string key = Quoted(condition.key);
    switch (condition.test) {
        case KeepCondition::Test::KeyInOtherView:
            return "reg query " + key + " " + OtherView(platform) + " >nul 2>&1\r\n" +
                   "if not errorlevel 1 goto " + label + "\r\n";
        case KeepCondition::Test::NamesAnotherClass: {
            const std::string next = label + "next";
            return "reg query " + key + " " + View(platform) + " >nul 2>&1\r\n" +
                   "if errorlevel 1 goto " + next + "\r\n" + "reg query " + key + " /ve " +
                   View(platform) + " 2>nul | findstr /i /c:\"" + Ascii(kClassIdText) +
                   "\" >nul\r\n" + "if errorlevel 1 goto " + label + "\r\n:" + next + "\r\n";
        }
    }
    throw std::invalid_argument("a reason to keep a key that the scripts cannot test");
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
               "    goto end\r\n"
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
    script += WarnWhenElevated() + WarnWhenOtherScopeHolds(Scope::User);
    script += "set \"classes=" + ClassesOf(Scope::User) + "\"\r\n";
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
    script += "set \"classes=" + ClassesOf(Scope::User) + "\"\r\n";
    int labels = 0;
    for (const RegisteredTree& tree : RegisteredTrees(platform)) {
        const std::string remove =
            "reg delete " + Quoted(tree.key) + " /f " + View(platform) + " >nul 2>&1\r\n";
        if (tree.keepIf.empty()) {
            script += remove;
            continue;
        }
        const std::string kept = "kept" + std::to_string(++labels);
        for (const KeepCondition& condition : tree.keepIf) {
            script += KeepWhen(condition, platform, kept);
        }
        script += remove + ":" + kept + "\r\n";
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
           FindRegsvr32(platform) + WarnWhenOtherScopeHolds(Scope::Machine) +
           "\"%regsvr32%\" /s \"%here%\\Sleekon.ocx\"\r\n" + kOnFailure +
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
