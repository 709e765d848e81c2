// Tapnor driven as a person drives it: started from its folder, keys and clicks through the
// system's input stream, and what shows on the screen and on disk checked afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "runtime/dialog_template_win32.h"
#include "runtime/display_scale.h"
#include "tapnor/tapnor_options.h"
#include "tapnor/tapnor_variant_win32.h"

#include "tapnor/tests/tapnor_fixture_win32.h"
#include "testing/e2e_support_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/input_target_win32.h"
#include "testing/message_box_driver_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/scaled_display_win32.h"
#include "testing/screen_capture_win32.h"
#include "testing/suite_paths.h"
#include "testing/temporary_folder_win32.h"
#include "testing/text_rendering_win32.h"
#include "testing/window_driver_win32.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ClickAt;
using testing_support::InputTarget;
using testing_support::MoveCursor;
using testing_support::Pixels;
using testing_support::PressKeys;
using testing_support::ProgramUnderTest;
using testing_support::SaveScreenshot;
using testing_support::WaitUntil;

using tapnor_test::kDialogCaption;
using tapnor_test::kMainCaption;
using tapnor_test::TapnorTest;

std::wstring Art(const wchar_t* file) {
    return testing_support::ArtFile(L"tapnor", file);
}

TEST_F(TapnorTest, TheDialogComesFirstAndEscapeBringsUpTheMainWindow) {
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    RECT client;
    ::GetClientRect(main, &client);
    EXPECT_EQ(client.right, 144);
    EXPECT_EQ(client.bottom, 74);
    EXPECT_EQ(::GetWindowLongPtrW(main, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_NE(::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(TapnorTest, TheDialogShowsItsJapaneseCaptionsAsGlyphs) {
    const HWND dialog = StartToDialog();
    ASSERT_NE(dialog, nullptr);
    ::Sleep(150);
    const Pixels shot = Pixels::CaptureWindow(dialog);
    SaveScreenshot(shot, L"tapnor-options.bmp");
    struct Label {
        const wchar_t* text;
        RECT place;  // in the dialog's client area
    };
    for (const Label& label :
         {Label{L"タイマー割り込み：", {8, 8, 105, 25}},
          Label{L"マウスクリック範囲：", {8, 40, 109, 52}}, Label{L"ミリ秒", {176, 8, 209, 25}}}) {
        const testing_support::TextMatch match = testing_support::CompareText(
            shot, testing_support::ClientAreaInShot(dialog, label.place), label.text,
            runtime::kDialogFace, 12);
        EXPECT_GT(match.withText, 0.8) << "label does not read as its text";
        EXPECT_LT(match.withMissing, match.withText - 0.3) << "label shows boxes";
    }
}

// Where the bitmap stands in the picture, pixel for pixel; none when it is not there.
std::optional<POINT> Find(const Pixels& picture, const Pixels& bitmap) {
    for (int top = 0; top + bitmap.height() <= picture.height(); ++top) {
        for (int left = 0; left + bitmap.width() <= picture.width(); ++left) {
            bool same = true;
            for (int y = 0; same && y < bitmap.height(); ++y) {
                for (int x = 0; same && x < bitmap.width(); ++x) {
                    same = picture.At(left + x, top + y) == bitmap.At(x, y);
                }
            }
            if (same) {
                return POINT{left, top};
            }
        }
    }
    return std::nullopt;
}

void ExpectClientSize(HWND window, int width, int height, int dpi) {
    RECT client;
    ::GetClientRect(window, &client);
    EXPECT_NEAR(client.right, runtime::ScaleEdge(width, dpi), 1);
    EXPECT_NEAR(client.bottom, runtime::ScaleEdge(height, dpi), 1);
}

// The same Tapnor at 150 % and 200 %: each window is its 96-dpi size scaled, with room for
// its text and that scaling's artwork, while the picker still works in physical pixels.
class TapnorScaledTest : public TapnorTest, public ::testing::WithParamInterface<int> {};

TEST_P(TapnorScaledTest, EveryWindowTakesTheScalingsSizeTextRoomAndArtwork) {
    if (!testing_support::RunningUnderWine()) {
        GTEST_SKIP() << "Windows changes the scaling only at the next sign-in";
    }
    const int dpi = GetParam();
    const int percent = runtime::ArtworkPercent(dpi);
    const testing_support::ScaledDisplay scaled(static_cast<DWORD>(dpi));
    ASSERT_TRUE(MoveCursor(1000, 740));  // off the buttons, which would show their hover frame
    const HWND dialog = StartToDialog();
    ASSERT_NE(dialog, nullptr);
    const frame::OptionsFormLayout& options = tapnor::OptionsLayout();
    ExpectClientSize(dialog, options.clientWidth, options.clientHeight, dpi);
    const int fontHeight = runtime::ScaleEdge(12, dpi);
    EXPECT_EQ(testing_support::ControlsThatDoNotFit(dialog, runtime::kDialogFace, fontHeight), L"");
    ::Sleep(150);
    const Pixels dialogShot = Pixels::CaptureWindow(dialog);
    SaveScreenshot(dialogShot, L"tapnor-options-" + std::to_wstring(percent) + L".bmp");
    const runtime::EdgeRect label = runtime::ScaleRect({8, 8, 105, 25}, dpi);
    const testing_support::TextMatch match = testing_support::CompareText(
        dialogShot,
        testing_support::ClientAreaInShot(dialog,
                                          {label.left, label.top, label.right, label.bottom}),
        L"タイマー割り込み：", runtime::kDialogFace, fontHeight);
    EXPECT_GT(match.withText, 0.8) << "the label does not read as its text at its scaled size";

    const HWND picker = OpenPicker(dialog);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(
        testing_support::ControlsThatDoNotFit(picker, L"ＭＳ Ｐゴシック", fontHeight, FW_BOLD),
        L"");
    Drag({100, 120}, {{200, 220}, {300, 330}});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(picker); }, 5s));
    EXPECT_EQ(
        Box(dialog, 0) + L"," + Box(dialog, 1) + L"," + Box(dialog, 2) + L"," + Box(dialog, 3),
        L"100,120,300,330")
        << "the corners are not the physical pixels under the cursor";

    PressKeys({VK_ESCAPE});
    const HWND main = program.WaitForWindow(kMainCaption, 10s);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
    ::Sleep(150);
    ExpectClientSize(main, 144, 74, dpi);
    const Pixels shown = Pixels::CaptureWindow(main);  // borderless: the window is its client
    SaveScreenshot(shown, L"tapnor-main-" + std::to_wstring(percent) + L".bmp");
    const std::wstring suffix = L"-" + std::to_wstring(percent) + L".bmp";
    EXPECT_TRUE(Find(shown, Pixels::LoadBitmapFile(Art((L"start" + suffix).c_str()))))
        << "the status button does not show this scaling's face pixel for pixel";
    EXPECT_TRUE(Find(shown, Pixels::LoadBitmapFile(Art((L"title" + suffix).c_str()))));
    const Pixels background = Pixels::LoadBitmapFile(Art((L"background" + suffix).c_str()));
    EXPECT_EQ(shown.At(1, shown.height() - 2), background.At(1, background.height() - 2));
}

INSTANTIATE_TEST_SUITE_P(OnScaledDisplays, TapnorScaledTest, ::testing::Values(144, 192));

// The one error box a program shows when it cannot bring up its main window; the program
// ends once it is dismissed, writing nothing.
void ExpectOneErrorBoxThenTheEnd(ProgramUnderTest& program, const std::wstring& text) {
    ASSERT_TRUE(program.Start(L"Tapnor.exe"));
    const testing_support::MessageBoxView box =
        testing_support::WaitForMessageBox(L"エラー", 15s, program.processId());
    ASSERT_NE(box.window, nullptr) << "no error box came up";
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(program.WaitForWindow(kDialogCaption, 0ms), nullptr);
    EXPECT_FALSE(program.HasExited(0ms)) << "the program ended before the box was dismissed";

    testing_support::PressButton(box.window, IDOK);
    EXPECT_TRUE(program.HasExited(10s));
    EXPECT_FALSE(testing_support::FileExists(program.PathOf(L"Tapnor.ini")));
}

TEST(TapnorWithoutTheControlTest, OneErrorBoxNamesTheMissingLibraryAndItsFolderThenTheProgramEnds) {
    ProgramUnderTest program{L"コントロールなし", {L"Tapnor.exe"}};
    ExpectOneErrorBoxThenTheEnd(
        program, L"Sleekon.ocx が見つかりません。\r\n探したフォルダー:\r\n" + program.folder());
}

TEST(TapnorWithoutTheControlTest, ALibraryThatDoesNotLoadIsNamedWithItsPath) {
    ProgramUnderTest program{L"壊れたコントロール", {L"Tapnor.exe"}};
    testing_support::WriteFileBytes(program.PathOf(L"Sleekon.ocx"), "not a library");
    ExpectOneErrorBoxThenTheEnd(
        program, L"Sleekon.ocx を読み込めませんでした。\r\n" + program.PathOf(L"Sleekon.ocx"));
}

TEST_F(TapnorTest, ASecondStartEndsSilently) {
    ASSERT_NE(StartToMainWindow(), nullptr);
    EXPECT_TRUE(program.AnotherEndsSilently(L"Tapnor.exe"));
    EXPECT_FALSE(program.HasExited(0ms)) << "the first copy was disturbed";
}

// A copy running elevated holds a mutex that this start may not open: it ends all the same,
// and the settings it has read are not written back.
TEST_F(TapnorTest, AStartBesideAnElevatedCopyEndsSilentlyAndWritesNothing) {
    const std::string settings = "[Tapnor]\r\n\r\nTimer=70\r\n";
    WriteIni(settings);
    const runtime::UniqueKernelHandle elevated =
        testing_support::HoldMutexOfAnElevatedCopy(tapnor::Variant().instanceName);
    ASSERT_TRUE(elevated);
    EXPECT_TRUE(program.AnotherEndsSilently(L"Tapnor.exe"));
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Tapnor.ini")), settings);
}

TEST_F(TapnorTest, TheMainWindowShowsItsSkinAndFacesAndSwapsThemWhileRunning) {
    WriteIni("[Tapnor]\r\n\r\nRange=0, 0, 0, 0\r\nMsMove=False\r\n");  // nothing gets clicked
    ASSERT_TRUE(MoveCursor(1000, 740));  // off the buttons, which would show their hover frame
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    const Pixels background = Pixels::LoadBitmapFile(Art(L"background.bmp"));
    const Pixels start = Pixels::LoadBitmapFile(Art(L"start.bmp"));
    const Pixels stop = Pixels::LoadBitmapFile(Art(L"stop.bmp"));
    ASSERT_FALSE(background.empty());

    Pixels shown = Pixels::CaptureWindow(main);
    SaveScreenshot(shown, L"tapnor-main.bmp");
    for (const POINT point : {POINT{1, 72}, POINT{70, 65}, POINT{140, 40}, POINT{5, 30}}) {
        EXPECT_EQ(shown.At(point.x, point.y), background.At(point.x, point.y))
            << point.x << "," << point.y;
    }
    // cmdStatus at (55, 28), 32 x 32: its 24 x 24 face lands at (3, 3) inside it.
    EXPECT_EQ(shown.At(55 + 3 + 12, 28 + 3 + 12), start.At(12, 12));
    EXPECT_EQ(shown.At(55 + 1, 28 + 1), RGB(255, 245, 205));

    // Each button repaints in its own time: wait for both faces.
    const Pixels optionsDisabled = Pixels::LoadBitmapFile(Art(L"options_disabled.bmp"));
    PressKeys({VK_MENU, 'S'});
    EXPECT_TRUE(WaitUntil(
        [&] {
            shown = Pixels::CaptureWindow(main);
            return shown.At(55 + 3 + 12, 28 + 3 + 12) == stop.At(12, 12) &&
                   shown.At(15 + 3 + 12, 28 + 3 + 6) == optionsDisabled.At(12, 6);
        },
        3s))
        << "the status and options buttons do not both show their running faces";
    SaveScreenshot(shown, L"tapnor-main-running.bmp");

    PressKeys({VK_MENU, 'S'});
    EXPECT_TRUE(WaitUntil(
        [&] {
            return Pixels::CaptureWindow(main).At(55 + 3 + 12, 28 + 3 + 12) == start.At(12, 12);
        },
        3s));
}

TEST_F(TapnorTest, ClicksLandOnlyInsideTheRangeAlongTheSweepAndTabIsReleasedAtStop) {
    WriteIni(
        "[Tapnor]\r\n\r\nTimer=40\r\nTabKey=True\r\nRange=400, 300, 403, 301\r\nMsMove=True\r\n");
    // The window to click is open before Tapnor starts, so that Tapnor comes up in front and
    // has the keyboard by its own start, as for a user: no other program moves the focus.
    InputTarget target({300, 200, 600, 500});
    ASSERT_TRUE(MoveCursor(500, 450));  // over the target, outside the range
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    for (const POINT point : {POINT{400, 300}, POINT{500, 450}}) {
        ASSERT_EQ(::WindowFromPoint(point), target.window()) << point.x << "," << point.y;
    }

    PressKeys({VK_MENU, 'S'});
    ASSERT_TRUE(WaitUntil(
        [&] { return (::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 3s))
        << "Alt+S did not start clicking: the window did not become topmost; in front: "
        << testing_support::ClassOf(::GetForegroundWindow());
    EXPECT_TRUE(WaitUntil([&] { return target.Entries("hook-down").size() >= 3; }, 5s))
        << "Tab is pressed on every tick, inside the range or not\n"
        << target.Log();
    EXPECT_TRUE(target.Entries("down").empty()) << "clicked outside the range";

    // Into the range once: MoveCursor moves again when the cursor is not where it was put,
    // and a tick's walk may have moved it on by then.
    ASSERT_TRUE(::SetCursorPos(400, 300));
    ASSERT_TRUE(WaitUntil([&] { return target.Entries("down").size() >= 10; }, 5s));
    ASSERT_TRUE(MoveCursor(500, 450));  // out again: clicking pauses
    ::Sleep(200);
    const auto clicks = target.Entries("down");
    const std::vector<std::pair<long, long>> sweep = {
        {400, 300}, {401, 300}, {402, 300}, {403, 300}, {403, 301},
        {402, 301}, {401, 301}, {400, 301}, {400, 301}, {401, 301}};
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        EXPECT_EQ(clicks[i], sweep[i]) << "click " << i;
    }
    EXPECT_EQ(target.Entries("up").size(), clicks.size()) << "every press has its release";
    ::Sleep(200);
    EXPECT_EQ(target.Entries("down").size(), clicks.size()) << "clicked outside the range";

    // Stop with the status button, as a click would.
    const POINT origin = testing_support::WindowOrigin(main);
    ASSERT_TRUE(ClickAt(origin.x + 55 + 16, origin.y + 28 + 16));
    ASSERT_TRUE(WaitUntil([&] { return !target.Entries("hook-up").empty(); }, 3s))
        << "no Tab key-up after the stop";
    const auto downs = target.Entries("hook-down");
    ::Sleep(300);
    const auto ups = target.Entries("hook-up");
    ASSERT_EQ(ups.size(), 1u) << "one Tab key-up after the stop";
    EXPECT_EQ(ups[0].second, 1) << "the key-up is injected input";
    EXPECT_EQ(target.Entries("hook-down").size(), downs.size()) << "Tab pressed after the stop";
    EXPECT_EQ(::GetAsyncKeyState(VK_TAB) & 0x8000, 0);
}

// Win32's z-order, not the X stacking: without a window manager the two can differ.
TEST_F(TapnorTest, WhileRunningTheMainWindowRisesAboveARivalTopmostWindowWithoutActivation) {
    WriteIni("[Tapnor]\r\n\r\nTimer=50\r\nRange=0, 0, 0, 0\r\nMsMove=False\r\n");  // no clicks
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    RECT place;
    ::GetWindowRect(main, &place);
    PressKeys({VK_MENU, 'S'});
    ASSERT_TRUE(WaitUntil(
        [&] {
            return (::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 &&
                   ::GetTopWindow(nullptr) == main;
        },
        3s));

    InputTarget target({600, 400, 700, 500});
    ::SetForegroundWindow(target.window());
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == target.window(); }, 3s));
    const HWND rival =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"rival",
                          WS_POPUP, 650, 450, 80, 80, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(rival, nullptr);
    for (int round = 0; round < 3; ++round) {
        ::SetWindowPos(rival, HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        EXPECT_TRUE(WaitUntil([&] { return ::GetTopWindow(nullptr) == main; }, 2s))
            << "round " << round;
    }
    RECT after;
    ::GetWindowRect(main, &after);
    EXPECT_TRUE(::EqualRect(&place, &after)) << "the window stays at its place and size";
    EXPECT_EQ(::GetForegroundWindow(), target.window()) << "the window never activates itself";
    ::DestroyWindow(rival);
}

TEST_F(TapnorTest, TheWindowIsDraggedByItsSurfaceAndItsTitleButNotByItsButtons) {
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    POINT origin = testing_support::WindowOrigin(main);
    // The surface below the buttons, then the title picture.
    ASSERT_TRUE(testing_support::Drag({origin.x + 70, origin.y + 68},
                                      {origin.x + 270, origin.y + 168}, 10));
    EXPECT_TRUE(
        WaitUntil([&] { return testing_support::WindowOrigin(main).x == origin.x + 200; }, 2s));
    EXPECT_EQ(testing_support::WindowOrigin(main).y, origin.y + 100);
    origin = testing_support::WindowOrigin(main);
    ASSERT_TRUE(
        testing_support::Drag({origin.x + 20, origin.y + 8}, {origin.x + 0, origin.y + 38}, 10));
    EXPECT_TRUE(
        WaitUntil([&] { return testing_support::WindowOrigin(main).y == origin.y + 30; }, 2s));
    origin = testing_support::WindowOrigin(main);
    ::Sleep(::GetDoubleClickTime() + 50);
    ASSERT_TRUE(testing_support::Drag({origin.x + 95 + 16, origin.y + 44},
                                      {origin.x + 200, origin.y + 200}, 10));
    ::Sleep(200);
    EXPECT_EQ(testing_support::WindowOrigin(main).x, origin.x) << "a button dragged the window";
    EXPECT_EQ(testing_support::WindowOrigin(main).y, origin.y);
}

TEST_F(TapnorTest, TheMinimizeButtonMinimizesAndTheCloseButtonSavesAndEnds) {
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    const POINT origin = testing_support::WindowOrigin(main);
    ASSERT_TRUE(ClickAt(origin.x + 111 + 6, origin.y + 2 + 7));
    EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 3s));
    ::ShowWindow(main, SW_RESTORE);  // as the taskbar button would
    ASSERT_TRUE(
        WaitUntil([&] { return ::IsIconic(main) == FALSE && ::IsWindowVisible(main); }, 3s));
    ::Sleep(::GetDoubleClickTime() + 50);
    ASSERT_TRUE(ClickAt(origin.x + 125 + 8, origin.y + 2 + 7));
    ASSERT_TRUE(program.HasExited(10s)) << "the close button did not end the program";
    EXPECT_TRUE(testing_support::FileExists(program.PathOf(L"Tapnor.ini")));
}

