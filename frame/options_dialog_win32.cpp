#include "frame/options_dialog_win32.h"

#include <commctrl.h>
#include <imm.h>

#include <vector>

#include "runtime/com_check_win32.h"
#include "runtime/dialog_base_win32.h"
#include "runtime/dialog_template_win32.h"
#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/keep_on_top_win32.h"
#include "runtime/scaled_icon_win32.h"
#include "runtime/window_dpi_win32.h"

namespace frame {

namespace {

constexpr int kFirstFieldId = 100;
constexpr UINT_PTR kNumberBoxSubclass = 1;

class OptionsDialog : public runtime::DialogBase<OptionsDialog> {
  public:
    explicit OptionsDialog(const OptionsDialogSetup& setup) : setup_(setup) {}

    bool Show(HWND owner) {
        const std::vector<WORD> dialogTemplate = runtime::EmptyDialogTemplate();
        return ShowModal(::GetModuleHandleW(nullptr),
                         reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner) == IDOK;
    }

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM) {
        switch (message) {
            case WM_INITDIALOG:
                Build();
                Load();
                return TRUE;  // the focus goes to the first tab stop
            case WM_PAINT:
                if (layout().topmostOnPaint) {
                    runtime::KeepOnTop(hwnd());
                }
                return DefaultHandling();
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

    // Each control gets its place and the font, both scaled from the layout's pixels at
    // 96 dots per inch. A control that stands at its place already (Build made it there) is
    // not moved.
    void LayOut(int dpi) {
        runtime::UniqueFont font = runtime::CreateDialogFont(dpi);
        // Before the dialog first shows, nothing is drawn yet that needs drawing again.
        const BOOL redraw = ::IsWindowVisible(hwnd());
        for (std::size_t i = 0; i < layout().fields.size(); ++i) {
            const RECT place = PlaceOf(i, dpi);
            const HWND control = Control(i);
            RECT standing = {};
            ::GetWindowRect(control, &standing);
            ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&standing), 2);
            if (!::EqualRect(&standing, &place)) {
                ::SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), redraw);
        }
        font_ = std::move(font);  // the controls' earlier font goes once they no longer use it
        if (setup_.iconId != 0) {
            runtime::UniqueIcon icon =
                runtime::LoadIconForDpi(::GetModuleHandleW(nullptr), setup_.iconId, 16, dpi);
            ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
            smallIcon_ = std::move(icon);  // the earlier icon goes once the caption drops it
        }
    }

    SIZE ClientSize(int dpi) const {
        return {runtime::ScaleEdge(layout().clientWidth, dpi),
                runtime::ScaleEdge(layout().clientHeight, dpi)};
    }

  private:
    const OptionsFormLayout& layout() const { return *setup_.layout; }

    static int FieldId(std::size_t field) { return kFirstFieldId + static_cast<int>(field); }

    int IdOf(std::size_t field) const {
        switch (layout().fields[field].command) {
            case FieldCommand::Confirm:
                return IDOK;
            case FieldCommand::Cancel:
                return IDCANCEL;
            default:
                return FieldId(field);
        }
    }

    HWND Control(std::size_t field) const { return ::GetDlgItem(hwnd(), IdOf(field)); }

    // A field's place in the dialog's client area at dpi.
    RECT PlaceOf(std::size_t field, int dpi) const {
        const OptionField& at = layout().fields[field];
        const runtime::EdgeRect place =
            runtime::ScalePlace(at.left, at.top, at.width, at.height, dpi);
        return {place.left, place.top, place.right, place.bottom};
    }

