#include "frame/hotkey_dialog_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "frame/notify_menu.h"
#include "runtime/ascii_text.h"
#include "runtime/dialog_base_win32.h"
#include "runtime/dialog_template_win32.h"
#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/scaled_icon_win32.h"

namespace frame {

namespace {

constexpr int kHotkeyBoxId = 100;
constexpr int kClearButtonId = 101;
constexpr int kCurrentLabelId = 102;

// Client size and places in pixels at 96 dots per inch.
constexpr SIZE kClientSize = {262, 97};

struct Control {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style;
    runtime::EdgeRect place;
};

const Control kControls[] = {
    {0, L"STATIC", L"開始・停止：", SS_LEFT, {8, 11, 84, 28}},
    {kHotkeyBoxId, HOTKEY_CLASSW, L"", WS_TABSTOP | WS_BORDER, {88, 8, 254, 28}},
    {kCurrentLabelId, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, {88, 36, 254, 53}},
    {kClearButtonId, L"BUTTON", L"なし(&N)", WS_TABSTOP | BS_PUSHBUTTON, {8, 64, 81, 89}},
    {IDOK, L"BUTTON", L"設定(&S)", WS_TABSTOP | BS_DEFPUSHBUTTON, {101, 64, 174, 89}},
    {IDCANCEL, L"BUTTON", L"中止(&C)", WS_TABSTOP | BS_PUSHBUTTON, {181, 64, 254, 89}},
};

// The hotkey control's modifier flags ("HKM_GETHOTKEY message"); it has none for Win.
struct ControlModifier {
    BYTE flag;
    unsigned modifier;
};
constexpr ControlModifier kControlModifiers[] = {
    {HOTKEYF_CONTROL, kHotkeyCtrl}, {HOTKEYF_ALT, kHotkeyAlt}, {HOTKEYF_SHIFT, kHotkeyShift}};

// Keys of the navigation block: the control names them only with HOTKEYF_EXT, as keys of
// the number pad otherwise.
bool IsExtendedKey(int key) {
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
}

WORD ControlValue(const Hotkey& hotkey) {
    BYTE flags = IsExtendedKey(hotkey.key) ? HOTKEYF_EXT : 0;
    for (const ControlModifier& modifier : kControlModifiers) {
        if ((hotkey.modifiers & modifier.modifier) != 0) {
            flags |= modifier.flag;
        }
    }
    return MAKEWORD(static_cast<BYTE>(hotkey.key), flags);
}

Hotkey HotkeyOf(WORD value) {
    Hotkey hotkey{0, LOBYTE(value)};
    for (const ControlModifier& modifier : kControlModifiers) {
        if ((HIBYTE(value) & modifier.flag) != 0) {
            hotkey.modifiers |= modifier.modifier;
        }
    }
    return hotkey;
}

class HotkeyDialog : public runtime::DialogBase<HotkeyDialog> {
  public:
    HotkeyDialog(const Hotkey& current, bool inUse, int iconId)
        : current_(current), inUse_(inUse), iconId_(iconId) {}

    std::optional<Hotkey> Show(HWND owner) {
        const std::vector<WORD> dialogTemplate = runtime::EmptyDialogTemplate();
        ShowModal(::GetModuleHandleW(nullptr),
                  reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner);
        return chosen_;
    }

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM) {
        switch (message) {
            case WM_INITDIALOG:
                Build();
                return FALSE;  // the focus stays where Build put it
            case WM_COMMAND:
                if (HIWORD(wParam) == BN_CLICKED) {
                    OnCommand(LOWORD(wParam));
                    return TRUE;
                }
                return DefaultHandling();
            default:
                return DefaultHandling();
        }
    }

    void LayOut(int dpi) {
        runtime::UniqueFont font = runtime::CreateDialogFont(dpi);
        for (std::size_t i = 0; i < std::size(kControls); ++i) {
            const runtime::EdgeRect place = runtime::ScaleRect(kControls[i].place, dpi);
            ::SetWindowPos(controls_[i], nullptr, place.left, place.top, place.width(),
                           place.height(), SWP_NOZORDER | SWP_NOACTIVATE);
            ::SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        }
        font_ = std::move(font);  // the controls' earlier font goes once they no longer use it
        runtime::UniqueIcon icon =
            runtime::LoadIconForDpi(::GetModuleHandleW(nullptr), iconId_, 16, dpi);
        ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
        smallIcon_ = std::move(icon);  // the earlier icon goes once the caption drops it
    }

    SIZE ClientSize(int dpi) const {
        return {runtime::ScaleEdge(kClientSize.cx, dpi), runtime::ScaleEdge(kClientSize.cy, dpi)};
    }

  private:
    void Build() {
        ::SetWindowTextW(hwnd(), L"ホットキー設定");
        for (const Control& control : kControls) {
            controls_.push_back(::CreateWindowExW(
                0, control.windowClass, control.text, WS_CHILD | WS_VISIBLE | control.style, 0, 0,
                0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                ::GetModuleHandleW(nullptr), nullptr));
        }
        const HWND box = ::GetDlgItem(hwnd(), kHotkeyBoxId);
        // A key alone or with Shift alone would take the key from every program's typing:
        // such an entry gets Ctrl+Alt ("HKM_SETRULES message").
        ::SendMessageW(box, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                       MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
        initial_ = ControlValue(current_);
        ::SendMessageW(box, HKM_SETHOTKEY, initial_, 0);
        const std::optional<std::string> text = WriteHotkey(current_);
        const std::wstring shown = text && !text->empty()
                                       ? ShownHotkey(runtime::WidenAscii(*text), inUse_)
                                       : std::wstring(L"なし");
        ::SetDlgItemTextW(hwnd(), kCurrentLabelId, (L"現在：" + shown).c_str());
        ::SetFocus(box);
    }

    void OnCommand(int id) {
        const HWND box = ::GetDlgItem(hwnd(), kHotkeyBoxId);
        switch (id) {
            case kClearButtonId:
                ::SendMessageW(box, HKM_SETHOTKEY, 0, 0);
                ::SetFocus(box);
                break;
            case IDOK: {
                const auto value = static_cast<WORD>(::SendMessageW(box, HKM_GETHOTKEY, 0, 0));
                // The Win key, which the control cannot show, stays while nothing is changed.
                if (value != initial_) {
                    const Hotkey chosen = HotkeyOf(value);
                    if (!WriteHotkey(chosen)) {
                        ::MessageBeep(MB_OK);  // a key without a name in the settings file
                        ::SetFocus(box);
                        return;
                    }
                    chosen_ = chosen;
                }
                ::EndDialog(hwnd(), IDOK);
                break;
            }
            case IDCANCEL:
                ::EndDialog(hwnd(), IDCANCEL);
                break;
            default:
                break;
        }
    }

    Hotkey current_;
    bool inUse_;
    int iconId_;
    WORD initial_ = 0;
    std::vector<HWND> controls_;
    std::optional<Hotkey> chosen_;
    runtime::UniqueFont font_;  // outlives the dialog's controls
    runtime::UniqueIcon smallIcon_;
};

}  // namespace

std::optional<Hotkey> ShowHotkeyDialog(HWND owner, const Hotkey& current, bool inUse, int iconId) {
    HotkeyDialog dialog(current, inUse, iconId);
    return dialog.Show(owner);
}

}  // namespace frame
