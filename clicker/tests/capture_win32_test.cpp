#include "clicker/capture_win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/gdi_handles_win32.h"
#include "runtime/ole_session_win32.h"

namespace clicker {
namespace {

// A top-level window painted in two known colours, left and right half.
class PaintedWindow {
  public:
    PaintedWindow() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SuiteCaptureTestWindow";
        ::RegisterClassW(&windowClass);
        window_ =
            ::CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                              100, 100, 80, 40, nullptr, nullptr, nullptr, nullptr);
        ::UpdateWindow(window_);
        Pump();
    }
    ~PaintedWindow() { ::DestroyWindow(window_); }
    HWND get() const { return window_; }

    static void Pump() {
        MSG message;
        for (int round = 0; round < 20; ++round) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageW(&message);
            }
            ::Sleep(5);
        }
    }

    static constexpr COLORREF kLeft = RGB(200, 30, 60);
    static constexpr COLORREF kRight = RGB(20, 180, 90);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            const runtime::PaintDc dc(window);
            RECT left = {0, 0, 40, 40};
            RECT right = {40, 0, 80, 40};
            ::FillRect(dc.get(), &left, runtime::UniqueBrush(::CreateSolidBrush(kLeft)).get());
            ::FillRect(dc.get(), &right, runtime::UniqueBrush(::CreateSolidBrush(kRight)).get());
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_;
};

struct PictureHandles {
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    LONG width = 0;
    LONG height = 0;
};

PictureHandles HandlesOf(IPictureDisp* disp) {
    PictureHandles handles;
    ComPtr<IPicture> picture;
    if (disp == nullptr || FAILED(disp->QueryInterface(IID_IPicture, picture.putVoid()))) {
        return handles;
    }
    OLE_HANDLE bitmap = 0;
    OLE_HANDLE palette = 0;
    picture->get_Handle(&bitmap);
    picture->get_hPal(&palette);
    handles.bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(bitmap));
    handles.palette = reinterpret_cast<HPALETTE>(static_cast<UINT_PTR>(palette));
    BITMAP description = {};
    ::GetObjectW(handles.bitmap, sizeof(description), &description);
    handles.width = description.bmWidth;
    handles.height = description.bmHeight;
    return handles;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    const runtime::WindowDc screen(nullptr);
    const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    const runtime::SelectedObject selected(memory.get(), bitmap);
    return ::GetPixel(memory.get(), x, y);
}

int WINAPI PaletteDeviceCaps(HDC dc, int index) {
    switch (index) {
        case RASTERCAPS:
            return ::GetDeviceCaps(dc, RASTERCAPS) | RC_PALETTE;
        case SIZEPALETTE:
            return 256;
        default:
            return ::GetDeviceCaps(dc, index);
    }
}

class CaptureTest : public ::testing::Test {
  protected:
    const runtime::OleSession ole_;
};

TEST_F(CaptureTest, CopiesTheAreaOfTheWindowAtItsOffset) {
    PaintedWindow window;
    const ComPtr<IPictureDisp> picture = GrabWindowArea(window.get(), true, 30, 10, 20, 10);
    const PictureHandles handles = HandlesOf(picture.get());
    ASSERT_NE(handles.bitmap, nullptr);
    EXPECT_EQ(handles.width, 20);
    EXPECT_EQ(handles.height, 10);
    EXPECT_EQ(PixelOf(handles.bitmap, 0, 0), PaintedWindow::kLeft);
    EXPECT_EQ(PixelOf(handles.bitmap, 9, 9), PaintedWindow::kLeft);
    EXPECT_EQ(PixelOf(handles.bitmap, 10, 0), PaintedWindow::kRight);
    EXPECT_EQ(PixelOf(handles.bitmap, 19, 9), PaintedWindow::kRight);
}

