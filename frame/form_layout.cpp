#include "frame/form_layout.h"

#include <algorithm>
#include <array>

#include "frame/param_value.h"

namespace frame {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool ParseRect(std::string_view text, LayoutItem& item) {
    std::array<std::int32_t, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto comma = text.find(',');
        const std::string_view piece = i + 1 < numbers.size() ? text.substr(0, comma) : text;
        if ((i + 1 < numbers.size() && comma == std::string_view::npos) ||
            ParseInteger(Trim(piece), numbers[i]) != Conversion::Ok) {
            return false;
        }
        if (comma != std::string_view::npos) {
            text.remove_prefix(comma + 1);
        }
    }
    if (numbers[2] < 0 || numbers[3] < 0) {
        return false;
    }
    item.left = numbers[0];
    item.top = numbers[1];
    item.width = numbers[2];
    item.height = numbers[3];
    return true;
}

bool ParseBagValue(std::string_view text, BagEntry& entry) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string_view type = text.substr(0, colon);
    const std::string_view value = text.substr(colon + 1);
    if (type == "i4") {
        entry.type = BagEntry::Type::I4;
        return ParseInteger(value, entry.number) == Conversion::Ok;
    }
    if (type == "bool") {
        bool truth = false;
        entry.type = BagEntry::Type::Bool;
        if (ParseBoolean(value, truth) != Conversion::Ok) {
            return false;
        }
        entry.number = truth ? -1 : 0;
        return true;
    }
    if (type == "str" || type == "bitmap") {
        entry.type = type == "str" ? BagEntry::Type::String : BagEntry::Type::Bitmap;
        entry.text = std::string(value);
        return type == "str" || !value.empty();
    }
    return false;
}

class Parser {
  public:
    LayoutParse Run(std::string_view text) {
        while (!text.empty()) {
            ++line_;
            const auto end = text.find('\n');
            const std::string_view raw = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (!Line(Trim(raw))) {
                return {std::nullopt, {line_, message_}};
            }
        }
        if (!Finish()) {
            return {std::nullopt, {line_, message_}};
        }
        return {std::move(layout_), {}};
    }

  private:
    bool Fail(std::string message) {
        message_ = std::move(message);
        return false;
    }

    bool Line(std::string_view line) {
        if (line.empty() || line.front() == ';') {
            return true;
        }
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) {
                return Fail("a section name must be written [name]");
            }
            if (!Finish()) {
                return false;
            }
            const std::string name(line.substr(1, line.size() - 2));
            if (layout_.Find(name) != nullptr) {
                return Fail("the name " + name + " is used twice");
            }
            current_ = LayoutItem{};
            current_->name = name;
            hasKind_ = hasRect_ = false;
            return true;
        }
        if (!current_) {
            return Fail("a line before the first section");
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return Fail("a line without '='");
        }
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (key == "control" || key == "image") {
            if (hasKind_) {
                return Fail("a second control= or image= line");
            }
            hasKind_ = true;
            if (key == "image") {
                current_->kind = LayoutItem::Kind::Image;
                current_->bitmap = std::string(value);
                return !value.empty() || Fail("image= needs a bitmap name");
            }
            const auto space = value.find(' ');
            current_->classId = std::string(value.substr(0, space));
            current_->progId =
                space == std::string_view::npos ? "" : std::string(Trim(value.substr(space)));
            return (current_->classId.size() == 38 && current_->classId.front() == '{' &&
                    current_->classId.back() == '}') ||
                   Fail("control= needs a class identifier {xxxxxxxx-xxxx-...}");
        }
        if (key == "rect") {
            hasRect_ = true;
            return ParseRect(value, *current_) || Fail("rect= needs left, top, width, height");
        }
        if (!hasKind_ || current_->kind != LayoutItem::Kind::Control) {
            return Fail("property entries belong to controls, after control=");
        }
        BagEntry entry;
        entry.name = std::string(key);
        if (!ParseBagValue(value, entry)) {
            return Fail("the entry " + entry.name + " needs i4:, bool:, str: or bitmap:");
        }
        current_->bag.push_back(std::move(entry));
        return true;
    }

    bool Finish() {
        if (!current_) {
            return true;
        }
        if (!hasKind_) {
            return Fail("the section " + current_->name + " has no control= or image=");
        }
        if (!hasRect_) {
            return Fail("the section " + current_->name + " has no rect=");
        }
        layout_.items.push_back(std::move(*current_));
        current_.reset();
        return true;
    }

    FormLayout layout_;
    std::optional<LayoutItem> current_;
    bool hasKind_ = false;
    bool hasRect_ = false;
    int line_ = 0;
    std::string message_;
};

}  // namespace

const LayoutItem* FormLayout::Find(std::string_view name) const {
    const auto it = std::ranges::find(items, name, &LayoutItem::name);
    return it == items.end() ? nullptr : &*it;
}

LayoutParse ParseFormLayout(std::string_view text) {
    return Parser().Run(text);
}

}  // namespace frame
