// Tapnor from other windows: its system-wide hotkey, the range outlined on the screen while it
// runs, and its notification icon's menu, driven as a person and the shell drive them.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "clicker/zone_outline_win32.h"
#include "clicker/zone_ring.h"
#include "frame/tests/system_controls_driver_win32.h"
#include "runtime/display_scale.h"
#include "runtime/gdi_handles_win32.h"
#include "tapnor/tapnor_schema.h"
#include "tapnor/tests/tapnor_fixture_win32.h"
#include "testing/e2e_support_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/input_target_win32.h"
#include "testing/screen_capture_win32.h"
#include "testing/window_driver_win32.h"

namespace {

using namespace std::chrono_literals;
using clicker::ZoneOutline;
using testing_support::InputTarget;
using testing_support::MoveCursor;
using testing_support::Pixels;
using testing_support::PressKeys;
using testing_support::WaitUntil;

constexpr clicker::ClickRange kRange = {400, 300, 449, 339};
constexpr const char* kRangeLine = "Range=400, 300, 449, 339\r\n";
constexpr POINT kInside = {420, 320};
constexpr POINT kOutside = {500, 450};

class TapnorSystemTest : public tapnor_test::TapnorTest {
  protected:
    HWND Outline() const {
        const HWND window =
            testing_support::FindProcessWindow(program.processId(), ZoneOutline::kClassName);
        return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
    }

    // The target has the focus, with the cursor over it.
    void FocusTarget(const InputTarget& target, POINT cursor) {
        ASSERT_TRUE(MoveCursor(cursor.x, cursor.y));
        ::SetForegroundWindow(target.window());
        ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == target.window(); }, 3s));
    }

    // Chooses a menu item by its access key; the menu closes.
    void ChooseFromMenu(HWND main, WORD accessKey, const wchar_t* screenshot = nullptr) {
        const HWND menu = frame_test::OpenIconMenu(main);
        ASSERT_NE(menu, nullptr) << "no menu came up";
        if (screenshot != nullptr) {
            testing_support::SaveScreenshot(Pixels::CaptureWindow(menu), screenshot);
        }
        PressKeys({accessKey});
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu); }, 3s));
    }

    frame::Hotkey DefaultHotkey() const {
        return frame_test::DefaultHotkey(tapnor::Schema(), tapnor::keys::kHotKey);
    }
};

// The outline's ring in the window's region and, where screen captures show it, on the
// screen; the range's own pixels stay the target's.
void ExpectRingAroundTheRange(HWND outline) {
    const runtime::EdgeRect screen = {
        ::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
        ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
        ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const int thickness = runtime::ScaleEdge(ZoneOutline::kThickness, runtime::kBaseDpi);
    const std::optional<clicker::ZoneRing> ring = clicker::RingAround(kRange, thickness, screen);
    ASSERT_TRUE(ring.has_value());
    RECT place;
    ::GetWindowRect(outline, &place);
    EXPECT_EQ(place.left, ring->outer.left);
    EXPECT_EQ(place.top, ring->outer.top);
    EXPECT_EQ(place.right, ring->outer.right);
    EXPECT_EQ(place.bottom, ring->outer.bottom);
    const LONG_PTR style = ::GetWindowLongPtrW(outline, GWL_EXSTYLE);
    for (const DWORD bit : {DWORD{WS_EX_LAYERED}, DWORD{WS_EX_TRANSPARENT}, DWORD{WS_EX_NOACTIVATE},
                            DWORD{WS_EX_TOOLWINDOW}, DWORD{WS_EX_TOPMOST}}) {
        EXPECT_NE(style & bit, 0) << std::hex << bit;
    }
    const runtime::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(outline, region.get()), ERROR);
    const POINT edge = {kRange.left - place.left, kInside.y - place.top};
    EXPECT_FALSE(::PtInRegion(region.get(), edge.x, edge.y)) << "the window covers the range";
    EXPECT_TRUE(::PtInRegion(region.get(), edge.x - 1, edge.y));

    // Windows 10 2004 and later leave the outline out of screen captures.
    if (testing_support::RunningUnderWine()) {
        ::Sleep(150);
        const Pixels shot = Pixels::CaptureScreen(
            {kRange.left - 40, kRange.top - 30, kRange.right + 41, kRange.bottom + 31});
        testing_support::SaveScreenshot(shot, L"tapnor-outline.bmp");
        EXPECT_EQ(shot.At(40 - 1, 30 + 20), ZoneOutline::kColour);
        EXPECT_EQ(shot.At(40, 30 + 20), RGB(255, 255, 255)) << "the range's edge is covered";
        EXPECT_EQ(shot.At(40 + 25, 30 + kRange.bottom - kRange.top + 1), ZoneOutline::kColour);
    }
}

