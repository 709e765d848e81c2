#pragma once

#include <string>
#include <string_view>

#include "frame/param_store.h"
#include "frame/write_failure_prompt.h"

namespace frame {

// Reads the settings file over the values the store holds. False when the file cannot be
// opened or cannot be read to its end; whatever was read still reaches the store.
bool ReadSettingsFile(const std::wstring& path, ParamStore& store);

// Replaces the settings file with the given content. The content goes to a temporary
// file in the same folder, is flushed, and then takes the old file's place in one step,
// so a failure at any point leaves the old file as it was. Each failed step asks the
// prompt, and is carried out again for as long as it says so. False when the prompt
// gives up; the temporary file is removed then.
bool WriteSettingsFile(const std::wstring& path, std::string_view content,
                       WriteFailurePrompt& prompt);

}  // namespace frame