TEST_F(CaptureTest, TheScreenCaptureShowsOtherWindowsWhereTheyStand) {
    PaintedWindow window;
    const ComPtr<IPictureDisp> picture = GrabScreen();
    const PictureHandles handles = HandlesOf(picture.get());
    ASSERT_NE(handles.bitmap, nullptr);
    EXPECT_EQ(handles.width, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(handles.height, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(PixelOf(handles.bitmap, 110, 110), PaintedWindow::kLeft);
    EXPECT_EQ(PixelOf(handles.bitmap, 170, 130), PaintedWindow::kRight);
}

TEST_F(CaptureTest, ATrueColourDisplayGivesNoPalette) {
    const bool paletteDevice =
        (::GetDeviceCaps(runtime::WindowDc(nullptr).get(), RASTERCAPS) & RC_PALETTE) != 0;
    ASSERT_FALSE(paletteDevice) << "this test runs on a true-colour display";
    const PictureHandles handles = HandlesOf(GrabScreen().get());
    EXPECT_NE(handles.bitmap, nullptr);
    EXPECT_EQ(handles.palette, nullptr);
}

TEST_F(CaptureTest, A256ColourPaletteDeviceGivesThePictureAPaletteOfItsOwn) {
    PaintedWindow window;
    const ComPtr<IPictureDisp> picture =
        GrabWindowArea(window.get(), false, 0, 0, 80, 40, &PaletteDeviceCaps);
    const PictureHandles handles = HandlesOf(picture.get());
    ASSERT_NE(handles.palette, nullptr);
    EXPECT_EQ(::GetObjectType(handles.palette), static_cast<DWORD>(OBJ_PAL));
    WORD entries = 0;
    ::GetObjectW(handles.palette, sizeof(entries), &entries);
    EXPECT_EQ(entries, 256);
    EXPECT_EQ(PixelOf(handles.bitmap, 5, 5), PaintedWindow::kLeft);
}

TEST_F(CaptureTest, ReleasingThePictureDeletesItsBitmapAndPalette) {
    PaintedWindow window;
    ComPtr<IPictureDisp> picture =
        GrabWindowArea(window.get(), false, 0, 0, 80, 40, &PaletteDeviceCaps);
    const PictureHandles handles = HandlesOf(picture.get());
    ASSERT_NE(handles.bitmap, nullptr);
    ASSERT_NE(handles.palette, nullptr);
    EXPECT_EQ(picture.detach()->Release(), 0u);
    EXPECT_EQ(::GetObjectType(handles.bitmap), 0u);
    EXPECT_EQ(::GetObjectType(handles.palette), 0u);
}

// How many more GDI objects the process can make: pens are made until the system refuses,
// then deleted again. Every object left behind by a capture lowers this by one.
int FreeGdiHandles() {
    std::vector<runtime::UniquePen> pens;
    pens.reserve(70000);
    for (;;) {
        runtime::UniquePen pen(
            ::CreatePen(PS_SOLID, 1, static_cast<COLORREF>(pens.size() & 0xFFFFFF)));
        if (!pen || pens.size() >= 200000) {
            break;
        }
        pens.push_back(std::move(pen));
    }
    return static_cast<int>(pens.size());
}

TEST_F(CaptureTest, ReleasedCapturesLeaveNoGdiObjectBehind) {
    PaintedWindow window;
    // Warm up whatever the system caches on a first capture.
    GrabWindowArea(window.get(), false, 0, 0, 8, 8, &PaletteDeviceCaps).reset();
    GrabScreen().reset();
    const int before = FreeGdiHandles();
    ASSERT_GT(before, 1000);
    for (int round = 0; round < 10; ++round) {
        ComPtr<IPictureDisp> picture =
            GrabWindowArea(window.get(), round % 2 == 0, 0, 0, 8, 8, &PaletteDeviceCaps);
        ASSERT_NE(HandlesOf(picture.get()).palette, nullptr);
        picture = GrabScreen();
        ASSERT_NE(HandlesOf(picture.get()).bitmap, nullptr);
    }
    EXPECT_EQ(FreeGdiHandles(), before);
}

}  // namespace
}  // namespace clicker
