#include "frame/param_schema.h"

#include <algorithm>

#include "runtime/ascii_text.h"

namespace frame {

const ParamKey* ParamSchema::Find(std::string_view name) const {
    const auto it = std::ranges::find(keys, name, &ParamKey::name);
    return it == keys.end() ? nullptr : &*it;
}

const ParamKey* ParamSchema::FindIgnoringCase(std::string_view name) const {
    const auto it = std::ranges::find_if(
        keys, [name](const ParamKey& key) { return runtime::EqualsIgnoringCase(key.name, name); });
    return it == keys.end() ? nullptr : &*it;
}

}  // namespace frame
