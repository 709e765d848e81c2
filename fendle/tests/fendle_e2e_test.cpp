// Fendle driven as a person drives it, with the follower checked on the screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "fendle/fendle_schema.h"
#include "fendle/fendle_variant_win32.h"
#include "follower/outline.h"
#include "frame/tests/system_controls_driver_win32.h"
#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"

#include "testing/e2e_support_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/input_target_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/scaled_display_win32.h"
#include "testing/screen_capture_win32.h"
#include "testing/two_monitors_win32.h"
#include "testing/window_driver_win32.h"

namespace {

using namespace std::chrono_literals;
using testing_support::ClickAt;
using testing_support::FindProcessWindow;
using testing_support::InputTarget;
using testing_support::MoveCursor;
using testing_support::Pixels;
using testing_support::PressKeys;
using testing_support::ProgramUnderTest;
using testing_support::WaitUntil;
using testing_support::WindowOrigin;

constexpr const wchar_t* kFollowerClass = L"SuiteFollowerWindow";

class FendleTest : public ::testing::Test {
  protected:
    ~FendleTest() override { testing_support::ReleaseHeldKeys(); }

    void WriteIni(std::string_view content) {
        testing_support::WriteFileBytes(program.PathOf(L"Fendle.ini"), content);
    }

    HWND StartToMainWindow() {
        EXPECT_TRUE(program.Start(L"Fendle.exe"));
        const HWND main = program.WaitForWindow(L"Fendle", 15s);
        EXPECT_NE(main, nullptr) << "the main window did not come up";
        EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
        ::Sleep(100);
        return main;
    }

    HWND Follower() const {
        const HWND window = FindProcessWindow(program.processId(), kFollowerClass);
        return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
    }

    // Two clicks on the same spot within the double-click time make a double click, which
    // the button reports as DblClick, not Click: a person pauses between the two.
    void ClickStatus(HWND main) {
        ::Sleep(::GetDoubleClickTime() + 50);
        const POINT origin = WindowOrigin(main);
        ClickAt(origin.x + 55 + 16, origin.y + 28 + 16);
    }

    ProgramUnderTest program{L"Fendle試験", {L"Fendle.exe", L"Sleekon.ocx"}};
};

TEST_F(FendleTest, StartsAndStopsByButtonAndByAltS) {
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Follower(), nullptr);
    ClickStatus(main);
    EXPECT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s)) << "the button did not start";
    PressKeys({VK_MENU, 'S'});
    EXPECT_TRUE(WaitUntil([&] { return Follower() == nullptr; }, 3s)) << "Alt+S did not stop";
    PressKeys({VK_MENU, 'S'});
    EXPECT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s)) << "Alt+S did not start";
    ClickStatus(main);
    EXPECT_TRUE(WaitUntil([&] { return Follower() == nullptr; }, 3s)) << "the button did not stop";
}

