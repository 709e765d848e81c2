// The range picker of the real Tapnor, opened from its settings dialog and dragged over
// with real pointer input.
#include "runtime/placement.h"
#include "tapnor/tests/tapnor_fixture_win32.h"
#include "testing/input_target_win32.h"
#include "testing/screen_capture_win32.h"
#include "testing/text_rendering_win32.h"
#include "testing/two_monitors_win32.h"

namespace {

using namespace tapnor_test;
using testing_support::MoveCursor;
using testing_support::Pixels;
using testing_support::PressKeys;
using testing_support::WaitUntil;
using testing_support::WindowText;

RECT Screen() {
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

runtime::EdgeRect PlaceOf(HWND window) {
    RECT place = {};
    ::GetWindowRect(window, &place);
    return {place.left, place.top, place.right, place.bottom};
}

class RangePickerTest : public TapnorTest {
  protected:
    std::string StoredRangeAfterClose(HWND main) {
        EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
        PressKeys({VK_MENU, 'X'});
        EXPECT_TRUE(program.HasExited(10s));
        const std::string ini = testing_support::ReadFileBytes(program.PathOf(L"Tapnor.ini"));
        const auto start = ini.find("Range=");
        return ini.substr(start, ini.find("\r\n", start) - start);
    }
};

TEST_F(RangePickerTest, ShowsTheFrozenScreenDrawsTheBandAndFillsTheBoxes) {
    const HWND dialog = StartToDialog();
    ASSERT_NE(dialog, nullptr);
    RECT button;
    ::GetWindowRect(::GetDlgItem(dialog, kRangeButtonId), &button);
    ASSERT_TRUE(MoveCursor((button.left + button.right) / 2, (button.top + button.bottom) / 2));
    ::Sleep(200);
    const Pixels before = Pixels::CaptureScreen(Screen());
    const HWND picker = OpenPicker(dialog);
    ASSERT_NE(picker, nullptr) << "the picker did not open";
    RECT place;
    ::GetWindowRect(picker, &place);
    EXPECT_EQ(place.right - place.left, Screen().right);
    EXPECT_EQ(place.bottom - place.top, Screen().bottom);
    EXPECT_EQ(::GetWindow(picker, GW_OWNER), dialog);
    EXPECT_NE(::GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0)
        << "no taskbar button";

    // The instruction follows the cursor, 10 pixels below and right of it; everything
    // else is the picture of the screen as it was, the dialog included.
    const HWND label = ::GetWindow(picker, GW_CHILD);
    RECT labelPlace;
    ::GetWindowRect(label, &labelPlace);
    int compared = 0;
    const auto differing = [&](const Pixels& shown) {
        compared = 0;
        int count = 0;
        for (int y = 0; y < shown.height(); y += 7) {
            for (int x = 0; x < shown.width(); x += 7) {
                const POINT point = {x, y};
                if (::PtInRect(&labelPlace, point)) {
                    continue;
                }
                ++compared;
                count += shown.At(x, y) != before.At(x, y) ? 1 : 0;
            }
        }
        return count;
    };
    const auto instruction = [&](const Pixels& shown) {
        return testing_support::CompareText(shown, labelPlace,
                                            L"開始位置でマウスを押し、終了位置で放してください。",
                                            L"ＭＳ Ｐゴシック", 12, FW_BOLD);
    };
    Pixels shown = testing_support::CaptureWhen(
        [] { return Pixels::CaptureScreen(Screen()); },
        [&](const Pixels& now) { return differing(now) == 0 && instruction(now).withText > 0.8; },
        3s);
    testing_support::SaveScreenshot(shown, L"tapnor-picker.bmp");
    EXPECT_EQ(differing(shown), 0) << "the picker's picture is not the frozen screen";
    EXPECT_GT(compared, 10000);
    const testing_support::TextMatch text = instruction(shown);
    EXPECT_GT(text.withText, 0.8) << "the instruction does not read as its Japanese text";
    EXPECT_LT(text.withMissing, text.withText - 0.3) << "the instruction shows boxes";

    const COLORREF cyan = RGB(0, 255, 255);
    ASSERT_TRUE(MoveCursor(200, 150));
    testing_support::PressLeftButton();
    ASSERT_TRUE(MoveCursor(260, 190));
    ::Sleep(60);
    Pixels band = Pixels::CaptureScreen(Screen());
    EXPECT_FALSE(::IsWindowVisible(label)) << "the instruction stays up while dragging";
    for (const POINT point : {POINT{200, 150}, POINT{260, 150}, POINT{200, 190}, POINT{260, 190},
                              POINT{231, 150}, POINT{260, 170}}) {
        EXPECT_EQ(band.At(point.x, point.y),
                  testing_support::Xored(before.At(point.x, point.y), cyan))
            << "band at " << point.x << "," << point.y;
    }
    EXPECT_EQ(band.At(230, 170), before.At(230, 170)) << "the band has no fill";
    ASSERT_TRUE(MoveCursor(230, 175));
    ::Sleep(60);
    band = Pixels::CaptureScreen(Screen());
    EXPECT_EQ(band.At(260, 190), before.At(260, 190)) << "the previous band stayed";
    EXPECT_EQ(band.At(230, 175), testing_support::Xored(before.At(230, 175), cyan));
    testing_support::ReleaseLeftButton();

    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(picker); }, 5s)) << "the picker stayed open";
    EXPECT_EQ(Box(dialog, 0), L"200");
    EXPECT_EQ(Box(dialog, 1), L"150");
    EXPECT_EQ(Box(dialog, 2), L"230");
    EXPECT_EQ(Box(dialog, 3), L"175");
}

