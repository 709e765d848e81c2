#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Text that the suite keeps in ASCII (setting keys, stored layouts' names and class
// identifiers, property names) crosses between narrow and wide here. Letter case is
// ignored for A to Z alone, whatever the locale.

template <typename Char>
Char AsciiLower(Char c) {
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

// A character's code, narrow characters read as unsigned bytes.
template <typename Char>
char32_t CodeOf(Char c) {
    if constexpr (sizeof(Char) == 1) {
        return static_cast<unsigned char>(c);
    } else {
        return static_cast<char32_t>(c);
    }
}

// Whether the two texts are the same, letter case of A to Z aside.
template <typename Char, typename WordChar>
bool EqualsIgnoringCase(std::basic_string_view<Char> text, std::basic_string_view<WordChar> word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (CodeOf(AsciiLower(text[i])) != CodeOf(AsciiLower(word[i]))) {
            return false;
        }
    }
    return true;
}

// The same, for a narrow word such as a literal.
template <typename Char>
bool EqualsIgnoringCase(std::basic_string_view<Char> text, std::string_view word) {
    return EqualsIgnoringCase<Char, char>(text, word);
}

// ASCII text as wide text, character for character.
inline std::wstring WidenAscii(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return wide;
}

// Whether every character is printable ASCII, the space to the tilde.
inline bool IsPrintableAscii(std::wstring_view text) {
    for (const wchar_t c : text) {
        if (CodeOf(c) < 0x20 || CodeOf(c) > 0x7E) {
            return false;
        }
    }
    return true;
}

// Wide text as ASCII: what is not ASCII becomes '?'.
inline std::string NarrowToAscii(std::wstring_view text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (const wchar_t c : text) {
        narrow.push_back(CodeOf(c) < 0x80 ? static_cast<char>(c) : '?');
    }
    return narrow;
}

}  // namespace runtime
