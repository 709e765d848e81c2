#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "runtime/gdi_handles_win32.h"

namespace frame {

// A program's icon in the notification area (Shell_NotifyIconW, NOTIFYICON_VERSION_4). The
// shell sends its window callbackMessage with the event in the low word of lParam, the
// icon's id in the high word, and the anchor point in wParam ("NOTIFYICONDATAW
// structure", uCallbackMessage): WM_CONTEXTMENU for a right click and for the keyboard's
// menu key, NIN_SELECT and NIN_KEYSELECT for a click and for Enter or Space. The icon goes
// when this object goes.
class NotifyIcon {
  public:
    NotifyIcon(HWND window, UINT id, UINT callbackMessage);
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;
    ~NotifyIcon() { Remove(); }

    // Adds the icon, or adds it again, with the program's own icon at the notification
    // area's size; false when the shell did not take it (no taskbar yet: it comes with
    // TaskbarCreated).
    bool Add(const std::wstring& tip);
    void SetTip(const std::wstring& tip);
    void Remove();

    // The message Explorer broadcasts when its taskbar comes (back): every icon must be
    // added again ("Taskbar", Taskbar Creation Notification).
    static UINT TaskbarCreatedMessage();

  private:
    NOTIFYICONDATAW Data(UINT flags) const;

    HWND window_;
    UINT id_;
    UINT callbackMessage_;
    std::wstring tip_;
    runtime::UniqueIcon icon_;
    bool added_ = false;
};

}  // namespace frame
