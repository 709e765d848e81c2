#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <variant>

namespace frame {

// The tagged value that GetParam returns and SetParam takes.
class ParamValue {
  public:
    enum class Kind { Empty, Integer, Boolean, Text };

    ParamValue() = default;
    explicit ParamValue(std::int32_t value) : value_(value) {}
    explicit ParamValue(bool value) : value_(value) {}
    explicit ParamValue(std::wstring text) : value_(std::move(text)) {}
    explicit ParamValue(const wchar_t* text) : value_(std::wstring(text)) {}

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool IsEmpty() const { return kind() == Kind::Empty; }

    // Only valid for the matching kind.
    std::int32_t AsInteger() const { return std::get<std::int32_t>(value_); }
    bool AsBoolean() const { return std::get<bool>(value_); }
    const std::wstring& AsText() const { return std::get<std::wstring>(value_); }

    friend bool operator==(const ParamValue&, const ParamValue&) = default;

  private:
    std::variant<std::monostate, std::int32_t, bool, std::wstring> value_;
};

// The errors that the settings accessors raise to their callers.
class ParamError : public std::exception {
  public:
    enum class Reason {
        SubscriptOutOfRange,  // an index outside a list key's slots
        TypeMismatch,         // text that is not a number or a truth value
        Overflow,             // a number outside the 32-bit range
    };

    explicit ParamError(Reason reason) : reason_(reason) {}
    Reason reason() const { return reason_; }
    const char* what() const noexcept override;

  private:
    Reason reason_;
};

// Conversions of the store. Number text is an optionally signed decimal integer with
// spaces around it; truth text is "True" or "False" in any letter case, or a number
// (0 is false, anything else true). Fractions, grouping and hexadecimal are refused.
enum class Conversion { Ok, TypeMismatch, Overflow };

Conversion ParseInteger(std::string_view text, std::int32_t& out);
Conversion ParseInteger(std::wstring_view text, std::int32_t& out);
Conversion ParseBoolean(std::string_view text, bool& out);
Conversion ParseBoolean(std::wstring_view text, bool& out);

// Converts a tagged value to the key's type; throws ParamError when it cannot.
// A true boolean converts to the integer -1, an integer to true when it is not 0.
std::int32_t ToInteger(const ParamValue& value);
bool ToBoolean(const ParamValue& value);

}  // namespace frame
