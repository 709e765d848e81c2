#pragma once

#include <string_view>

namespace frame {

// Text rules of the settings: only the space character is trimmed, and letter case is
// ignored for A to Z alone (runtime::EqualsIgnoringCase). They hold for the file's bytes
// and for the dialog's text.

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

}  // namespace frame
