#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "frame/flat_buttons.h"
#include "frame/form_layout.h"
#include "frame/main_panel.h"
#include "frame/param_module_win32.h"
#include "frame/program_variant_win32.h"
#include "frame/start_failure.h"
#include "frame/system_controls_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/ole_session_win32.h"
#include "runtime/unique_handle_win32.h"
#include "runtime/window_base_win32.h"

namespace frame {

// frmMain: the borderless skinned main window with its five flat buttons. Its status
// toggle starts and stops the program's work, also from the system-wide hotkey and the
// notification icon's menu (SystemControls); closing it closes every other window of the
// program, newest first, and saves the settings.
class MainWindow : public runtime::WindowBase<MainWindow>, private MainCommands {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteMainWindow";
    // At 96 dots per inch; the window scales it.
    static constexpr int kClientWidth = 144;
    static constexpr int kClientHeight = 74;

    MainWindow(const ProgramVariant& variant, ParamModule& params);

    // Creates the window hidden, with the control library loaded, runs the load step (the
    // settings dialog, when the program asks for it), makes its buttons and shows it. What
    // went wrong when the window could not be made; the hidden window stays until this
    // object goes, so that a box can still be shown.
    std::optional<StartFailure> Open(int showCommand);

    // Alt+O, Alt+S and Alt+X, whichever of the window's controls has the focus; true when
    // the key was a hotkey.
    bool TranslateHotkey(const MSG& message);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The skin's client size, its artwork and the buttons' places for dpi.
    void LayOut(int dpi);

  private:
    std::optional<StartFailure> CreateHidden();
    std::optional<StartFailure> LoadLayout();
    void LoadArtwork(int dpi);
    bool CreateSkinnedWindow(HINSTANCE instance);
    void HostButtons();
    void Run(MainAction action) override;
    bool Running() const override;
    void ApplySettings() override;
    void ShowOptions();
    void DragWindow();
    void Closing();
    void Paint();

    const ProgramVariant& variant_;
    ParamModule& params_;
    std::optional<runtime::OleSession> ole_;  // from the buttons' making; outlives them
    runtime::UniqueModule controlLibrary_;
    FormLayout layout_;
    runtime::UniqueBitmap background_;
    runtime::UniqueBitmap title_;
    RECT titleRect_{};
    SIZE clientSize_{kClientWidth, kClientHeight};
    runtime::UniqueIcon icon_;
    runtime::UniqueIcon smallIcon_;
    std::unique_ptr<FlatButtons> buttons_;
    std::unique_ptr<StatusWork> work_;
    std::optional<StatusToggle> status_;
    std::unique_ptr<DialogActions> dialogActions_;
    std::unique_ptr<SystemControls> controls_;  // from the first showing until the object goes
    std::optional<StartFailure> hostFailure_;   // the buttons could not be made
    bool closed_ = false;
};

}  // namespace frame