TEST_F(TapnorSystemTest, TheHotkeyFromAnotherWindowStartsClickingInsideTheOutlineAndStopsIt) {
    WriteIni(std::string("[Tapnor]\r\n\r\nTimer=40\r\n") + kRangeLine +
             "MsMove=False\r\nHotKey=Ctrl+Shift+F9\r\n");
    ASSERT_NE(StartToMainWindow(), nullptr);
    InputTarget target({300, 200, 600, 500});
    FocusTarget(target, kOutside);

    PressKeys({VK_CONTROL, VK_SHIFT, VK_F9});
    HWND outline = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (outline = Outline()) != nullptr; }, 3s))
        << "the hotkey did not start Tapnor";
    EXPECT_EQ(::GetForegroundWindow(), target.window()) << "the outline took the focus";
    ExpectRingAroundTheRange(outline);

    // Clicks inside the range and on the ring reach the window below.
    ASSERT_TRUE(MoveCursor(kInside.x, kInside.y));
    ASSERT_TRUE(WaitUntil([&] { return target.Entries("down").size() >= 5; }, 5s));
    EXPECT_EQ(target.Entries("down").front(), std::make_pair(kInside.x, kInside.y));
    ASSERT_TRUE(testing_support::ClickAt(kRange.left - 1, kInside.y));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return target.Entries("down").back() == std::make_pair(kRange.left - 1L, kInside.y);
        },
        2s))
        << "a click on the ring did not go through";

    ASSERT_TRUE(MoveCursor(kInside.x, kInside.y));
    PressKeys({VK_CONTROL, VK_SHIFT, VK_F9});
    EXPECT_TRUE(WaitUntil([&] { return Outline() == nullptr; }, 3s)) << "the hotkey did not stop";
    ::Sleep(200);
    const std::size_t clicks = target.Entries("down").size();
    ::Sleep(400);
    EXPECT_EQ(target.Entries("down").size(), clicks) << "clicking went on after the stop";
}

TEST_F(TapnorSystemTest, WithAnEmptyHotKeyTheDefaultDoesNothingAndTheLineIsKept) {
    const std::string ini =
        std::string("[Tapnor]\r\n\r\n") + kRangeLine + "MsMove=False\r\nHotKey=\r\n";
    WriteIni(ini);
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    InputTarget target({300, 200, 600, 500});
    FocusTarget(target, kInside);
    PressKeys(frame_test::KeysOf(DefaultHotkey()));
    ::Sleep(1500);  // past the start delay
    EXPECT_EQ(Outline(), nullptr);
    EXPECT_TRUE(target.Entries("down").empty()) << "the combination started Tapnor";

    ChooseFromMenu(main, 'X');
    ASSERT_TRUE(program.HasExited(10s)) << "the menu's quit did not end Tapnor";
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Tapnor.ini")), ini);
}

