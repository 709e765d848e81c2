#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/param_store.h"

namespace frame {

enum class FieldKind { NumberBox, CheckBox, Button, Label };

// What pressing a button of the settings dialog does.
// Action: the program's own step behind the button (see the dialog's setup).
enum class FieldCommand { None, Confirm, Cancel, Action };

// One control of a settings dialog, laid out in client pixels.
struct OptionField {
    std::string_view name;  // as the program names the control; an array shares one name
    int arrayIndex;         // index within an array of like controls, else 0
    FieldKind kind;
    const wchar_t* caption;
    int left, top, width, height;
    int maxLength;         // number boxes: how many characters can be typed
    std::string_view key;  // bound setting, empty for none
    int keyIndex;          // entry of a list setting
    FieldCommand command;
};

// One control of a layout by its name and array index.
struct FieldRef {
    std::string_view name;
    int arrayIndex = 0;
};

// Two number boxes that confirmation puts in order: the smaller number goes first.
struct OrderedBoxes {
    FieldRef first;
    FieldRef second;
};

// A program's settings dialog. Fields stand in tab order; labels come last.
struct OptionsFormLayout {
    const wchar_t* caption;
    int clientWidth;
    int clientHeight;
    bool topmostOnPaint;  // the dialog keeps itself above all windows at every paint
    std::span<const OptionField> fields;
    // The bound fields in the order confirmation stores them.
    std::span<const std::string_view> storeOrder;
    std::span<const OrderedBoxes> orderedBoxes = {};

    std::optional<std::size_t> Find(std::string_view name, int arrayIndex = 0) const;
    std::optional<std::size_t> Find(FieldRef field) const {
        return Find(field.name, field.arrayIndex);
    }
};

// A text that a button's action puts into one box of the dialog.
struct FieldText {
    FieldRef field;
    std::wstring text;
};

// What a number box takes for a typed character: digits and Backspace as they are, and a
// full-width digit (U+FF10 to U+FF19, what a Japanese input method in its full-width modes
// types) as its ASCII digit; nothing for any other character.
std::optional<unsigned int> NumberBoxCharacter(unsigned int characterCode) noexcept;

// What the dialog's controls hold, one entry per field of the layout.
struct FormValues {
    std::vector<std::wstring> texts;
    std::vector<bool> checks;
};

// The controls' contents as the store holds them when the dialog opens.
FormValues LoadForm(const OptionsFormLayout& layout, const ParamStore& store);

struct ParamWrite {
    std::string_view key;
    int index;
    ParamValue value;
};

// Confirmation: either every box holds a number and the writes to make, in order, or the
// first box (in tab order) whose text is not a number, and nothing is to be stored.
struct Confirmation {
    std::optional<std::size_t> rejectedField;
    std::vector<ParamWrite> writes;
};

// Checks the boxes and exchanges the texts of each of the layout's ordered pairs whose
// first number is strictly greater than its second.
Confirmation ConfirmForm(const OptionsFormLayout& layout, FormValues& values);

// Stores the writes of an accepted confirmation.
void StoreConfirmation(const Confirmation& confirmation, ParamStore& store);

}  // namespace frame
