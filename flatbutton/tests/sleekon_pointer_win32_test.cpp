// Events and hover tracking from real mouse input: their order, what is on the screen
// while a handler runs, and the mouse capture as the hover state.
#include <gtest/gtest.h>

#include "flatbutton/tests/sleekon_fixture_win32.h"

namespace flatbutton_test {
namespace {

class PointerTest : public SleekonTest {
  protected:
    void SetUp() override {
        SleekonTest::SetUp();
        CreateAndHost(20, 20, Stored().get());
        logMoves = false;
    }

    // The look on the screen right now, without handling any message first.
    Look LookNow() {
        const std::vector<COLORREF> now = Snapshot(false);
        for (const Look look : {Look::Flat, Look::Raised, Look::Pressed}) {
            if (now == ExpectedFace(Size(), {}, {}, look)) {
                return look;
            }
        }
        ADD_FAILURE() << "neither flat, raised nor pressed";
        return Look::Flat;
    }
    bool Captured() const { return ::GetCapture() == Window(); }

    Mouse mouse;
};

TEST_F(PointerTest, AClickRaisesDownUpClickAroundTheLooks) {
    std::vector<Look> seen;
    handlers[flatbutton::kDispidMouseDown] = [&](MouseArguments&) { seen.push_back(LookNow()); };
    handlers[flatbutton::kDispidMouseUp] = [&](MouseArguments&) { seen.push_back(LookNow()); };
    handlers[flatbutton::kDispidClick] = [&](MouseArguments&) { seen.push_back(LookNow()); };
    ASSERT_TRUE(mouse.MoveTo(OnScreen(5, 6)));
    mouse.Click();
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,5,6)", "MouseUp(1,0,5,6)", "Click"}));
    // MouseDown after the pressed look is drawn, MouseUp and Click before the look changes.
    EXPECT_EQ(seen, (std::vector<Look>{Look::Pressed, Look::Pressed, Look::Flat}));
    EXPECT_EQ(LookNow(), Look::Raised);
}

TEST_F(PointerTest, ADoubleClickPressesAgainAtDblClickAndReleasesAtTheLastUp) {
    std::vector<Look> seen;
    handlers[flatbutton::kDispidDblClick] = [&](MouseArguments&) { seen.push_back(LookNow()); };
    handlers[flatbutton::kDispidMouseUp] = [&](MouseArguments&) { seen.push_back(LookNow()); };
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    mouse.Click();
    mouse.Click();
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,10,10)", "MouseUp(1,0,10,10)", "Click", "DblClick",
                                 "MouseUp(1,0,10,10)"}));
    EXPECT_EQ(seen, (std::vector<Look>{Look::Pressed, Look::Raised, Look::Pressed}));
    EXPECT_EQ(LookNow(), Look::Flat);
}

TEST_F(PointerTest, TheMoveEventComesBeforeTheHoverFrame) {
    logMoves = true;
    std::vector<Look> seen;
    handlers[flatbutton::kDispidMouseMove] = [&](MouseArguments&) { seen.push_back(LookNow()); };
    ASSERT_TRUE(mouse.MoveTo(OnScreen(4, 4)));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), Look::Flat);
    EXPECT_EQ(log.Take().front(), "MouseMove(0,0,4,4)");
    EXPECT_EQ(LookNow(), Look::Raised);
}

TEST_F(PointerTest, EntryTakesTheCaptureAndExitGivesItBack) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    EXPECT_TRUE(Captured());
    EXPECT_EQ(LookNow(), Look::Raised);
    // While captured the control also hears the move that lands outside, before the exit.
    logMoves = true;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(-15, 30)));
    EXPECT_EQ(log.Take(), (Calls{"MouseMove(0,0,-15,30)"}));
    EXPECT_FALSE(Captured());
    EXPECT_EQ(LookNow(), Look::Flat);
}

