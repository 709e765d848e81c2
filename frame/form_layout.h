#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace frame {

// One entry of a hosted control's stored property bag.
struct BagEntry {
    enum class Type { I4, Bool, String, Bitmap };
    std::string name;  // as stored, e.g. "backcolor"; the control matches it without case
    Type type = Type::I4;
    std::int32_t number = 0;  // I4 and Bool (0 false, -1 true)
    std::string text;         // String, and Bitmap: the bitmap resource's name
};

struct LayoutItem {
    enum class Kind { Control, Image };
    std::string name;  // as the layout names it
    Kind kind = Kind::Control;
    std::string classId;  // controls: "{...}"
    std::string progId;   // controls
    std::string bitmap;   // images: the bitmap resource's name
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<BagEntry> bag;  // controls, in stored order
};

// A window's stored layout: its hosted controls in tab order, and its pictures.
//
//   [cmdGo]
//   control={CLSID} ProgID
//   rect=55, 28, 32, 32
//   backcolor=i4:16774655
//   picture=bitmap:START
//
//   [imgBanner]
//   image=TITLE
//   rect=3, 2, 78, 15
//
// Lines starting with ";" are comments. Inside a control every other key is an entry of
// its property bag, typed i4:, bool: (True/False), str: or bitmap:.
struct FormLayout {
    std::vector<LayoutItem> items;

    const LayoutItem* Find(std::string_view name) const;
};

struct LayoutError {
    int line;
    std::string message;
};

// The layout, or the first error with its line.
struct LayoutParse {
    std::optional<FormLayout> layout;
    LayoutError error;
};
LayoutParse ParseFormLayout(std::string_view text);

}  // namespace frame
