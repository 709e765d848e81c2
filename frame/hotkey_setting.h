#pragma once

#include <string_view>

#include "frame/hotkey_text.h"
#include "frame/param_store.h"

namespace frame {

// The hotkey a program's text key holds (frame/hotkey_text.h): what its text reads as, or
// the key's default when the text cannot be read; off for a key the schema lacks.
Hotkey StoredHotkey(const ParamStore& store, std::string_view key);

// Stores the hotkey in its text form; false, and nothing changed, when it has no text form.
bool StoreHotkey(ParamStore& store, std::string_view key, const Hotkey& hotkey);

}  // namespace frame
