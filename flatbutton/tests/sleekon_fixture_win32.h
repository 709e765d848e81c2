#pragma once

// SleekonControl hosted in a real window by the programs' own container (container/),
// for tests that drive it with real input and read back what it drew. A logging site in
// front of the container's site shows which calls the control makes of it.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "container/hosted_control_win32.h"
#include "container/ole_sites_win32.h"
#include "flatbutton/sleekon_ids_win32.h"
#include "runtime/com_ptr_win32.h"
#include "runtime/variant_win32.h"
#include "testing/call_log_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/logging_bag_win32.h"
#include "testing/logging_site_win32.h"
#include "testing/window_driver_win32.h"

namespace flatbutton_test {

using runtime::ComPtr;
using testing_support::CallLog;
using testing_support::CountOf;
using testing_support::InterfaceName;
using testing_support::LoggingBag;
using testing_support::Mouse;
using testing_support::PumpMessages;
using Calls = std::vector<std::string>;

// The colours the tests paint with.
inline constexpr COLORREF kPictureColour = RGB(200, 0, 0);
inline constexpr COLORREF kPictureEdgeColour = RGB(0, 0, 200);  // first row and column
inline constexpr COLORREF kBackColour = RGB(0, 160, 0);

// A bitmap picture object of the given size in pixels: its first row and column in
// kPictureEdgeColour, the rest in kPictureColour.
ComPtr<IPictureDisp> MakePicture(int width, int height);

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
    static constexpr const wchar_t* kClassName = L"SleekonTestHost";
    std::vector<UINT> keyMessages;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// Writes the property-changed notifications into the log: "OnChanged(0x68030000)".
class NotifyLog final : public runtime::ComObject<NotifyLog, IPropertyNotifySink> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    HRESULT changedResult = S_OK;  // what OnChanged answers
    void (*raise)() = [] {};       // may throw out of OnChanged, as a broken C++ host would

    STDMETHODIMP OnChanged(DISPID property) override;
    STDMETHODIMP OnRequestEdit(DISPID property) noexcept override;

  private:
    friend runtime::ComObjectAccess;
    explicit NotifyLog(CallLog& log) : log_(log) {}
    ~NotifyLog() = default;

    CallLog& log_;
};

// One mouse event's by-reference arguments, which a handler may change.
struct MouseArguments {
    SHORT button;
    SHORT shift;
    float x;
    float y;
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
    // Hosts the created control in the host window at place (client pixels of the host)
    // through the container, with the logging site in front of the container's site, and
    // connects the notifications. The calls the control made while hosted.
    Calls Host(const RECT& place, IPropertyBag* bag = nullptr);
    void CreateAndHost(int width, int height, IPropertyBag* bag = nullptr);
    // A stored bag as the programs give it: kBackColour, and the picture when given.
    static ComPtr<IPropertyBag> Stored(IPictureDisp* picture = nullptr);
    // The container lets go of the control (disconnect, close, no site); then the count
    // that the test's own last Release returned.
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
    HRESULT Put(DISPID property, const runtime::Variant& value, WORD flags = DISPATCH_PROPERTYPUT);
    HRESULT PutPicture(IDispatch* picture, WORD flags = DISPATCH_PROPERTYPUT);
    HRESULT PutEnabled(bool enabled);
    HRESULT PutBackColor(OLE_COLOR colour);
    // Lets go of the control's window's messages until the log stays quiet.
    void Settle();

    // Each event the container hears is written into the log by its name in the control's
    // type library ("Click", "MouseDown(1,0,7,7)"), then handed to its handler, if any.
    std::map<DISPID, std::function<void(MouseArguments&)>> handlers;
    bool logMoves = true;  // MouseMove is frequent; tests may leave it out

    CallLog log;
    HostWindow host;
    ComPtr<container::InPlaceFrame> frame;
    ComPtr<container::ControlSite> site;
    ComPtr<NotifyLog> notify;
    ComPtr<IOleObject> object;
    ComPtr<IDispatch> dispatch;
    ComPtr<IConnectionPoint> notifyPoint;
    DWORD notifyCookie = 0;
    container::HostedControl hosted;
    RECT place = {};

  private:
    void Hear(DISPID event, DISPPARAMS& arguments);
    std::string EventName(DISPID event);

    HANDLE context_ = INVALID_HANDLE_VALUE;
    ComPtr<ITypeInfo> events_;
};

}  // namespace flatbutton_test