TEST_F(PointerTest, ARepaintDuringHoverRemovesTheFrameButNotTheCapture) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    ASSERT_EQ(PutBackColor(kBackColour), S_OK);
    EXPECT_EQ(LookNow(), Look::Flat);
    EXPECT_TRUE(Captured());
    ASSERT_TRUE(mouse.MoveTo(OnScreen(12, 12)));  // still over the control: no new entry
    EXPECT_EQ(LookNow(), Look::Flat);
    ASSERT_TRUE(mouse.MoveTo(OnScreen(40, 10)));
    EXPECT_FALSE(Captured());
}

TEST_F(PointerTest, AWindowAboveTheControlCountsAsOutside) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(3, 10)));
    ASSERT_TRUE(Captured());
    const POINT cover = OnScreen(10, 0);
    const HWND above =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, HostWindow::kClassName, L"", WS_POPUP,
                          cover.x, cover.y, 30, 30, nullptr, nullptr, nullptr, nullptr);
    ::ShowWindow(above, SW_SHOWNOACTIVATE);
    PumpMessages();
    ASSERT_TRUE(mouse.MoveTo(OnScreen(15, 10)));
    EXPECT_FALSE(Captured());
    EXPECT_EQ(LookNow(), Look::Flat);
    ::DestroyWindow(above);
}

TEST_F(PointerTest, AMoveHandlerThatSetsTheLeftButtonSuppressesHover) {
    handlers[flatbutton::kDispidMouseMove] = [](MouseArguments& move) { move.button = 1; };
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    EXPECT_FALSE(Captured());
    EXPECT_EQ(LookNow(), Look::Flat);
}

TEST_F(PointerTest, AMoveHandlerThatMovesThePointOutsideEndsTheHover) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    ASSERT_TRUE(Captured());
    handlers[flatbutton::kDispidMouseMove] = [](MouseArguments& move) { move.x = -100.5F; };
    // One move, taken straight: after the exit the pointer is still over the control, and
    // the next real move would be an entry again.
    ::SendMessageW(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(11, 11));
    EXPECT_FALSE(Captured());
    EXPECT_EQ(LookNow(), Look::Flat);
}

TEST_F(PointerTest, ALeftDragFromOutsideNeverTracksHoverAndItsReleaseIsNoClick) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(60, 10)));  // over the host window
    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    ASSERT_TRUE(mouse.MoveTo(OnScreen(12, 10)));
    EXPECT_FALSE(Captured());
    EXPECT_EQ(LookNow(), Look::Flat);
    mouse.Release(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(log.Take(), (Calls{"MouseUp(1,0,12,10)"}));
}

