#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace frame {

enum class ParamType {
    Integer,      // a signed 32-bit number
    Boolean,      // written as True or False
    IntegerList,  // several signed 32-bit numbers addressed by index
    Text,         // a line of text, read by the key's own rule
};

// A text key's rule: the text as the program writes what it reads as, or nothing when it
// cannot be read. Text that cannot be read stands for the default and is kept as it was
// read, so that the file gets it back unchanged.
using TextRule = std::optional<std::string> (*)(std::string_view text);

// When the writer puts a key's line into the settings file.
enum class WhenWritten {
    Always,
    UnlessDefault,  // left out while the value equals its built-in default
};

// The built-in default of a list key.
enum class ListDefault {
    ScreenRectangle,  // 0, 0, right and bottom pixel of the primary screen, then zeros
};

struct ParamKey {
    std::string_view name;
    ParamType type;
    WhenWritten written;
    std::int32_t defaultValue = 0;  // Integer and Boolean keys (0 false, 1 true)
    int slots = 1;                  // IntegerList keys: how many entries the store holds
    int persistedSlots = 1;         // IntegerList keys: how many of them the file carries
    ListDefault listDefault = ListDefault::ScreenRectangle;
    std::string_view defaultText = {};  // Text keys
    TextRule textRule = nullptr;        // Text keys; none takes any text as it is
};

// The keys of one program, in the order of the settings file.
struct ParamSchema {
    std::span<const ParamKey> keys;

    const ParamKey* Find(std::string_view name) const;  // exact letter case
    const ParamKey* FindIgnoringCase(std::string_view name) const;
    std::size_t IndexOf(const ParamKey& key) const {
        return static_cast<std::size_t>(&key - keys.data());
    }
};

}  // namespace frame
