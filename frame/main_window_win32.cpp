#include "frame/main_window_win32.h"

#include <string>

#include "frame/hotkeys.h"
#include "frame/main_panel.h"
#include "frame/ole_flat_buttons_win32.h"
#include "runtime/ascii_text.h"
#include "runtime/display_scale.h"
#include "runtime/file_path.h"
#include "runtime/module_info_win32.h"
#include "runtime/open_windows_win32.h"
#include "runtime/resource_ids.h"
#include "runtime/scaled_bitmap_win32.h"
#include "runtime/scaled_icon_win32.h"
#include "runtime/window_dpi_win32.h"

namespace frame {

namespace {

constexpr DWORD kPopupStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::string LayoutText() {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC resource = ::FindResourceW(module, kMainLayoutResource, RT_RCDATA);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return std::string(static_cast<const char*>(data), ::SizeofResource(module, resource));
}

std::wstring ControlLibraryPath() {
    return runtime::PathInFolder(runtime::FolderOf(runtime::ModuleFilePath()), kControlLibraryFile);
}

// The buttons could not be hosted: the control library is not beside the program, or it
// is there but does not load.
StartFailure ControlLibraryFailure() {
    const std::wstring library = ControlLibraryPath();
    if (::GetFileAttributesW(library.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return {StartFailure::Kind::ControlMissing, 0, runtime::FolderOf(library)};
    }
    return {StartFailure::Kind::ControlUnloadable, 0, library};
}

// The control library beside the program, loaded as COM will load it for the first button
// (the programs' manifest names it in their own folder), with the entry point COM calls:
// whether the buttons can be made is known before anything shows, and making them later
// finds the library loaded. Null when it is missing or does not load.
runtime::UniqueModule LoadControlLibrary() {
    runtime::UniqueModule library(::LoadLibraryExW(ControlLibraryPath().c_str(), nullptr, 0));
    if (library && ::GetProcAddress(library.get(), "DllGetClassObject") == nullptr) {
        library.reset();
    }
    return library;
}

int Modifiers() {
    int modifiers = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        modifiers |= kShiftBit;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        modifiers |= kCtrlBit;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        modifiers |= kAltBit;
    }
    return modifiers;
}

}  // namespace

MainWindow::MainWindow(const ProgramVariant& variant, ParamModule& params)
    : variant_(variant), params_(params) {}

std::optional<StartFailure> MainWindow::CreateHidden() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (std::optional<StartFailure> failure = LoadLayout()) {
        return failure;
    }
    if (!CreateSkinnedWindow(instance)) {
        return StartFailure{};
    }
    controlLibrary_ = LoadControlLibrary();
    if (!controlLibrary_) {
        return ControlLibraryFailure();
    }
    if (variant_.makeDialogActions) {
        dialogActions_ = variant_.makeDialogActions();
    }
    return std::nullopt;
}

// The stored layout of the window's buttons and pictures, from the program's resources.
std::optional<StartFailure> MainWindow::LoadLayout() {
    const LayoutParse parse = ParseFormLayout(LayoutText());
    if (!parse.layout) {
        return StartFailure{StartFailure::Kind::LayoutUnreadable, parse.error.line, {}};
    }
    layout_ = *parse.layout;
    return std::nullopt;
}

// The skin, the title picture and the program's icon at its two sizes, for dpi.
void MainWindow::LoadArtwork(int dpi) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    clientSize_ = {runtime::ScaleEdge(kClientWidth, dpi), runtime::ScaleEdge(kClientHeight, dpi)};
    background_ = runtime::LoadBitmapForDpi(instance, kBackgroundBitmap, dpi, clientSize_);
    if (const LayoutItem* title = layout_.Find(variant_.roles->title)) {
        const runtime::EdgeRect place =
            runtime::ScalePlace(title->left, title->top, title->width, title->height, dpi);
        titleRect_ = {place.left, place.top, place.right, place.bottom};
        title_ = runtime::LoadBitmapForDpi(instance, runtime::WidenAscii(title->bitmap).c_str(),
                                           dpi, SIZE{place.width(), place.height()});
    }
    runtime::UniqueIcon icon = runtime::LoadIconForDpi(instance, SUITE_PROGRAM_ICON_ID, 32, dpi);
    runtime::UniqueIcon smallIcon =
        runtime::LoadIconForDpi(instance, SUITE_PROGRAM_ICON_ID, 16, dpi);
    ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
    ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    icon_ = std::move(icon);  // the earlier icons go once the window no longer shows them
    smallIcon_ = std::move(smallIcon);
}

// The hidden window at the system's default place, its frame dropped for the skin
// (WM_CREATE) and its client area the skin's size (LayOut).
bool MainWindow::CreateSkinnedWindow(HINSTANCE instance) {
    RegisterClassOnce(instance, CS_DBLCLKS);
    // An overlapped window gets the system's default position.
    return CreateWindowHandle(instance, WS_EX_APPWINDOW, variant_.caption,
                              WS_OVERLAPPED | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                              kClientWidth, kClientHeight, nullptr) != nullptr;
}

