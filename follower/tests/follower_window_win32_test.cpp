#include "follower/follower_window_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "runtime/gdi_handles_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/window_driver_win32.h"

namespace follower {
namespace {

using namespace std::chrono_literals;
using testing_support::MoveCursor;
using testing_support::WaitUntil;

// The follower picture, pixel for pixel: palette indexes, top row first.
constexpr const char* kPictureRows[26] = {
    "BBBBBBBB44444BBBBBBBBB", "BBBBBBBA959A44BBBBBBBB", "BBBBBB49878944433BBBBB",
    "BBBBBB457675444223BBBB", "BBBBB3498789444223BBBB", "BBB3324A959A4442223BBB",
    "BBB3224444444442223BBB", "BB32222444444422223BBB", "BB322222444442222223BB",
    "BB322222222222222223BB", "BB3222222222222222223B", "BB3222222222222222223B",
    "B322222222222222222223", "B322222222222222222223", "3222222222222222222223",
    "3222222222222222222223", "3222222222222222222223", "3222222222222222222223",
    "3222222222222222222223", "3222222222222222222223", "3222222222222222222223",
    "3222222222222222222223", "3222222222222222222223", "322222222222222222223B",
    "B3322222222222222223BB", "BBB3333333333333333BBB"};
constexpr COLORREF kPalette[12] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(224, 247, 247),
                                   RGB(128, 206, 199), RGB(83, 83, 12),    RGB(149, 149, 40),
                                   RGB(180, 180, 49),  RGB(172, 172, 47),  RGB(165, 164, 45),
                                   RGB(137, 136, 37),  RGB(59, 58, 16),    RGB(255, 255, 255)};

int IndexOf(char digit) {
    return digit <= '9' ? digit - '0' : digit - 'A' + 10;
}

TEST(FollowerPictureTest, TheResourceHoldsExactlyThePaletteAndPixelsOfTheTable) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC resource =
        ::FindResourceW(module, FollowerWindow::kPictureResource, MAKEINTRESOURCEW(2));
    ASSERT_NE(resource, nullptr);
    const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
    ASSERT_EQ(header->biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(header->biWidth, 22);
    EXPECT_EQ(header->biHeight, 26);  // bottom-up
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(header->biClrUsed, 12u);
    EXPECT_EQ(header->biXPelsPerMeter, 2834);
    EXPECT_EQ(header->biYPelsPerMeter, 2834);
    const auto* palette = reinterpret_cast<const RGBQUAD*>(bytes + header->biSize);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(RGB(palette[i].rgbRed, palette[i].rgbGreen, palette[i].rgbBlue), kPalette[i])
            << i;
    }
    const BYTE* pixels = bytes + header->biSize + 12 * sizeof(RGBQUAD);
    const int stride = 24;
    for (int row = 0; row < 26; ++row) {
        const BYTE* line = pixels + (25 - row) * stride;
        for (int x = 0; x < 22; ++x) {
            EXPECT_EQ(line[x], IndexOf(kPictureRows[row][x])) << "row " << row << " x " << x;
        }
    }
}

// Counts the session's Tab key events while it lives.
class TabCounter {
  public:
    TabCounter()
        : hook_(::SetWindowsHookExW(WH_KEYBOARD_LL, &Hook, ::GetModuleHandleW(nullptr), 0)) {
        downs = ups = 0;
    }
    static inline std::atomic<int> downs{0};
    static inline std::atomic<int> ups{0};

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION &&
            reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode == VK_TAB) {
            ++(wParam == WM_KEYUP || wParam == WM_SYSKEYUP ? ups : downs);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    runtime::UniqueHook hook_;
};

class FollowerWindowTest : public ::testing::Test {
  protected:
    POINT Place(HWND window) {
        RECT rect;
        ::GetWindowRect(window, &rect);
        return {rect.left, rect.top};
    }

    FollowSettings settings{.distancePx = 33, .intervalMs = 100};
};