// Pressed in Tapnor's own window, where Alt+S and Ctrl+Alt+S also toggle, the default hotkey
// toggles once; it acts over the settings dialog too. The menu's check item hides the
// outline, and its quit saves that.
TEST_F(TapnorSystemTest, TheMenuComesFromTheIconAndItsQuitSaves) {
    WriteIni(std::string("[Tapnor]\r\n\r\n") + kRangeLine + "MsMove=False\r\n");
    ASSERT_TRUE(MoveCursor(1000, 740));  // off the range and the buttons
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    ::ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 3s));
    frame_test::SendIconEvent(main, NIN_SELECT);
    ASSERT_TRUE(
        WaitUntil([&] { return ::IsIconic(main) == FALSE && ::GetForegroundWindow() == main; }, 3s))
        << "a click on the icon did not bring the window back";

    const std::vector<WORD> hotkey = frame_test::KeysOf(DefaultHotkey());
    PressKeys(hotkey);
    ASSERT_TRUE(WaitUntil([&] { return Outline() != nullptr; }, 3s));
    ::Sleep(300);
    EXPECT_NE(Outline(), nullptr) << "the hotkey toggled twice in Tapnor's own window";

    // With the settings dialog open the hotkey still acts, and the range picker's capture
    // goes without the outline.
    PressKeys({VK_MENU, 'O'});
    const HWND dialog = program.WaitForWindow(tapnor_test::kDialogCaption, 5s);
    ASSERT_NE(dialog, nullptr);
    PressKeys(hotkey);
    EXPECT_TRUE(WaitUntil([&] { return Outline() == nullptr; }, 3s));
    PressKeys(hotkey);
    EXPECT_TRUE(WaitUntil([&] { return Outline() != nullptr; }, 3s));
    const HWND picker = OpenPicker(dialog);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(Outline(), nullptr) << "the outline stands over the picker's capture";
    Drag({100, 120}, {{200, 220}});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(picker); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return Outline() != nullptr; }, 3s));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 3s));

    ChooseFromMenu(main, 'R', L"tapnor-menu.bmp");
    EXPECT_TRUE(WaitUntil([&] { return Outline() == nullptr; }, 3s));
    ChooseFromMenu(main, 'X');
    ASSERT_TRUE(program.HasExited(10s));
    EXPECT_EQ(testing_support::ReadFileBytes(program.PathOf(L"Tapnor.ini")),
              std::string("[Tapnor]\r\n\r\n") + kRangeLine + "MsMove=False\r\nShowRange=False\r\n");
}

// Another program holds the combination: the hotkey dialog says so, the key reaches that
// program, and Tapnor runs on.
TEST_F(TapnorSystemTest, ACombinationHeldElsewhereIsShownInUse) {
    struct HeldHere {
        HeldHere() { held = ::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F9); }
        ~HeldHere() { ::UnregisterHotKey(nullptr, 1); }
        bool held;
    } holder;
    ASSERT_TRUE(holder.held);
    WriteIni(std::string("[Tapnor]\r\n\r\n") + kRangeLine +
             "MsMove=False\r\nHotKey=Ctrl+Shift+F9\r\n");
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    ChooseFromMenu(main, 'H');
    const HWND dialog = program.WaitForWindow(L"ホットキー設定", 5s);
    ASSERT_NE(dialog, nullptr);
    std::wstring shown;
    for (const HWND child : testing_support::ChildWindows(dialog)) {
        shown += testing_support::WindowText(child) + L"|";
    }
    EXPECT_NE(shown.find(L"Ctrl+Shift+F9（使用中）"), std::wstring::npos) << shown;
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 3s));

    PressKeys({VK_CONTROL, VK_SHIFT, VK_F9});
    bool heard = false;
    MSG message;
    for (int wait = 0; wait < 100 && !heard; ++wait) {
        heard = ::PeekMessageW(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE) != FALSE;
        ::Sleep(30);
    }
    EXPECT_TRUE(heard) << "the holder did not get its hotkey";
    ::Sleep(1200);
    EXPECT_EQ(Outline(), nullptr);
    EXPECT_FALSE(program.HasExited(0ms));
}

}  // namespace