TEST_F(RangePickerTest, ADragTowardsTheUpperLeftIsOrderedOnlyWhenConfirmed) {
    const HWND dialog = StartToDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(OpenPicker(dialog), nullptr);
    Drag({500, 400}, {{300, 300}, {100, 50}});
    ASSERT_TRUE(WaitUntil([&] { return Box(dialog, 3) == L"50"; }, 5s));
    EXPECT_EQ(Box(dialog, 0), L"500");
    EXPECT_EQ(Box(dialog, 1), L"400");
    EXPECT_EQ(Box(dialog, 2), L"100");
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3s));
    PressKeys({VK_RETURN});  // 設定(&S)
    const HWND main = program.WaitForWindow(kMainCaption, 10s);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(StoredRangeAfterClose(main), "Range=100, 50, 500, 400");
}

TEST_F(RangePickerTest, CancellingTheDialogAfterAPickLeavesTheRangeAsItWas) {
    WriteIni("[Tapnor]\r\n\r\nRange=1, 2, 3, 4\r\nMsMove=True\r\n");
    const HWND dialog = StartToDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(OpenPicker(dialog), nullptr);
    Drag({300, 300}, {{350, 320}});
    ASSERT_TRUE(WaitUntil([&] { return Box(dialog, 2) == L"350"; }, 5s));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3s));
    PressKeys({VK_ESCAPE});  // 中止(&C)
    const HWND main = program.WaitForWindow(kMainCaption, 10s);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(StoredRangeAfterClose(main), "Range=1, 2, 3, 4");
}

// Dragged onto the second monitor, the main window opens the dialog there, whose picker
// covers both monitors; a range picked on the second is confirmed and clicked in.
TEST_F(RangePickerTest, OnTwoMonitorsARangeIsPickedAndClickedOnTheSecondWhereTheDialogOpens) {
    SUITE_TAKE_SECOND_MONITOR(second);
    const runtime::EdgeRect s = second->bounds;
    WriteIni("[Tapnor]\r\n\r\nTimer=40\r\nMsMove=False\r\n");
    testing_support::InputTarget target({s.left + 100, s.top + 100, s.left + 400, s.top + 300});
    const HWND main = StartToMainWindow();
    ASSERT_NE(main, nullptr);
    const POINT from = testing_support::WindowOrigin(main);
    const POINT to = {s.left + 420, s.top + 150};
    ASSERT_TRUE(testing_support::Drag({from.x + 70, from.y + 68}, {to.x + 70, to.y + 68}, 10));
    ASSERT_TRUE(WaitUntil([&] { return PlaceOf(main).left == to.x; }, 3s));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }, 3s));
    PressKeys({VK_MENU, 'O'});
    const HWND dialog = program.WaitForWindow(kDialogCaption, 5s);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(runtime::KeepInside(PlaceOf(dialog), second->work), PlaceOf(dialog))
        << "the dialog is not on its owner's monitor";
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3s));

    const HWND picker = OpenPicker(dialog);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(PlaceOf(picker), runtime::VirtualScreen()) << "it does not cover every monitor";
    const RECT inTarget = {s.left + 250, s.top + 200, s.left + 251, s.top + 201};
    EXPECT_EQ(Pixels::CaptureScreen(inTarget).At(0, 0), RGB(255, 255, 255)) << "nor show it";
    Drag({s.left + 150, s.top + 150}, {{s.left + 200, s.top + 170}, {s.left + 250, s.top + 200}});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(picker); }, 5s));
    EXPECT_EQ(Box(dialog, 0), std::to_wstring(s.left + 150));  // the corners, screen pixels
    EXPECT_EQ(Box(dialog, 3), std::to_wstring(s.top + 200));
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 3s));
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 5s));

    ASSERT_TRUE(testing_support::ClickAt(to.x + 55 + 16, to.y + 28 + 16));  // cmdStatus
    ASSERT_TRUE(MoveCursor(s.left + 200, s.top + 180));
    ASSERT_TRUE(WaitUntil([&] { return target.Entries("down").size() >= 3; }, 5s))
        << "no click reached the target on the second monitor";
    EXPECT_EQ(target.Entries("down").front(), std::make_pair(s.left + 200L, s.top + 180L));
}

}  // namespace