TEST_F(FendleTest, TheFollowerStandsPositionRightOfTheCursorWithoutTakingTheForeground) {
    WriteIni("[Fendle]\r\n\r\nPosition=40\r\nTimer=30\r\n");
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    PressKeys({VK_MENU, 'S'});
    ASSERT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s));
    for (const POINT cursor : {POINT{300, 300}, POINT{520, 410}, POINT{5, 700}}) {
        ASSERT_TRUE(MoveCursor(cursor.x, cursor.y));
        EXPECT_TRUE(WaitUntil(
            [&] {
                const POINT at = WindowOrigin(Follower());
                return at.x == cursor.x + 40 && at.y == cursor.y;
            },
            1s))
            << "not beside " << cursor.x << "," << cursor.y;
        EXPECT_EQ(::GetForegroundWindow(), main);
    }
    EXPECT_NE(::GetWindowLongPtrW(Follower(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(FendleTest, TheFollowerShowsItsPictureInsideTheOutlineAndTheDesktopOutside) {
    WriteIni("[Fendle]\r\n\r\nPosition=0\r\nTimer=20\r\n");
    InputTarget white({200, 200, 500, 400});
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(MoveCursor(300, 300));
    PressKeys({VK_MENU, 'S'});
    ASSERT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s));
    ASSERT_TRUE(WaitUntil([&] { return WindowOrigin(Follower()).x == 300; }, 2s));
    const COLORREF body = RGB(224, 247, 247);
    const COLORREF rim = RGB(128, 206, 199);
    const Pixels shot = testing_support::CaptureWhen(
        [] {
            return Pixels::CaptureScreen({300, 300, 344, 329});
        },
        [&](const Pixels& shown) { return shown.At(10, 15) == body; }, 2s);
    testing_support::SaveScreenshot(shot, L"fendle-follower.bmp");
    EXPECT_EQ(shot.At(10, 15), body);
    EXPECT_EQ(shot.At(3, 20), body);
    EXPECT_EQ(shot.At(0, 18), rim);
    EXPECT_EQ(shot.At(9, 1), RGB(149, 149, 40));  // the ball at the top
    // Outside the outline the white target shows through, though the window is 44 x 29.
    for (const POINT outside :
         {POINT{0, 0}, POINT{4, 2}, POINT{20, 2}, POINT{30, 10}, POINT{40, 27}}) {
        EXPECT_EQ(shot.At(outside.x, outside.y), RGB(255, 255, 255))
            << outside.x << "," << outside.y;
    }
}

TEST_F(FendleTest, OnTwoMonitorsTheFollowerGoesWithTheCursorOntoTheSecond) {
    SUITE_TAKE_SECOND_MONITOR(second);
    WriteIni("[Fendle]\r\n\r\nPosition=40\r\nTimer=20\r\n");
    ASSERT_NE(StartToMainWindow(), nullptr);
    PressKeys({VK_MENU, 'S'});
    ASSERT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s));
    const POINT cursor = {second->bounds.left + 300, second->bounds.top + 250};
    ASSERT_TRUE(MoveCursor(cursor.x, cursor.y));
    ASSERT_TRUE(WaitUntil([&] { return WindowOrigin(Follower()).x == cursor.x + 40; }, 1s));
    const auto scaled = [&](int length) { return runtime::ScaleEdge(length, second->dpi); };
    const Pixels shot = testing_support::CaptureWhen(  // from the screen, where it stands
        [&] { return Pixels::CaptureWindow(Follower()); },
        [&](const Pixels& shown) { return shown.At(scaled(10), scaled(15)) == RGB(224, 247, 247); },
        2s);
    EXPECT_EQ(shot.width(), scaled(follower::kWindowWidth));
    EXPECT_EQ(shot.At(scaled(10), scaled(15)), RGB(224, 247, 247)) << "its body does not show";
}

// The follower at 150 % and 200 % (the windows it shares with Tapnor are tried there): that
// scaling's size and picture inside the outline scaled.
class FendleScaledTest : public FendleTest, public ::testing::WithParamInterface<int> {};

