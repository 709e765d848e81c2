#pragma once

// Hosts SleekonControl in a real window the way the programs do, for tests that drive it
// and read back what it drew.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "flatbutton/sleekon_ids_win32.h"
#include "flatbutton/tests/ole_test_objects_win32.h"
#include "runtime/com_ptr_win32.h"

namespace flatbutton_test {

using runtime::ComPtr;

// The colours the tests paint with.
inline constexpr COLORREF kPictureColour = RGB(200, 0, 0);
inline constexpr COLORREF kPictureEdgeColour = RGB(0, 0, 200);  // first row and column
inline constexpr COLORREF kBackColour = RGB(0, 160, 0);
inline constexpr COLORREF kHostColour = RGB(255, 255, 255);

// A bitmap picture object of the given size in pixels: its first row and column in
// kPictureEdgeColour, the rest in kPictureColour.
ComPtr<IPictureDisp> MakePicture(int width, int height);

void PumpMessages();
// Pumps messages until done() holds; false after the timeout.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000);

// The full path of a file beside the test program.
std::wstring BesideThisProgram(const wchar_t* name);

// The control library's own DllCanUnloadNow, or E_FAIL when it is not loaded.
HRESULT LibraryCanUnloadNow();

// The three looks of the button.
enum class Look { Flat, Raised, Pressed };

// What a control of the given size shows: the background, the picture (when it has a
// size) at origin within the clip two pixels inside every edge, and for the raised and
// pressed looks the two-pixel frame: the first colour on the left and top, the second on
// the right and bottom, which is drawn last and so takes the top-right and bottom-left
// corners. Raised is highlight then shadow; pressed the other way round.
std::vector<COLORREF> ExpectedFace(SIZE control, SIZE picture, POINT origin, Look look);
// Every pixel compared; the failure shows both pictures as letters.
::testing::AssertionResult SameFace(const std::vector<COLORREF>& actual,
                                    const std::vector<COLORREF>& expected, int width);

// A top-level window at a known place on the screen that hosts the control and records
// the keyboard messages it receives.
class HostWindow {
  public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return window_; }
    static constexpr POINT kOrigin = {100, 100};
    static constexpr const wchar_t* kClassName = L"SleekonTestHost";
    std::vector<UINT> keyMessages;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// Real mouse input at screen points; every button pressed is released at the end.
class Mouse {
  public:
    Mouse() = default;
    Mouse(const Mouse&) = delete;
    Mouse& operator=(const Mouse&) = delete;
    ~Mouse();

    // Moves the pointer and waits until the window under it has had the move.
    void MoveTo(POINT screen);
    // The pointer away from the host window: where a test starts from, whatever the test
    // before it left (the pointer's position outlives the process).
    void Park() { MoveTo({20, 20}); }
    void Press(DWORD downFlag);
    void Release(DWORD upFlag);
    void Click() {
        Press(MOUSEEVENTF_LEFTDOWN);
        Release(MOUSEEVENTF_LEFTUP);
    }

  private:
    void Send(DWORD flags);
    std::vector<DWORD> held_;
};

class SleekonTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the control as the programs do: through an activation context made from
    // this program's manifest (resource 2, naming Sleekon.ocx beside it), by CLSID.
    void Create();
    // Another instance, through the same activation context.
    HRESULT CreateAnother(REFIID iid, void** out);
    // Hosts the created control in the host window at place (client pixels of the host):
    // client site, load from the bag or InitNew, extent, event and notification sinks,
    // in-place activation, object rectangles. The log is emptied afterwards.
    void Host(const RECT& place, TestBag* bag = nullptr);
    void CreateAndHost(int width, int height, TestBag* bag = nullptr);
    // Close, no site, unadvise, release: the count that the last Release returned.
    ULONG CloseAndRelease();

    HWND Window() const;
    // A pixel of the control's window, read after pending messages were handled.
    COLORREF Pixel(int x, int y);
    // Every pixel of the control's client area, row by row; pumps only when asked.
    std::vector<COLORREF> Snapshot(bool pump = true);
    ::testing::AssertionResult Shows(SIZE picture, POINT origin, Look look) {
        return SameFace(Snapshot(), ExpectedFace(Size(), picture, origin, look), Size().cx);
    }
    SIZE Size() const { return {place.right - place.left, place.bottom - place.top}; }
    POINT OnScreen(int x, int y) const;
    // Through IDispatch: what the accessor returned, also when it came as an exception.
    HRESULT Put(DISPID property, VARIANT value, WORD flags = DISPATCH_PROPERTYPUT);
    HRESULT PutPicture(IDispatch* picture, WORD flags = DISPATCH_PROPERTYPUT);
    HRESULT PutEnabled(bool enabled);
    HRESULT PutBackColor(OLE_COLOR colour);
    // Lets go of the control's window's messages until the log stays quiet.
    void Settle();

    CallLog log;
    HostWindow host;
    ComPtr<TestFrame> frame;
    ComPtr<TestSite> site;
    ComPtr<TestEventSink> sink;
    ComPtr<TestNotifySink> notify;
    ComPtr<IOleObject> object;
    ComPtr<IDispatch> dispatch;
    ComPtr<IConnectionPoint> eventPoint;
    ComPtr<IConnectionPoint> notifyPoint;
    DWORD eventCookie = 0;
    DWORD notifyCookie = 0;
    RECT place = {};

  private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

}  // namespace flatbutton_test