TEST_F(TapnorTest, ClosingWhileTheDialogIsOpenClosesItFirstAndSaves) {
    WriteIni("[Tapnor]\r\n\r\nTimer=70\r\nRange=0, 0, 0, 0\r\nMsMove=False\r\n");
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    PressKeys({VK_MENU, 'S'});  // running: the options button is disabled, Alt+O still opens
    PressKeys({VK_MENU, 'O'});
    const HWND dialog = program.WaitForWindow(kDialogCaption, 5s);
    ASSERT_NE(dialog, nullptr);
    // A close from outside (another program, the session ending) while the dialog is up.
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.HasExited(10s));
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Tapnor.ini")),
              "[Tapnor]\r\n\r\nTimer=70\r\nRange=0, 0, 0, 0\r\nMsMove=False\r\n");
}

TEST_F(TapnorTest, ConfirmedValuesReachTheSettingsFileOnlyAtClose) {
    const HWND dialog = StartToDialog();
    ASSERT_NE(dialog, nullptr);
    PressKeys({'1'});
    PressKeys({'2'});
    PressKeys({'0'});
    for (int tab = 0; tab < 7; ++tab) {
        PressKeys({VK_TAB});  // on to chkTabKey
    }
    PressKeys({VK_SPACE});
    PressKeys({VK_RETURN});
    const HWND main = program.WaitForWindow(kMainCaption, 10s);
    ASSERT_NE(main, nullptr);
    ::Sleep(200);
    EXPECT_FALSE(testing_support::FileExists(program.PathOf(L"Tapnor.ini")))
        << "the settings were written before the program closed";

    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
    PressKeys({VK_MENU, 'X'});
    ASSERT_TRUE(program.HasExited(10s));
    const int right = ::GetSystemMetrics(SM_CXSCREEN) - 1;
    const int bottom = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Tapnor.ini")),
              "[Tapnor]\r\n\r\nTimer=120\r\nTabKey=True\r\nRange=0, 0, " + std::to_string(right) +
                  ", " + std::to_string(bottom) + "\r\nMsMove=True\r\n");
}

}  // namespace