TEST_P(FendleScaledTest, TheFollowerTakesTheScalingsSizeOutlineAndPicture) {
    if (!testing_support::RunningUnderWine()) {
        GTEST_SKIP() << "Windows changes the scaling only at the next sign-in";
    }
    const int dpi = GetParam();
    const std::wstring suffix = L"-" + std::to_wstring(runtime::ArtworkPercent(dpi)) + L".bmp";
    const testing_support::ScaledDisplay scaled(static_cast<DWORD>(dpi));
    WriteIni("[Fendle]\r\n\r\nPosition=0\r\nTimer=20\r\n");
    InputTarget white({200, 200, 500, 400});
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    testing_support::SaveScreenshot(Pixels::CaptureWindow(main), L"fendle-main" + suffix);
    PressKeys({VK_MENU, 'O'});
    const HWND dialog = program.WaitForWindow(L"Fendle設定", 5s);
    ASSERT_NE(dialog, nullptr);
    ::Sleep(150);
    testing_support::SaveScreenshot(Pixels::CaptureWindow(dialog), L"fendle-options" + suffix);
    PressKeys({VK_ESCAPE});

    ASSERT_TRUE(MoveCursor(300, 300));
    PressKeys({VK_MENU, 'S'});
    ASSERT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s));
    ASSERT_TRUE(WaitUntil([&] { return WindowOrigin(Follower()).x == 300; }, 2s));
    RECT client;
    ::GetClientRect(Follower(), &client);
    EXPECT_NEAR(client.right, runtime::ScaleEdge(follower::kWindowWidth, dpi), 1);
    EXPECT_NEAR(client.bottom, runtime::ScaleEdge(follower::kWindowHeight, dpi), 1);
    std::vector<POINT> outline;
    for (const follower::OutlinePoint point : follower::kOutlinePoints) {
        outline.push_back({runtime::ScaleEdge(point.x, dpi), runtime::ScaleEdge(point.y, dpi)});
    }
    const runtime::UniqueRegion expected(
        ::CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), WINDING));
    const runtime::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(Follower(), shape.get()), ERROR);
    EXPECT_TRUE(::EqualRgn(shape.get(), expected.get())) << "the region is not the outline scaled";
    const Pixels picture =
        Pixels::LoadBitmapFile(testing_support::ArtFile(L"follower", L"pebbit" + suffix));
    const POINT body = {runtime::ScaleEdge(10, dpi), runtime::ScaleEdge(15, dpi)};
    const Pixels shot = testing_support::CaptureWhen(
        [&] { return Pixels::CaptureWindow(Follower()); },
        [&](const Pixels& shown) { return shown.At(body.x, body.y) == picture.At(body.x, body.y); },
        2s);
    testing_support::SaveScreenshot(shot, L"fendle-follower" + suffix);
    EXPECT_EQ(shot.At(body.x, body.y), picture.At(body.x, body.y));
}

INSTANTIATE_TEST_SUITE_P(OnScaledDisplays, FendleScaledTest, ::testing::Values(144, 192));

TEST_F(FendleTest, WithTabKeyOnTheFocusedWindowGetsTabsAndOneKeyUpAfterStop) {
    WriteIni("[Fendle]\r\n\r\nTimer=30\r\nTabKey=True\r\n");
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    InputTarget target({400, 300, 600, 500});
    ClickStatus(main);
    ASSERT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s));
    ASSERT_TRUE(ClickAt(500, 450));  // the focus goes to the target, the follower stays passive
    ASSERT_TRUE(WaitUntil([&] { return target.Entries("key-down").size() >= 5; }, 5s))
        << "the focused window got no Tab";
    EXPECT_EQ(target.Entries("key-down").front().first, VK_TAB);
    EXPECT_TRUE(target.Entries("hook-up").empty());

    ClickStatus(main);
    ASSERT_TRUE(WaitUntil([&] { return Follower() == nullptr; }, 3s));
    ::Sleep(200);
    const auto downs = target.Entries("hook-down").size();
    ::Sleep(200);
    EXPECT_EQ(target.Entries("hook-up").size(), 1u);
    EXPECT_EQ(target.Entries("hook-down").size(), downs) << "Tab pressed after the stop";
    EXPECT_EQ(::GetAsyncKeyState(VK_TAB) & 0x8000, 0);
}

TEST_F(FendleTest, TheSettingsFileIsWrittenAtCloseWithFendlesLines) {
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    PressKeys({VK_MENU, 'O'});
    const HWND dialog = program.WaitForWindow(L"Fendle設定", 5s);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3s));
    testing_support::SaveScreenshot(Pixels::CaptureWindow(dialog), L"fendle-options.bmp");
    PressKeys({'1'});
    PressKeys({'2'});
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 3s));
    EXPECT_FALSE(testing_support::FileExists(program.PathOf(L"Fendle.ini")));
    testing_support::SaveScreenshot(Pixels::CaptureWindow(main), L"fendle-main.bmp");
    PressKeys({VK_MENU, 'X'});
    ASSERT_TRUE(program.HasExited(10s));
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Fendle.ini")),
              "[Fendle]\r\n\r\nPosition=12\r\n");
}

