#include "frame/param_value.h"

#include <limits>

#include "frame/settings_text.h"
#include "runtime/ascii_text.h"

namespace frame {

namespace {

template <typename Char>
Conversion ParseIntegerOf(std::basic_string_view<Char> text, std::int32_t& out) {
    text = TrimSpaces(text);
    bool negative = false;
    if (!text.empty() && (text.front() == Char('-') || text.front() == Char('+'))) {
        negative = text.front() == Char('-');
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return Conversion::TypeMismatch;
    }
    // Accumulate as a negative number so that the 32-bit minimum fits.
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    bool overflow = false;
    for (Char c : text) {
        if (c < Char('0') || c > Char('9')) {
            return Conversion::TypeMismatch;
        }
        if (!overflow) {
            magnitude = magnitude * 10 + (c - Char('0'));
            overflow = magnitude > -kMin;
        }
    }
    if (overflow || (!negative && magnitude > kMax)) {
        return Conversion::Overflow;
    }
    out = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return Conversion::Ok;
}

template <typename Char>
Conversion ParseBooleanOf(std::basic_string_view<Char> text, bool& out) {
    const auto word = TrimSpaces(text);
    if (runtime::EqualsIgnoringCase(word, "true")) {
        out = true;
        return Conversion::Ok;
    }
    if (runtime::EqualsIgnoringCase(word, "false")) {
        out = false;
        return Conversion::Ok;
    }
    std::int32_t number = 0;
    switch (ParseIntegerOf(text, number)) {
        case Conversion::Ok:
            out = number != 0;
            return Conversion::Ok;
        case Conversion::Overflow:  // still a number, and not 0
            out = true;
            return Conversion::Ok;
        case Conversion::TypeMismatch:
            break;
    }
    return Conversion::TypeMismatch;
}

[[noreturn]] void Raise(Conversion failure) {
    throw ParamError(failure == Conversion::Overflow ? ParamError::Reason::Overflow
                                                     : ParamError::Reason::TypeMismatch);
}

}  // namespace

const char* ParamError::what() const noexcept {
    switch (reason_) {
        case Reason::SubscriptOutOfRange:
            return "subscript out of range";
        case Reason::TypeMismatch:
            return "type mismatch";
        case Reason::Overflow:
            return "overflow";
    }
    return "settings error";
}

Conversion ParseInteger(std::string_view text, std::int32_t& out) {
    return ParseIntegerOf(text, out);
}
Conversion ParseInteger(std::wstring_view text, std::int32_t& out) {
    return ParseIntegerOf(text, out);
}
Conversion ParseBoolean(std::string_view text, bool& out) {
    return ParseBooleanOf(text, out);
}
Conversion ParseBoolean(std::wstring_view text, bool& out) {
    return ParseBooleanOf(text, out);
}

std::int32_t ToInteger(const ParamValue& value) {
    switch (value.kind()) {
        case ParamValue::Kind::Integer:
            return value.AsInteger();
        case ParamValue::Kind::Boolean:
            return value.AsBoolean() ? -1 : 0;
        case ParamValue::Kind::Text: {
            std::int32_t number = 0;
            const Conversion result = ParseInteger(std::wstring_view(value.AsText()), number);
            if (result != Conversion::Ok) {
                Raise(result);
            }
            return number;
        }
        case ParamValue::Kind::Empty:
            break;
    }
    throw ParamError(ParamError::Reason::TypeMismatch);
}

bool ToBoolean(const ParamValue& value) {
    switch (value.kind()) {
        case ParamValue::Kind::Integer:
            return value.AsInteger() != 0;
        case ParamValue::Kind::Boolean:
            return value.AsBoolean();
        case ParamValue::Kind::Text: {
            bool truth = false;
            const Conversion result = ParseBoolean(std::wstring_view(value.AsText()), truth);
            if (result != Conversion::Ok) {
                Raise(result);
            }
            return truth;
        }
        case ParamValue::Kind::Empty:
            break;
    }
    throw ParamError(ParamError::Reason::TypeMismatch);
}

}  // namespace frame
