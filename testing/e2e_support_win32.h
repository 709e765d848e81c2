#pragma once

#include <windows.h>

#include <string>

#include "runtime/unique_handle_win32.h"
#include "testing/screen_capture_win32.h"

namespace testing_support {

// Sends key-ups for the keys the programs and tests press, so that none stays down for
// the tests that follow (a key left down stays down for the whole Wine prefix).
void ReleaseHeldKeys();

POINT WindowOrigin(HWND window);

// A rectangle of the window's client area, in the coordinates of Pixels::CaptureWindow.
RECT ClientAreaInShot(HWND window, const RECT& clientPlace);

// Keeps a screenshot in the build's screenshot folder (the README's pictures come from it).
void SaveScreenshot(const Pixels& pixels, const std::wstring& name);

// A file of a program's artwork in the source tree: ArtFile(L"tapnor", L"start.bmp").
std::wstring ArtFile(const std::wstring& program, const std::wstring& file);

// The first window of the process with this class, visible or not; null when none.
HWND FindProcessWindow(DWORD process, const wchar_t* className);

// A mutex of this name as a copy running elevated holds it for programs that do not: everyone
// may wait on it (SYNCHRONIZE) and no more. Null when it could not be made.
runtime::UniqueKernelHandle HoldMutexOfAnElevatedCopy(const wchar_t* name);

// Whether the tests run under Wine rather than Windows itself (its ntdll has Wine's own
// exports), for the few tests that need what only Wine allows; they say why when skipped.
bool RunningUnderWine();

}  // namespace testing_support