    // The controls, in tab order, each made at its place for the dialog's scaling (moving a
    // made control costs as much again); LayOut gives them their font.
    void Build() {
        const int dpi = runtime::WindowDpi(hwnd());
        ::SetWindowTextW(hwnd(), layout().caption);
        for (std::size_t i = 0; i < layout().fields.size(); ++i) {
            const OptionField& field = layout().fields[i];
            const wchar_t* windowClass = L"STATIC";
            DWORD style = WS_CHILD | WS_VISIBLE;
            DWORD exStyle = 0;
            switch (field.kind) {
                case FieldKind::NumberBox:
                    windowClass = L"EDIT";
                    style |= WS_TABSTOP | ES_AUTOHSCROLL;
                    exStyle = WS_EX_CLIENTEDGE;
                    break;
                case FieldKind::CheckBox:
                    windowClass = L"BUTTON";
                    style |= WS_TABSTOP | BS_AUTOCHECKBOX;
                    break;
                case FieldKind::Button:
                    windowClass = L"BUTTON";
                    style |= WS_TABSTOP | (field.command == FieldCommand::Confirm ? BS_DEFPUSHBUTTON
                                                                                  : BS_PUSHBUTTON);
                    break;
                case FieldKind::Label:
                    style |= SS_LEFT;
                    break;
            }
            const RECT place = PlaceOf(i, dpi);
            const HWND control =
                ::CreateWindowExW(exStyle, windowClass, field.caption, style, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, hwnd(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(i))),
                                  ::GetModuleHandleW(nullptr), nullptr);
            if (field.kind == FieldKind::NumberBox) {
                ::SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(field.maxLength), 0);
                // The input method is off in a number box, as a number field's IME mode
                // "disabled" turns it off: with a Japanese IME on, a typed 5 is "5" at once,
                // not a composition to confirm. A window without an input context gets no
                // IME ("ImmAssociateContext function", "Input Context"); the thread's default
                // context stays the system's, so there is nothing to restore.
                ::ImmAssociateContext(control, nullptr);
                ::SetWindowSubclass(control, &OptionsDialog::NumberBoxProcedure, kNumberBoxSubclass,
                                    0);
            }
        }
    }

    void Load() {
        const FormValues values = LoadForm(layout(), *setup_.store);
        for (std::size_t i = 0; i < layout().fields.size(); ++i) {
            switch (layout().fields[i].kind) {
                case FieldKind::NumberBox:
                    ::SetWindowTextW(Control(i), values.texts[i].c_str());
                    break;
                case FieldKind::CheckBox:
                    ::SendMessageW(Control(i), BM_SETCHECK,
                                   values.checks[i] ? BST_CHECKED : BST_UNCHECKED, 0);
                    break;
                default:
                    break;
            }
        }
    }

    FormValues Read() const {
        FormValues values;
        values.texts.resize(layout().fields.size());
        values.checks.resize(layout().fields.size());
        for (std::size_t i = 0; i < layout().fields.size(); ++i) {
            const HWND control = Control(i);
            if (layout().fields[i].kind == FieldKind::NumberBox) {
                std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1,
                                  L'\0');
                text.resize(static_cast<std::size_t>(
                    ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
                values.texts[i] = std::move(text);
            } else if (layout().fields[i].kind == FieldKind::CheckBox) {
                values.checks[i] = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            }
        }
        return values;
    }

    void OnCommand(int id) {
        if (id == IDOK) {
            Confirm();
            return;
        }
        if (id == IDCANCEL) {
            ::EndDialog(hwnd(), IDCANCEL);
            return;
        }
        const auto field = static_cast<std::size_t>(id - kFirstFieldId);
        if (field < layout().fields.size() &&
            layout().fields[field].command == FieldCommand::Action && setup_.actions) {
            RunAction(layout().fields[field].name);
        }
    }

    // The dialog takes no input while the step runs, and takes the activation back after.
    void RunAction(std::string_view button) {
        ::EnableWindow(hwnd(), FALSE);
        const std::vector<FieldText> texts = setup_.actions->Run(button, hwnd());
        // A box's length limit holds for typing only: a longer text (a picked -1280 in a box
        // of four) goes in whole ("EM_LIMITTEXT message").
        for (const FieldText& text : texts) {
            if (const std::optional<std::size_t> box = layout().Find(text.field)) {
                ::SetWindowTextW(Control(*box), text.text.c_str());
            }
        }
        ::EnableWindow(hwnd(), TRUE);
        if (::GetActiveWindow() != hwnd()) {
            ::SetActiveWindow(hwnd());
        }
    }

    void Confirm() {
        FormValues values = Read();
        const Confirmation confirmation = ConfirmForm(layout(), values);
        if (confirmation.rejectedField) {
            // Nothing is stored; the box that is not a number gets the focus, selected.
            ::MessageBeep(MB_OK);
            ::SendMessageW(hwnd(), WM_NEXTDLGCTL,
                           reinterpret_cast<WPARAM>(Control(*confirmation.rejectedField)), TRUE);
            return;
        }
        StoreConfirmation(confirmation, *setup_.store);
        ::EndDialog(hwnd(), IDOK);
    }

    // Number boxes take only digits and Backspace, full-width digits as ASCII ones (from an
    // input method that is on all the same), and select their whole text on focus. A
    // message whose handling throws gets the box's own handling.
    static LRESULT CALLBACK NumberBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR) noexcept {
        const LRESULT result = runtime::GuardMessage(
            [&]() -> LRESULT {
                if (message == WM_CHAR || message == WM_IME_CHAR) {
                    const std::optional<unsigned int> taken =
                        NumberBoxCharacter(static_cast<unsigned int>(wParam));
                    return taken ? ::DefSubclassProc(box, message, *taken, lParam) : 0;
                }
                const LRESULT handled = ::DefSubclassProc(box, message, wParam, lParam);
                if (message == WM_SETFOCUS) {
                    ::SendMessageW(box, EM_SETSEL, 0, -1);
                }
                return handled;
            },
            [&] { return ::DefSubclassProc(box, message, wParam, lParam); });
        if (message == WM_NCDESTROY) {
            ::RemoveWindowSubclass(box, &OptionsDialog::NumberBoxProcedure, kNumberBoxSubclass);
        }
        return result;
    }

    OptionsDialogSetup setup_;
    runtime::UniqueFont font_;  // outlives the dialog's controls
    runtime::UniqueIcon smallIcon_;
};

}  // namespace

bool ShowOptionsDialog(HWND owner, const OptionsDialogSetup& setup) {
    OptionsDialog dialog(setup);
    return dialog.Show(owner);
}

}  // namespace frame
