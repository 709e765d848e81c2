#include "frame/write_failure_box_win32.h"

namespace frame {

bool WriteFailureBox::ShouldRetry(const std::wstring& settingsPath) {
    const std::wstring text = std::wstring(kMessage) + L"\r\n" + settingsPath;
    // Without an owner the box is task-modal, so no window of the program takes input.
    const UINT flags = MB_RETRYCANCEL | MB_ICONSTOP | (owner_ == nullptr ? MB_TASKMODAL : 0u);
    return ::MessageBoxW(owner_, text.c_str(), kTitle, flags) == IDRETRY;
}

}  // namespace frame
