#include "frame/hotkey_text.h"

#include <array>

#include "frame/settings_text.h"
#include "runtime/ascii_text.h"

namespace frame {

namespace {

struct Name {
    std::string_view text;
    unsigned value;
};

constexpr std::array<Name, 4> kModifiers = {{
    {"Ctrl", kHotkeyCtrl},
    {"Alt", kHotkeyAlt},
    {"Shift", kHotkeyShift},
    {"Win", kHotkeyWin},
}};

// Virtual-key codes ("Virtual-Key Codes") of the keys named by a word.
constexpr std::array<Name, 13> kNamedKeys = {{
    {"Pause", 0x13},
    {"Space", 0x20},
    {"PageUp", 0x21},
    {"PageDown", 0x22},
    {"End", 0x23},
    {"Home", 0x24},
    {"Left", 0x25},
    {"Up", 0x26},
    {"Right", 0x27},
    {"Down", 0x28},
    {"Insert", 0x2D},
    {"Delete", 0x2E},
    {"ScrollLock", 0x91},
}};

// Letters and digits are their own codes; the function keys and the number pad's digits
// are runs from their first.
constexpr int kFirstFunctionKey = 0x70;  // F1
constexpr int kFunctionKeys = 24;
constexpr int kFirstPadDigit = 0x60;  // Num0
constexpr std::string_view kPadPrefix = "Num";

// A number of one or two digits without a leading zero; 0 when it is none.
int SmallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 || digits.front() == '0') {
        return 0;
    }
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

int KeyOf(std::string_view word) {
    if (word.size() == 1) {
        const char c = runtime::AsciiLower(word.front());
        if (c >= 'a' && c <= 'z') {
            return 'A' + (c - 'a');
        }
        if (c >= '0' && c <= '9') {
            return c;
        }
        return 0;
    }
    if (runtime::AsciiLower(word.front()) == 'f') {
        const int number = SmallNumber(word.substr(1));
        return number >= 1 && number <= kFunctionKeys ? kFirstFunctionKey + number - 1 : 0;
    }
    if (word.size() == kPadPrefix.size() + 1 &&
        runtime::EqualsIgnoringCase(word.substr(0, kPadPrefix.size()), kPadPrefix) &&
        word.back() >= '0' && word.back() <= '9') {
        return kFirstPadDigit + (word.back() - '0');
    }
    for (const Name& name : kNamedKeys) {
        if (runtime::EqualsIgnoringCase(word, name.text)) {
            return static_cast<int>(name.value);
        }
    }
    return 0;
}

std::optional<std::string> NameOf(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= kFirstFunctionKey && key < kFirstFunctionKey + kFunctionKeys) {
        return "F" + std::to_string(key - kFirstFunctionKey + 1);
    }
    if (key >= kFirstPadDigit && key <= kFirstPadDigit + 9) {
        return std::string(kPadPrefix) + static_cast<char>('0' + key - kFirstPadDigit);
    }
    for (const Name& name : kNamedKeys) {
        if (static_cast<int>(name.value) == key) {
            return std::string(name.text);
        }
    }
    return std::nullopt;
}

unsigned ModifierOf(std::string_view word) {
    for (const Name& name : kModifiers) {
        if (runtime::EqualsIgnoringCase(word, name.text)) {
            return name.value;
        }
    }
    return 0;
}

}  // namespace

std::optional<Hotkey> ReadHotkey(std::string_view text) {
    if (TrimSpaces(text).empty()) {
        return Hotkey{};
    }
    Hotkey hotkey;
    for (;;) {
        const auto plus = text.find('+');
        const std::string_view part = TrimSpaces(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            hotkey.key = part.empty() ? 0 : KeyOf(part);
            return hotkey.key != 0 ? std::optional<Hotkey>(hotkey) : std::nullopt;
        }
        const unsigned modifier = part.empty() ? 0 : ModifierOf(part);
        if (modifier == 0 || (hotkey.modifiers & modifier) != 0) {
            return std::nullopt;
        }
        hotkey.modifiers |= modifier;
        text.remove_prefix(plus + 1);
    }
}

std::optional<std::string> WriteHotkey(const Hotkey& hotkey) {
    if (hotkey.IsOff()) {
        return std::string();
    }
    std::optional<std::string> text = NameOf(hotkey.key);
    if (!text) {
        return std::nullopt;
    }
    for (auto name = kModifiers.rbegin(); name != kModifiers.rend(); ++name) {
        if ((hotkey.modifiers & name->value) != 0) {
            text->insert(0, std::string(name->text) + "+");
        }
    }
    return text;
}

std::optional<std::string> CanonicalHotkeyText(std::string_view text) {
    const std::optional<Hotkey> hotkey = ReadHotkey(text);
    return hotkey ? WriteHotkey(*hotkey) : std::nullopt;
}

}  // namespace frame
