#pragma once

#include <windows.h>

#include <vector>

#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"

namespace runtime {

// The face of the suite's dialogs, at 9 points, for which their places were measured.
inline constexpr const wchar_t* kDialogFace = L"MS UI Gothic";
inline constexpr WORD kDialogPoints = 9;

// The dialogs' face for their controls at dpi (9 points are 12 pixels at 96 dots per inch).
inline UniqueFont CreateDialogFont(int dpi) {
    return UniqueFont(::CreateFontW(ScaleEdge(-12, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kDialogFace));
}

// The template of a modal dialog without controls, which its procedure creates and lays
// out itself: a fixed single border (no DS_MODALFRAME, so that the caption shows the icon),
// a title bar with a close box, and the dialogs' face and point size for the dialog's units.
inline std::vector<WORD> EmptyDialogTemplate() {
    const wchar_t* face = kDialogFace;
    const WORD points = kDialogPoints;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    std::vector<WORD> words;
    words.push_back(LOWORD(style));
    words.push_back(HIWORD(style));
    words.insert(words.end(), {0, 0});            // extended style
    words.push_back(0);                           // no controls
    words.insert(words.end(), {0, 0, 100, 100});  // placeholder position and size
    words.insert(words.end(), {0, 0, 0});         // no menu, default class, empty title
    words.push_back(points);
    for (; *face != L'\0'; ++face) {
        words.push_back(static_cast<WORD>(*face));
    }
    words.push_back(0);
    return words;
}

}  // namespace runtime
