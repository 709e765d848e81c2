#pragma once

#include <cstddef>
#include <string_view>

namespace frame {

// Text rules of the settings: only the space character is trimmed, and letter case is
// ignored for A to Z alone. They hold for the file's bytes and for the dialog's text.

template <typename Char>
std::basic_string_view<Char> TrimLeadingSpaces(std::basic_string_view<Char> text) {
    while (!text.empty() && text.front() == Char(' ')) {
        text.remove_prefix(1);
    }
    return text;
}

template <typename Char>
std::basic_string_view<Char> TrimSpaces(std::basic_string_view<Char> text) {
    text = TrimLeadingSpaces(text);
    while (!text.empty() && text.back() == Char(' ')) {
        text.remove_suffix(1);
    }
    return text;
}

template <typename Char>
Char AsciiLower(Char c) {
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

// Whether the text is the ASCII word, letter case aside.
template <typename Char>
bool EqualsIgnoringCase(std::basic_string_view<Char> text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto w = static_cast<Char>(static_cast<unsigned char>(AsciiLower(word[i])));
        if (AsciiLower(text[i]) != w) {
            return false;
        }
    }
    return true;
}

}  // namespace frame