// From another window: the default hotkey, then one chosen in the hotkey dialog, which the
// icon's menu opens; the menu's quit saves the choice.
TEST_F(FendleTest, HotkeysShowAndHideTheFollowerFromAnotherWindowAndTheChosenOneIsSaved) {
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    InputTarget target({400, 300, 600, 500});
    const auto pressFromTarget = [&](const std::vector<WORD>& keys) {
        ASSERT_TRUE(MoveCursor(450, 320));
        ::SetForegroundWindow(target.window());
        ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == target.window(); }, 3s));
        PressKeys(keys);
    };
    const std::vector<WORD> byDefault =
        frame_test::KeysOf(frame_test::DefaultHotkey(fendle::Schema(), fendle::keys::kHotKey));
    pressFromTarget(byDefault);
    EXPECT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s)) << "the hotkey did not start";
    pressFromTarget(byDefault);
    EXPECT_TRUE(WaitUntil([&] { return Follower() == nullptr; }, 3s)) << "the hotkey did not stop";

    ASSERT_NE(frame_test::OpenIconMenu(main), nullptr);
    PressKeys({'H'});
    const HWND dialog = program.WaitForWindow(L"ホットキー設定", 5s);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3s));
    HWND box = nullptr;
    for (const HWND child : testing_support::ChildWindows(dialog)) {
        if (testing_support::ClassOf(child) == HOTKEY_CLASSW) {
            box = child;
        }
    }
    ASSERT_NE(box, nullptr) << "no hotkey control";
    ::Sleep(100);
    testing_support::SaveScreenshot(Pixels::CaptureWindow(dialog), L"fendle-hotkey.bmp");
    ::SendMessageW(box, HKM_SETHOTKEY, MAKEWORD(VK_F8, HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 3s));

    pressFromTarget({VK_CONTROL, VK_SHIFT, VK_F8});
    EXPECT_TRUE(WaitUntil([&] { return Follower() != nullptr; }, 3s)) << "the chosen one did not";
    pressFromTarget(byDefault);
    ::Sleep(300);
    EXPECT_NE(Follower(), nullptr) << "the earlier hotkey still acts";

    ASSERT_NE(frame_test::OpenIconMenu(main), nullptr);
    PressKeys({'X'});
    ASSERT_TRUE(program.HasExited(10s)) << "the menu's quit did not end Fendle";
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Fendle.ini")),
              "[Fendle]\r\n\r\nHotKey=Ctrl+Shift+F8\r\n");
}

TEST_F(FendleTest, RunsBesideTapnorWhileASecondFendleEndsSilently) {
    ProgramUnderTest tapnor{L"Tapnor併用", {L"Tapnor.exe", L"Sleekon.ocx"}};
    ASSERT_TRUE(tapnor.Start(L"Tapnor.exe"));
    ASSERT_NE(tapnor.WaitForWindow(L"連射設定", 15s), nullptr);
    ASSERT_NE(StartToMainWindow(), nullptr);
    EXPECT_TRUE(program.AnotherEndsSilently(L"Fendle.exe"));
    EXPECT_FALSE(program.HasExited(0ms));
    EXPECT_FALSE(tapnor.HasExited(0ms));
}

// As Tapnor: a copy running elevated holds a mutex that this start may not open.
TEST_F(FendleTest, AStartBesideAnElevatedCopyEndsSilentlyAndWritesNothing) {
    const std::string settings = "[Fendle]\r\n\r\nPosition=9\r\n";
    WriteIni(settings);
    const runtime::UniqueKernelHandle elevated =
        testing_support::HoldMutexOfAnElevatedCopy(fendle::Variant().instanceName);
    ASSERT_TRUE(elevated);
    EXPECT_TRUE(program.AnotherEndsSilently(L"Fendle.exe"));
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Fendle.ini")), settings);
}

}  // namespace
