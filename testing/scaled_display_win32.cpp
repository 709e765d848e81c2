#include "testing/scaled_display_win32.h"

#include <algorithm>

#include "runtime/gdi_handles_win32.h"
#include "testing/window_driver_win32.h"

namespace testing_support {

namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

// The room for a control's text: a check box's beside its box (a square as high as the
// text, and a gap), a push button's inside its edges, a label's all of it.
RECT TextRoom(HWND control, int pixelHeight) {
    RECT room = {};
    ::GetClientRect(control, &room);
    if (ClassOf(control) != L"Button") {
        return room;
    }
    if ((::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        room.left += pixelHeight * 4 / 3;
    } else {
        ::InflateRect(&room, -2, -2);
    }
    return room;
}

}  // namespace

ScaledDisplay::ScaledDisplay(DWORD dotsPerInch) {
    DWORD size = sizeof(earlier_);
    had_ = ::RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                          &earlier_, &size) == ERROR_SUCCESS;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dotsPerInch,
                      sizeof(dotsPerInch));
}

ScaledDisplay::~ScaledDisplay() {
    if (had_) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &earlier_,
                          sizeof(earlier_));
    } else {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
    }
}

std::wstring ControlsThatDoNotFit(HWND window, const wchar_t* face, int pixelHeight, int weight) {
    const runtime::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const runtime::UniqueFont font(::CreateFontW(
        -pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
    const runtime::SelectedObject selected(dc.get(), font.get());
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc.get(), &metrics);
    RECT client = {};
    ::GetClientRect(window, &client);
    std::wstring misfits;
    for (HWND control = ::GetWindow(window, GW_CHILD); control != nullptr;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring text = WindowText(control);
        RECT place = {};
        ::GetWindowRect(control, &place);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        RECT inside = {};
        bool fits = ::IntersectRect(&inside, &place, &client) && ::EqualRect(&inside, &place);
        if (!text.empty() && ClassOf(control) != L"Edit") {
            const RECT room = TextRoom(control, pixelHeight);
            RECT needed = {0, 0, room.right - room.left, 0};
            ::DrawTextW(dc.get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
            // Each line needs its em box (the pixel height): the faces that stand in for MS
            // UI Gothic under Wine have more leading than it, which the layout never counted.
            const int lines = std::max(1, static_cast<int>(needed.bottom / metrics.tmHeight));
            fits = fits && needed.right <= room.right - room.left &&
                   lines * pixelHeight <= room.bottom - room.top;
        }
        misfits += fits ? L"" : text + L"\n";
    }
    return misfits;
}

}  // namespace testing_support
