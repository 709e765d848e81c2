#include "clicker/range_picker_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "testing/input_driver_win32.h"
#include "testing/screen_capture_win32.h"
#include "testing/window_driver_win32.h"

namespace clicker {
namespace {

using namespace std::chrono_literals;
using testing_support::Pixels;
using testing_support::WaitUntil;

// Stands in for the settings dialog: the picker's owner. The picker runs on the owner's
// thread, the test drives it with real pointer input.
class PickerHost {
  public:
    PickerHost() {
        thread_ = std::thread([this] {
            ::CoInitialize(nullptr);
            dialog_ = ::CreateWindowExW(0, L"STATIC", L"range host", WS_POPUP | WS_VISIBLE, 700,
                                        500, 200, 100, nullptr, nullptr, nullptr, nullptr);
            ready_ = true;
            MSG message;
            while (!quit_) {
                if (open_.exchange(false)) {
                    picked_ = picker.PickRange(dialog_);
                    ++closed_;
                }
                while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageW(&message);
                }
                ::Sleep(5);
            }
            ::DestroyWindow(dialog_);
            ::CoUninitialize();
        });
        WaitUntil([&] { return ready_.load(); }, 5s);
    }
    ~PickerHost() {
        quit_ = true;
        thread_.join();
    }

    // Opens the picker and waits until it covers the screen.
    HWND Open() {
        open_ = true;
        HWND window = nullptr;
        WaitUntil(
            [&] {
                window = ::FindWindowW(RangePicker::kClassName, nullptr);
                return window != nullptr && ::IsWindowVisible(window);
            },
            5s);
        ::Sleep(100);  // its first paint
        return window;
    }
    bool WaitClosed(int count) {
        return WaitUntil([&] { return closed_.load() >= count; }, 5s);
    }
    // What the last opening returned; read after WaitClosed.
    const std::optional<std::array<std::int32_t, 4>>& picked() const { return picked_; }

    RangePicker picker;

  private:
    std::thread thread_;
    HWND dialog_ = nullptr;
    std::optional<std::array<std::int32_t, 4>> picked_;
    std::atomic<bool> ready_{false};
    std::atomic<bool> open_{false};
    std::atomic<bool> quit_{false};
    std::atomic<int> closed_{0};
};

TEST(RangePickerTest, ShowsTheFrozenScreenAndDrawsTheBandWhileDragging) {
    PickerHost host;
    const RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ASSERT_TRUE(testing_support::MoveCursor(900, 700));
    const Pixels before = Pixels::CaptureScreen(screen);
    const HWND picker = host.Open();
    ASSERT_NE(picker, nullptr);
    RECT place;
    ::GetWindowRect(picker, &place);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, screen.right);
    EXPECT_EQ(place.bottom, screen.bottom);
    EXPECT_NE(::GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // Away from the instruction label, the picker shows what the screen showed.
    const Pixels shown = Pixels::CaptureScreen(screen);
    for (const POINT point : {POINT{400, 300}, POINT{750, 530}, POINT{10, 700}}) {
        EXPECT_EQ(shown.At(point.x, point.y), before.At(point.x, point.y))
            << point.x << "," << point.y;
    }

    ASSERT_TRUE(testing_support::MoveCursor(200, 150));
    testing_support::PressLeftButton();
    ASSERT_TRUE(testing_support::MoveCursor(260, 190));
    ::Sleep(50);
    Pixels band = Pixels::CaptureScreen(screen);
    const COLORREF cyan = RangePicker::kBandColour;
    for (const POINT point : {POINT{200, 150}, POINT{260, 150}, POINT{200, 190}, POINT{260, 190},
                              POINT{230, 150}, POINT{200, 170}}) {
        EXPECT_EQ(band.At(point.x, point.y),
                  testing_support::Xored(before.At(point.x, point.y), cyan))
            << point.x << "," << point.y;
    }
    EXPECT_EQ(band.At(230, 170), before.At(230, 170)) << "the band has no fill";

    ASSERT_TRUE(testing_support::MoveCursor(240, 170));
    ::Sleep(50);
    band = Pixels::CaptureScreen(screen);
    EXPECT_EQ(band.At(260, 190), before.At(260, 190)) << "the previous band was not removed";
    EXPECT_EQ(band.At(240, 170), testing_support::Xored(before.At(240, 170), cyan));
    EXPECT_EQ(host.picker.outlinesDrawn(), 4u) << "two outlines per move";

    testing_support::ReleaseLeftButton();
    ASSERT_TRUE(host.WaitClosed(1));
    EXPECT_EQ(host.picked(), (std::array<std::int32_t, 4>{200, 150, 240, 170}));
}

TEST(RangePickerTest, ADragUpAndLeftIsWrittenAsItWent) {
    PickerHost host;
    ASSERT_NE(host.Open(), nullptr);
    ASSERT_TRUE(testing_support::MoveCursor(500, 400));
    testing_support::PressLeftButton();
    ASSERT_TRUE(testing_support::MoveCursor(300, 350));
    ASSERT_TRUE(testing_support::MoveCursor(100, 50));
    testing_support::ReleaseLeftButton();
    ASSERT_TRUE(host.WaitClosed(1));
    EXPECT_EQ(host.picked(), (std::array<std::int32_t, 4>{500, 400, 100, 50}));
}

}  // namespace
}  // namespace clicker
