#pragma once

#include <string>
#include <string_view>

#include "frame/param_store.h"

namespace frame {

// Reads the text of a settings file into the store, over the values it already holds.
// Lines end at CR LF or a lone CR. A line without "=" is ignored, and so is a key the
// schema does not know (compared without letter case); a value that does not convert
// leaves its setting as it was, but a text key keeps text its rule cannot read as it
// stands, to be written back unchanged. Sections are not examined, so the last valid
// occurrence of a key wins wherever it stands.
void ReadParams(std::string_view content, ParamStore& store);

// The whole settings file as the program writes it: the section line, an empty line,
// then one line per key that is written, each ended by CR LF.
std::string WriteParams(const ParamStore& store, std::string_view productName);

}  // namespace frame