// The layout's flat buttons, in place, their clicks running the buttons' actions, and the
// program's work behind the status toggle; once. OLE starts on the thread for them.
void MainWindow::HostButtons() {
    if (buttons_ || hostFailure_) {
        return;
    }
    ole_.emplace();
    buttons_ = CreateOleFlatButtons(
        hwnd(), layout_, runtime::WindowDpi(hwnd()),
        [this](std::string_view button) { Run(ButtonAction(*variant_.roles, button)); });
    if (!buttons_) {
        hostFailure_ = ControlLibraryFailure();
        return;
    }
    work_ = variant_.makeWork(hwnd(), params_.store());
    status_.emplace(*variant_.roles, *buttons_, *work_);
}

void MainWindow::LayOut(int dpi) {
    LoadArtwork(dpi);
    if (buttons_) {
        buttons_->LayOut(dpi);
    }
    ::SetWindowPos(hwnd(), nullptr, 0, 0, clientSize_.cx, clientSize_.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

std::optional<StartFailure> MainWindow::Open(int showCommand) {
    if (std::optional<StartFailure> failure = CreateHidden()) {
        return failure;
    }
    if (variant_.optionsDialogAtLoad) {
        // Comes first at every start; either button brings the window up. The buttons are
        // made while it waits for the user (WM_ENTERIDLE), so that it shows without waiting
        // for them.
        ShowOptions();
    }
    if (hwnd() == nullptr) {
        return std::nullopt;  // closed while the dialog was open
    }
    HostButtons();
    if (hostFailure_) {
        return hostFailure_;
    }
    ::ShowWindow(hwnd(), showCommand);
    ::UpdateWindow(hwnd());
    if (variant_.notifyTexts != nullptr) {
        controls_ =
            std::make_unique<SystemControls>(hwnd(), *variant_.notifyTexts, variant_.hotkeyKey,
                                             params_.store(), static_cast<MainCommands&>(*this));
        controls_->Open();
    }
    return std::nullopt;
}

bool MainWindow::TranslateHotkey(const MSG& message) {
    if ((message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) || hwnd() == nullptr ||
        (message.hwnd != hwnd() && !::IsChild(hwnd(), message.hwnd))) {
        return false;
    }
    if (controls_ && controls_->TakesKey(message)) {
        return true;  // the system-wide hotkey's own: it acts through WM_HOTKEY alone
    }
    const MainAction action = HotkeyAction(static_cast<int>(message.wParam), Modifiers());
    Run(action);
    return action != MainAction::None;
}

void MainWindow::Run(MainAction action) {
    switch (action) {
        case MainAction::Options:
            ShowOptions();
            break;
        case MainAction::Status:
            if (status_) {
                status_->Toggle();
            }
            if (controls_) {
                controls_->StatusChanged();
            }
            break;
        case MainAction::Quit:
            ::SendMessageW(hwnd(), WM_CLOSE, 0, 0);
            break;
        case MainAction::Minimize:
            ::ShowWindow(hwnd(), SW_MINIMIZE);
            break;
        case MainAction::None:
            break;
    }
}

bool MainWindow::Running() const {
    return status_ && status_->running();
}

void MainWindow::ApplySettings() {
    if (work_) {
        work_->ApplySettings();
    }
}

void MainWindow::ShowOptions() {
    OptionsDialogSetup setup;
    setup.layout = variant_.optionsLayout;
    setup.store = &params_.store();
    setup.iconId = SUITE_PROGRAM_ICON_ID;
    setup.actions = dialogActions_.get();
    if (ShowOptionsDialog(hwnd(), setup)) {
        ApplySettings();
    }
}

void MainWindow::DragWindow() {
    ::ReleaseCapture();
    ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MainWindow::Closing() {
    if (closed_) {
        return;
    }
    closed_ = true;
    runtime::OpenWindows::CloseAllButFirst();
    if (work_) {
        work_->Close();
    }
    params_.SaveParams();
}

void MainWindow::Paint() {
    const runtime::PaintDc dc(hwnd());
    const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(dc.get()));
    const auto draw = [&](HBITMAP bitmap, int left, int top, int width, int height) {
        if (bitmap != nullptr && memory) {
            const runtime::SelectedObject selected(memory.get(), bitmap);
            ::BitBlt(dc.get(), left, top, width, height, memory.get(), 0, 0, SRCCOPY);
        }
    };
    draw(background_.get(), 0, 0, clientSize_.cx, clientSize_.cy);
    draw(title_.get(), titleRect_.left, titleRect_.top, titleRect_.right - titleRect_.left,
         titleRect_.bottom - titleRect_.top);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (controls_ && controls_->HandleMessage(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            // The skin has no frame; the popup keeps the default place it was given.
            ::SetWindowLongPtrW(hwnd(), GWL_STYLE, kPopupStyle);
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_ENTERIDLE:
            // The settings dialog at load stands on the screen and waits for the user
            // (Microsoft's "WM_ENTERIDLE message": sent to the owner of a modal dialog box
            // that has no messages waiting).
            if (wParam == MSGF_DIALOGBOX && ::IsWindowVisible(reinterpret_cast<HWND>(lParam))) {
                HostButtons();
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            DragWindow();  // the surface and the title picture drag the window
            return 0;
        case WM_CLOSE:
            Closing();
            ::DestroyWindow(hwnd());
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                Closing();
            }
            return 0;
        case WM_DESTROY:
            if (controls_) {
                controls_->Close();  // the object stays: its menu may be what closed the window
            }
            status_.reset();
            buttons_.reset();
            ::PostQuitMessage(0);
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace frame