TEST_F(PointerTest, TheRightButtonTracksHoverButNeverPressesAndAnyReleaseEndsThePress) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    mouse.Press(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(LookNow(), Look::Raised);
    mouse.Release(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(LookNow(), Look::Flat);  // the release repaints

    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(LookNow(), Look::Pressed);
    mouse.Press(MOUSEEVENTF_RIGHTDOWN);
    mouse.Release(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(LookNow(), Look::Flat);
    mouse.Release(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(log.Take(),
              (Calls{"MouseDown(2,0,10,10)", "MouseUp(2,0,10,10)", "MouseDown(1,0,10,10)",
                     "MouseDown(2,0,10,10)", "MouseUp(2,0,10,10)", "MouseUp(1,0,10,10)", "Click"}));

    // Moving with the right button held leaves as any move does.
    mouse.Press(MOUSEEVENTF_RIGHTDOWN);
    ASSERT_TRUE(mouse.MoveTo(OnScreen(50, 10)));
    EXPECT_FALSE(Captured());
    mouse.Release(MOUSEEVENTF_RIGHTUP);
}

TEST_F(PointerTest, HoverFramesTakeNewSystemColoursAtOnceClickFramesAfterAResize) {
    const int elements[] = {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    const COLORREF original[] = {::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW)};
    const COLORREF changed[] = {RGB(250, 250, 0), RGB(90, 0, 90)};
    ASSERT_TRUE(::SetSysColors(2, elements, changed));
    struct Restore {
        const int* elements;
        const COLORREF* colours;
        ~Restore() { ::SetSysColors(2, elements, colours); }
    } restore{elements, original};

    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    EXPECT_EQ(Pixel(0, 10), changed[0]);  // hover: the colours of now
    EXPECT_EQ(Pixel(19, 10), changed[1]);
    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(Pixel(0, 10), original[1]);  // pressed: those of the last resize
    mouse.Release(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Pixel(0, 10), original[0]);  // click frame, likewise

    ComPtr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(object.as(IID_IOleInPlaceObject, inPlace), S_OK);
    RECT wider = place;
    wider.right += 4;
    ASSERT_EQ(inPlace->SetObjectRects(&wider, &wider), S_OK);
    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(Pixel(0, 10), changed[1]);
    mouse.Release(MOUSEEVENTF_LEFTUP);
}

TEST_F(PointerTest, ADisabledControlRaisesNothingAndShowsNoHover) {
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    ASSERT_TRUE(Captured());
    ASSERT_EQ(PutEnabled(false), S_OK);
    EXPECT_FALSE(Captured());
    EXPECT_EQ(LookNow(), Look::Flat);  // the same face as enabled: no greyed look
    ASSERT_TRUE(mouse.MoveTo(OnScreen(11, 11)));
    mouse.Click();
    EXPECT_EQ(LookNow(), Look::Flat);
    EXPECT_EQ(log.Take(), (Calls{"OnChanged(0x68030001)"}));

    ASSERT_EQ(PutEnabled(true), S_OK);
    log.Take();
    ASSERT_TRUE(mouse.MoveTo(OnScreen(12, 12)));
    mouse.Click();
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,12,12)", "MouseUp(1,0,12,12)", "Click"}));
}

TEST_F(PointerTest, DisablingDuringAPressEndsThePressedLook) {
    handlers[flatbutton::kDispidMouseDown] = [&](MouseArguments&) {
        EXPECT_EQ(PutEnabled(false), S_OK);
    };
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    mouse.Press(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(LookNow(), Look::Flat);
    mouse.Release(MOUSEEVENTF_LEFTUP);
}

TEST_F(PointerTest, FrozenEventsAreNotRaised) {
    ComPtr<IOleControl> control;
    ASSERT_EQ(object.as(IID_IOleControl, control), S_OK);
    ASSERT_EQ(control->FreezeEvents(TRUE), S_OK);
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    mouse.Click();
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(LookNow(), Look::Raised);  // the looks go on
    ASSERT_EQ(control->FreezeEvents(FALSE), S_OK);
    ASSERT_TRUE(
        mouse.MoveTo(OnScreen(16, 16)));  // far enough for a click of its own, not a double click
    mouse.Click();
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,16,16)", "MouseUp(1,0,16,16)", "Click"}));
}

TEST_F(PointerTest, AClickHandlerThatClosesTheHostingWindowDoesNotFreeTheControlUnderIt) {
    ULONG lastReleaseInHandler = 0;
    handlers[flatbutton::kDispidClick] = [&](MouseArguments&) {
        ::DestroyWindow(host.hwnd());
        lastReleaseInHandler = CloseAndRelease();
    };
    ASSERT_TRUE(mouse.MoveTo(OnScreen(10, 10)));
    mouse.Click();
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,10,10)", "MouseUp(1,0,10,10)", "Click",
                                 "Site.OnInPlaceDeactivate"}));
    EXPECT_GE(lastReleaseInHandler, 1u);  // the control's own handler still held it
    EXPECT_FALSE(object);
    EXPECT_EQ(LibraryCanUnloadNow(), S_OK);  // and let go of it when it returned
}

}  // namespace
}  // namespace flatbutton_test
