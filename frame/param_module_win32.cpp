#include "frame/param_module_win32.h"

#include <windows.h>

#include "frame/ini_codec.h"
#include "frame/settings_file_win32.h"
#include "frame/settings_path.h"
#include "runtime/module_info_win32.h"

namespace frame {

namespace {

// The section line carries the product name; the file itself is plain ASCII.
std::string AsciiText(const std::wstring& wide) {
    std::string narrow;
    narrow.reserve(wide.size());
    for (wchar_t c : wide) {
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return narrow;
}

}  // namespace

ScreenMetrics PrimaryScreenMetrics() {
    HDC screen = ::GetDC(nullptr);
    const int dotsPerInchX = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
    const int dotsPerInchY = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    return ScreenMetrics::FromPixels(::GetSystemMetrics(SM_CXSCREEN),
                                     ::GetSystemMetrics(SM_CYSCREEN), dotsPerInchX, dotsPerInchY);
}

SettingsLocation ProgramSettingsLocation() {
    const std::wstring executable = runtime::ModuleFilePath();
    const std::wstring product = runtime::ProductNameOf(executable);
    return {SettingsFilePath(ExecutableFolder(executable), product), AsciiText(product)};
}

ParamModule::ParamModule(const ParamSchema& schema, WriteFailurePrompt& prompt,
                         LocationSource location)
    : store_(schema), prompt_(&prompt), location_(location) {}

bool ParamModule::LoadParams() {
    const SettingsLocation location = location_();
    store_.ResetToDefaults(PrimaryScreenMetrics());
    return ReadSettingsFile(location.path, store_);
}

bool ParamModule::SaveParams() {
    const SettingsLocation location = location_();
    return WriteSettingsFile(location.path, WriteParams(store_, location.productName), *prompt_);
}

}  // namespace frame
