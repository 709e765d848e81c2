#pragma once

// For each program's tests: the roles its stored main-window layout does not fill.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/form_layout.h"
#include "frame/main_roles.h"

namespace frame_test {

// A file at `path` in the source tree the test was built from (SUITE_SOURCE_DIR), or in the
// copy that SUITE_SOURCE_FOLDER names (the Windows test kit's).
inline std::string SourceTreeFile(std::string_view path) {
    const char* moved = std::getenv("SUITE_SOURCE_FOLDER");
    return std::string(moved != nullptr ? moved : SUITE_SOURCE_DIR) + "/" + std::string(path);
}

// The roles that the layout template at `path` in the source tree lacks, or holds as the
// wrong kind of item (buttons are controls, the title and faces pictures), with a note when
// the file cannot be read or parsed. The template is read as the build reads it, with a
// class identifier and a ProgID in place of their placeholders.
inline std::vector<std::string> UnfilledRoles(std::string_view path,
                                              const frame::MainWindowRoles& roles) {
    const std::string place = SourceTreeFile(path);
    std::ifstream file(place, std::ios::binary);
    if (!file) {
        return {"cannot read " + place};
    }
    std::ostringstream read;
    read << file.rdbuf();
    std::string text = read.str();
    const std::pair<std::string_view, std::string_view> kPlaceholders[] = {
        {"@SLEEKON_CLSID@", "{00000000-0000-0000-0000-000000000000}"},
        {"@SLEEKON_PROGID@", "Library.Class"}};
    for (const auto& [placeholder, standIn] : kPlaceholders) {
        for (std::size_t at; (at = text.find(placeholder)) != std::string::npos;) {
            text.replace(at, placeholder.size(), standIn);
        }
    }
    const frame::LayoutParse parse = frame::ParseFormLayout(text);
    if (!parse.layout) {
        return {"line " + std::to_string(parse.error.line) + ": " + parse.error.message};
    }
    std::vector<std::string> unfilled;
    const auto check = [&](std::string_view name, frame::LayoutItem::Kind kind) {
        const frame::LayoutItem* item = parse.layout->Find(name);
        if (item == nullptr || item->kind != kind) {
            unfilled.emplace_back(name);
        }
    };
    for (const std::string_view button :
         {roles.status, roles.options, roles.quit, roles.close, roles.minimize}) {
        check(button, frame::LayoutItem::Kind::Control);
    }
    for (const std::string_view picture : {roles.title, roles.startFace, roles.stopFace,
                                           roles.optionsStoppedFace, roles.optionsRunningFace}) {
        check(picture, frame::LayoutItem::Kind::Image);
    }
    return unfilled;
}

}  // namespace frame_test