TEST_F(FollowerWindowTest, IsASmallShapedToolWindowThatNeverActivates) {
    settings.intervalMs = 20;
    FollowerWindow window(settings);
    ASSERT_TRUE(window.Open());
    RECT rect;
    ::GetWindowRect(window.hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 44);
    EXPECT_EQ(rect.bottom - rect.top, 29);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0) << "no taskbar button";
    EXPECT_NE(exStyle & WS_EX_NOACTIVATE, 0);
    EXPECT_EQ(::GetWindowLongPtrW(window.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_NE(::GetForegroundWindow(), window.hwnd());

    const runtime::UniqueRegion owned(::CreateRectRgn(0, 0, 0, 0));
    const HRGN region = owned.get();
    ASSERT_EQ(::GetWindowRgn(window.hwnd(), region), COMPLEXREGION);
    for (const POINT inside : {POINT{10, 1}, POINT{11, 13}, POINT{1, 20}, POINT{21, 20}}) {
        EXPECT_TRUE(::PtInRegion(region, inside.x, inside.y)) << inside.x << "," << inside.y;
    }
    for (const POINT outside :
         {POINT{0, 0}, POINT{7, 0}, POINT{22, 5}, POINT{30, 20}, POINT{2, 27}}) {
        EXPECT_FALSE(::PtInRegion(region, outside.x, outside.y)) << outside.x << "," << outside.y;
    }
}

TEST_F(FollowerWindowTest, EachTickPutsItPositionPixelsRightOfTheCursor) {
    settings.intervalMs = 20;
    settings.distancePx = 50;
    ASSERT_TRUE(MoveCursor(300, 200));
    const HWND foreground = ::GetForegroundWindow();
    FollowerWindow window(settings);
    ASSERT_TRUE(window.Open());
    ASSERT_TRUE(MoveCursor(400, 250));
    EXPECT_TRUE(WaitUntil(
        [&] { return Place(window.hwnd()).x == 450 && Place(window.hwnd()).y == 250; }, 2s));
    settings.distancePx = 0;  // from the next tick
    window.ApplySettings(settings);
    ASSERT_TRUE(MoveCursor(420, 260));
    EXPECT_TRUE(WaitUntil(
        [&] { return Place(window.hwnd()).x == 420 && Place(window.hwnd()).y == 260; }, 2s));
    EXPECT_NE(::GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetForegroundWindow(), foreground);

    // A rival topmost window put above it, the cursor still: the next ticks raise it again.
    const HWND rival =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"rival",
                          WS_POPUP, 600, 400, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::GetTopWindow(nullptr) == window.hwnd(); }, 2s));
    ::SetWindowPos(rival, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return ::GetTopWindow(nullptr) == window.hwnd(); }, 2s));
    EXPECT_EQ(Place(window.hwnd()).x, 420);
    EXPECT_EQ(::GetForegroundWindow(), foreground);
    ::DestroyWindow(rival);
}

TEST_F(FollowerWindowTest, ATimerOfZeroLeavesItWhereItFirstStood) {
    settings.intervalMs = 0;
    ASSERT_TRUE(MoveCursor(300, 200));
    FollowerWindow window(settings);
    ASSERT_TRUE(window.Open());
    const POINT first = Place(window.hwnd());
    EXPECT_EQ(first.x, 333);
    EXPECT_EQ(first.y, 200);
    ASSERT_TRUE(MoveCursor(500, 400));
    WaitUntil([] { return false; }, 300ms);
    EXPECT_EQ(Place(window.hwnd()).x, first.x);
    EXPECT_EQ(Place(window.hwnd()).y, first.y);
}

// Wine has one scaling for all monitors: the change is sent. Neither place nor size follows it.
TEST_F(FollowerWindowTest, AChangeOfItsWindowsScalingLeavesItBesideTheCursorAtItsSize) {
    settings.intervalMs = 0;  // no ticks: whatever moves it is the message
    ASSERT_TRUE(MoveCursor(300, 200));
    FollowerWindow window(settings);
    ASSERT_TRUE(window.Open());
    RECT place;
    ::GetWindowRect(window.hwnd(), &place);
    ASSERT_TRUE(MoveCursor(420, 260));
    RECT now = {20, 30, 20 + 88, 30 + 58};  // the suggestion
    ::SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&now));
    ::GetWindowRect(window.hwnd(), &now);
    ::OffsetRect(&place, 420 + settings.distancePx - place.left, 260 - place.top);
    EXPECT_TRUE(::EqualRect(&now, &place)) << now.left << "," << now.top;
}

TEST_F(FollowerWindowTest, TabIsPressedOnEveryTickAndReleasedOnceAtClose) {
    settings.intervalMs = 20;
    settings.holdsTab = true;
    TabCounter tabs;
    FollowerWindow window(settings);
    ASSERT_TRUE(window.Open());
    ASSERT_TRUE(WaitUntil([] { return TabCounter::downs >= 5; }, 3s));
    EXPECT_EQ(TabCounter::ups, 0);
    window.Close();
    WaitUntil([] { return TabCounter::ups >= 1; }, 1s);
    const int downs = TabCounter::downs;
    WaitUntil([] { return false; }, 200ms);
    EXPECT_EQ(TabCounter::ups, 1);
    EXPECT_EQ(TabCounter::downs, downs) << "Tab pressed after the close";
    EXPECT_EQ(::GetAsyncKeyState(VK_TAB) & 0x8000, 0);
}

}  // namespace
}  // namespace follower
