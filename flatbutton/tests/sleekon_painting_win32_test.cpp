// The flat, raised and pressed looks as the control's window shows them, driven by real
// mouse input.
#include <gtest/gtest.h>

#include "flatbutton/tests/sleekon_fixture_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace flatbutton_test {
namespace {

struct FaceCase {
    const char* situation;
    SIZE control;
    SIZE picture;  // 0 x 0: no picture
    POINT origin;  // where the picture starts in the flat and raised looks
};

class FaceTest : public SleekonTest, public ::testing::WithParamInterface<FaceCase> {
  protected:
    void SetUp() override {
        SleekonTest::SetUp();
        const FaceCase& c = GetParam();
        ComPtr<IPictureDisp> picture;
        if (c.picture.cx > 0) {
            picture = MakePicture(c.picture.cx, c.picture.cy);
            ASSERT_TRUE(picture);
        }
        CreateAndHost(c.control.cx, c.control.cy, Stored(picture.get()).get());
    }
};

TEST_P(FaceTest, FlatThenRaisedAtEntryPressedAtPressAndRaisedAfterTheClick) {
    const FaceCase& c = GetParam();
    const POINT pressedOrigin = {c.origin.x + 1, c.origin.y + 1};
    EXPECT_TRUE(Shows(c.picture, c.origin, Look::Flat));

    Mouse mouse;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(c.control.cx / 2, c.control.cy / 2)));
    EXPECT_TRUE(Shows(c.picture, c.origin, Look::Raised));

    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(Shows(c.picture, pressedOrigin, Look::Pressed));

    mouse.Release(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Shows(c.picture, c.origin, Look::Raised));

    ASSERT_TRUE(mouse.MoveTo(OnScreen(c.control.cx + 20, c.control.cy + 20)));
    EXPECT_TRUE(Shows(c.picture, c.origin, Look::Flat));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeSizes, FaceTest,
    ::testing::Values(FaceCase{"TitleBarButton", {15, 15}, {10, 10}, {2, 2}},
                      FaceCase{"CommandButton", {32, 32}, {24, 24}, {3, 3}},
                      FaceCase{"Sixteen", {16, 16}, {10, 10}, {2, 2}},
                      FaceCase{"Twenty", {20, 20}, {10, 10}, {4, 4}},
                      FaceCase{"ElevenWideLosesItsFirstColumn", {15, 15}, {11, 11}, {1, 1}},
                      FaceCase{"TwelveWideAtTheClipCorner", {15, 15}, {12, 12}, {2, 2}},
                      FaceCase{"LargerThanTheControl", {15, 15}, {24, 24}, {2, 2}},
                      FaceCase{"NoPicture", {15, 15}, {0, 0}, {0, 0}}),
    [](const ::testing::TestParamInfo<FaceCase>& testCase) { return testCase.param.situation; });

class PressedLookTest : public SleekonTest {};

TEST_F(PressedLookTest, ARepaintDuringThePressedLookDrawsNothing) {
    CreateAndHost(20, 20, Stored().get());
    Mouse mouse;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    const std::vector<COLORREF> pressed = Snapshot();
    ASSERT_TRUE(SameFace(pressed, ExpectedFace(Size(), {}, {}, Look::Pressed), 20));

    ::InvalidateRect(Window(), nullptr, TRUE);
    ::UpdateWindow(Window());
    EXPECT_TRUE(SameFace(Snapshot(), pressed, 20));
    // A property put repaints at once, which during the pressed look is nothing either.
    EXPECT_EQ(PutBackColor(RGB(10, 20, 30)), S_OK);
    EXPECT_TRUE(SameFace(Snapshot(), pressed, 20));

    mouse.Release(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Pixel(10, 10), RGB(10, 20, 30));  // the release repaints the flat face
}

TEST_F(PressedLookTest, APressTakesTheCaptureSoThatAReleaseAnywhereEndsThePressedLook) {
    CreateAndHost(20, 20, Stored().get());
    logMoves = false;
    Mouse mouse;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    // The host takes the capture away and the press comes before any further move.
    ::ReleaseCapture();
    ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(::GetCapture(), Window());
    EXPECT_TRUE(Shows({}, {}, Look::Pressed));
    ::SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
    EXPECT_TRUE(Shows({}, {}, Look::Flat));
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,10,10)", "MouseUp(1,0,60,10)"}));
}

}  // namespace
}  // namespace flatbutton_test

namespace flatbutton_test {
namespace {

class ViewTest : public SleekonTest {
  protected:
    // The content aspect drawn into a memory device context at bounds; the pixels within
    // them, row by row.
    std::vector<COLORREF> DrawnThroughTheView(const RECTL& bounds) {
        ComPtr<IViewObject2> view;
        if (object.as(IID_IViewObject2, view) != S_OK) {
            ADD_FAILURE() << "no IViewObject2";
            return {};
        }
        const runtime::WindowDc screen(nullptr);
        const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
        const runtime::UniqueBitmap bitmap(
            ::CreateCompatibleBitmap(screen.get(), bounds.right, bounds.bottom));
        const runtime::SelectedObject selected(memory.get(), bitmap.get());
        EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory.get(), &bounds,
                             nullptr, nullptr, 0),
                  S_OK);
        EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, memory.get(), &bounds,
                             nullptr, nullptr, 0),
                  DV_E_DVASPECT);
        std::vector<COLORREF> drawn;
        for (LONG y = bounds.top; y < bounds.bottom; ++y) {
            for (LONG x = bounds.left; x < bounds.right; ++x) {
                drawn.push_back(::GetPixel(memory.get(), x, y));
            }
        }
        return drawn;
    }
};

TEST_F(ViewTest, DrawsTheFlatFaceIntoAContainersDeviceContext) {
    Create();
    ComPtr<_SleekonControl> dual;
    ASSERT_EQ(object.as(IID__SleekonControl, dual), S_OK);
    ASSERT_EQ(dual->put_BackColor(kBackColour), S_OK);
    ASSERT_EQ(dual->putref_Picture(MakePicture(10, 10).get()), S_OK);
    EXPECT_TRUE(SameFace(DrawnThroughTheView({10, 20, 25, 35}),
                         ExpectedFace({15, 15}, {10, 10}, {2, 2}, Look::Flat), 15));
}

TEST_F(ViewTest, DrawsTheFlatFaceDuringThePressedLookAndTheSurfaceStaysPressed) {
    CreateAndHost(15, 15, Stored(MakePicture(10, 10).get()).get());
    Mouse mouse;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(7, 7)));
    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(Shows({10, 10}, {3, 3}, Look::Pressed));

    EXPECT_TRUE(SameFace(DrawnThroughTheView({0, 0, 15, 15}),
                         ExpectedFace({15, 15}, {10, 10}, {2, 2}, Look::Flat), 15));
    // A repaint still draws nothing, as during any pressed look, and the release ends it.
    ::InvalidateRect(Window(), nullptr, FALSE);
    EXPECT_TRUE(Shows({10, 10}, {3, 3}, Look::Pressed));
    mouse.Release(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Shows({10, 10}, {2, 2}, Look::Raised));
}

}  // namespace
}  // namespace flatbutton_test
