#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

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
void PressKeys(const std::vector<WORD>& keys);

// The left button alone, pressed or released where the cursor is.
void PressLeftButton();
void ReleaseLeftButton();

// A press and drag with the left button held, in steps, released at the end.
bool Drag(POINT from, POINT to, int steps);

// The mouse of a test whose windows belong to its own thread: after each step it handles
// the thread's messages, so that the windows have had the input before the test looks.
// Every button it presses it releases at the end.
class Mouse {
  public:
    Mouse() = default;
    Mouse(const Mouse&) = delete;
    Mouse& operator=(const Mouse&) = delete;
    ~Mouse();

    // Moves the pointer as a mouse does; true when it got there and the window under it
    // had the move.
    [[nodiscard]] bool MoveTo(POINT screen);
    // Away from the test's windows: where a test starts, whatever the test before it left
    // (the pointer's place outlives the process).
    [[nodiscard]] bool Park() { return MoveTo({20, 20}); }
    // MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, and their ...UP.
    void Press(DWORD downFlag);
    void Release(DWORD upFlag);
    void Click() {
        Press(MOUSEEVENTF_LEFTDOWN);
        Release(MOUSEEVENTF_LEFTUP);
    }

  private:
    std::vector<DWORD> held_;
};

}  // namespace testing_support
