#pragma once

#include <windows.h>

#include <initializer_list>

namespace testing_support {

// Input as a person gives it, injected into the session's input stream. Every key it
// presses it also releases (a key left down stays down for the whole Wine prefix).

// Moves the cursor and waits until the system reports it there; false when it never does.
bool MoveCursor(int x, int y);

// A left click where the cursor is, or after moving it.
void Click();
bool ClickAt(int x, int y);

// Presses the keys in order and releases them in reverse: {VK_MENU, 'S'} is Alt+S.
void PressKeys(std::initializer_list<WORD> keys);

// The left button alone, pressed or released where the cursor is.
void PressLeftButton();
void ReleaseLeftButton();

// A press and drag with the left button held, in steps, released at the end.
bool Drag(POINT from, POINT to, int steps);

}  // namespace testing_support
