#include "frame/hotkey_setting.h"

#include <optional>
#include <string>

#include "runtime/ascii_text.h"

namespace frame {

Hotkey StoredHotkey(const ParamStore& store, std::string_view key) {
    const ParamKey* setting = store.schema().Find(key);
    if (setting == nullptr || setting->type != ParamType::Text) {
        return {};
    }
    std::optional<Hotkey> hotkey = ReadHotkey(store.Text(*setting));
    if (!hotkey) {
        hotkey = ReadHotkey(setting->defaultText);
    }
    return hotkey.value_or(Hotkey{});
}

bool StoreHotkey(ParamStore& store, std::string_view key, const Hotkey& hotkey) {
    const std::optional<std::string> text = WriteHotkey(hotkey);
    if (!text) {
        return false;
    }
    store.SetParam(key, ParamValue(runtime::WidenAscii(*text)));
    return true;
}

}  // namespace frame
