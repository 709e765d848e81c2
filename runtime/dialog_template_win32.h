#pragma once

#include <windows.h>

#include <vector>

namespace runtime {

// The template of a modal dialog without controls, which its procedure creates and lays
// out itself: a fixed single border (no DS_MODALFRAME, so that the caption shows the icon),
// a title bar with a close box, and the face and point size for the dialog's units.
inline std::vector<WORD> EmptyDialogTemplate(const wchar_t* face, WORD points) {
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
