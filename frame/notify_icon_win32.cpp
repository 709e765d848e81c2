#include "frame/notify_icon_win32.h"

#include <shellapi.h>

#include <algorithm>

#include "runtime/resource_ids.h"
#include "runtime/scaled_icon_win32.h"
#include "runtime/screen_dpi_win32.h"

namespace frame {

NotifyIcon::NotifyIcon(HWND window, UINT id, UINT callbackMessage)
    : window_(window), id_(id), callbackMessage_(callbackMessage) {}

void NotifyIcon::Remove() {
    if (added_) {
        NOTIFYICONDATAW data = Data(0);
        ::Shell_NotifyIconW(NIM_DELETE, &data);
        added_ = false;
    }
}

UINT NotifyIcon::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

NOTIFYICONDATAW NotifyIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_.get();
    // Cut to the field's 128 characters, the last for the terminating null.
    const std::size_t length = std::min(tip_.size(), std::size(data.szTip) - 1);
    std::copy_n(tip_.begin(), length, data.szTip);
    return data;
}

bool NotifyIcon::Add(const std::wstring& tip) {
    tip_ = tip;
    // A taskbar that comes back has lost the icon; one that only changed its scaling still
    // has it.
    Remove();
    // The notification area shows the small icon (SM_CXSMICON) of the system's scaling
    // ("NOTIFYICONDATAW structure", hIcon).
    icon_ = runtime::LoadIconForDpi(::GetModuleHandleW(nullptr), SUITE_PROGRAM_ICON_ID, 16,
                                    runtime::ScreenDotsPerInch().x);
    // With version 4 the tip shows only with NIF_SHOWTIP ("NOTIFYICONDATAW structure").
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    added_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (added_) {
        data.uVersion = NOTIFYICON_VERSION_4;  // again at every NIM_ADD ("Shell_NotifyIconW")
        ::Shell_NotifyIconW(NIM_SETVERSION, &data);
    }
    return added_;
}

void NotifyIcon::SetTip(const std::wstring& tip) {
    tip_ = tip;
    if (added_) {
        NOTIFYICONDATAW data = Data(NIF_TIP | NIF_SHOWTIP);
        ::Shell_NotifyIconW(NIM_MODIFY, &data);
    }
}

}  // namespace frame
