#include "frame/param_module_win32.h"

#include <windows.h>

#include "frame/ini_codec.h"
#include "frame/settings_file_win32.h"
#include "frame/settings_path.h"
#include "runtime/ascii_text.h"
#include "runtime/file_path.h"
#include "runtime/module_info_win32.h"
#include "runtime/screen_dpi_win32.h"

namespace frame {

ScreenMetrics PrimaryScreenMetrics() {
    const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
    return ScreenMetrics::FromPixels(::GetSystemMetrics(SM_CXSCREEN),
                                     ::GetSystemMetrics(SM_CYSCREEN), dots.x, dots.y);
}

SettingsLocation ProgramSettingsLocation() {
    const std::wstring executable = runtime::ModuleFilePath();
    const std::wstring product = runtime::ProductNameOf(executable);
    return {SettingsFilePath(runtime::FolderOf(executable), product),
            runtime::NarrowToAscii(product)};
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
