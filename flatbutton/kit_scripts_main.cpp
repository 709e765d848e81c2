// Writes the control library's registration scripts for one platform into a folder:
//   sleekon_kit_scripts <x86|x64> <folder>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "flatbutton/registration_scripts.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::string_view(argv[1]) != "x86" && std::string_view(argv[1]) != "x64")) {
        std::fprintf(stderr, "usage: sleekon_kit_scripts <x86|x64> <folder>\n");
        return 2;
    }
    using flatbutton::Platform;
    const Platform platform =
        std::string_view(argv[1]) == "x64" ? Platform::Win64 : Platform::Win32;
    const std::string folder = argv[2];
    const std::pair<const char*, std::string> scripts[] = {
        {"register-user.cmd", flatbutton::UserRegisterScript(platform)},
        {"unregister-user.cmd", flatbutton::UserUnregisterScript(platform)},
        {"register-machine.cmd", flatbutton::MachineRegisterScript(platform)},
        {"unregister-machine.cmd", flatbutton::MachineUnregisterScript(platform)},
    };
    for (const auto& [name, text] : scripts) {
        std::ofstream file(folder + "/" + name, std::ios::binary);
        file << text;
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
