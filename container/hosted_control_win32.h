#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <string_view>

#include "container/ole_sites_win32.h"
#include "runtime/com_ptr_win32.h"

namespace container {

// One control in a window: created, then activated at its site. Whatever step of its
// set-up failed, Close (and the end of its life) leaves it disconnected from its event
// sink, closed and without its site, in that order.
class HostedControl {
  public:
    HostedControl() = default;
    HostedControl(HostedControl&& other) noexcept;
    HostedControl& operator=(HostedControl&&) = delete;
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;
    ~HostedControl() { Close(); }

    // By class identifier, or by ProgID ("Library.Class") when that creates nothing.
    HRESULT Create(const CLSID& classId);
    HRESULT Create(std::wstring_view classId, std::wstring_view progId);
    // A control created elsewhere.
    void Adopt(runtime::ComPtr<IOleObject> object) { object_ = std::move(object); }

    // Sites the created control, loads it from bag (as a new one without a bag), gives it
    // its extent in HIMETRIC, connects its events to onEvent and in-place activates it at
    // the site's place. The control is handed `front` as its site when given: an object
    // that passes every call on to the site, such as a test's call log.
    HRESULT Activate(ControlSite& site, IPropertyBag* bag, SIZEL extent, EventSink::Handler onEvent,
                     IOleClientSite* front = nullptr);

    // Sets a property through the control's IDispatch.
    HRESULT Put(DISPID property, const VARIANT& value);

    IOleObject* object() const { return object_.get(); }
    void Close() noexcept;

  private:
    HRESULT Load(IPropertyBag* bag);
    HRESULT Advise(EventSink::Handler onEvent);

    runtime::ComPtr<IOleObject> object_;
    runtime::ComPtr<IDispatch> dispatch_;
    runtime::ComPtr<IConnectionPoint> events_;
    DWORD cookie_ = 0;
};

}  // namespace container
