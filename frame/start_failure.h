#pragma once

#include <string>

namespace frame {

// The control library the main windows' buttons come from, found beside the program.
inline constexpr const wchar_t* kControlLibraryFile = L"Sleekon.ocx";

// Why a program could not bring up its main window. The user is told in one error box
// and the program ends.
struct StartFailure {
    enum class Kind { WindowNotCreated, LayoutUnreadable, ControlMissing, ControlUnloadable };
    Kind kind = Kind::WindowNotCreated;
    int layoutLine = 0;     // LayoutUnreadable: the first line that did not parse
    std::wstring location;  // ControlMissing: the folder looked in; ControlUnloadable: the file
};

// The error box's title and text.
inline constexpr const wchar_t* kStartFailureTitle = L"エラー";
std::wstring StartFailureText(const StartFailure& failure);

}  // namespace frame
