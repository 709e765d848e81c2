#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "container/hosted_control_win32.h"
#include "container/ole_sites_win32.h"
#include "runtime/com_ptr_win32.h"

namespace container {

// One control as a window's stored layout gives it.
struct ControlSpec {
    std::string name;
    std::wstring classId;  // "{...}"
    std::wstring progId;   // tried when the class identifier creates nothing; may be empty
    RECT place = {};       // in the window's client pixels
    // Its stored properties; "_extentx" and "_extenty" (HIMETRIC), where stored, are its
    // extent, else the place's size at the screen's resolution is.
    std::vector<BagEntry> bag;
};

// The controls of one window, each known by its name. Controls are let go in the order
// they were hosted.
class ControlSet {
  public:
    using EventHandler =
        std::function<void(std::string_view control, DISPID event, DISPPARAMS& arguments)>;

    ControlSet(HWND window, EventHandler onEvent);

    // Creates the control, loads it from its bag and activates it at its place; its events
    // go to the set's handler with its name. A control that fails is let go at once.
    HRESULT Host(ControlSpec spec);
    // Sets a property of the named control; DISP_E_MEMBERNOTFOUND when there is none.
    HRESULT Put(std::string_view control, DISPID property, const VARIANT& value);
    // Moves the named control to place, its extent that place's size on a surface of
    // dotsPerInch (a window on a monitor of another scaling).
    HRESULT Move(std::string_view control, const RECT& place, int dotsPerInch);

  private:
    struct Named {
        std::string name;
        runtime::ComPtr<ControlSite> site;
        HostedControl control;
    };

    Named* Find(std::string_view control);

    HWND window_;
    EventHandler onEvent_;
    runtime::ComPtr<InPlaceFrame> frame_;
    std::vector<Named> controls_;
};

}  // namespace container
