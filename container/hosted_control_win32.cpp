#include "container/hosted_control_win32.h"

#include <string>
#include <utility>

#include "runtime/com_check_win32.h"

namespace container {

using runtime::ComPtr;

HostedControl::HostedControl(HostedControl&& other) noexcept
    : object_(std::move(other.object_)),
      dispatch_(std::move(other.dispatch_)),
      events_(std::move(other.events_)),
      cookie_(std::exchange(other.cookie_, 0)) {}

HRESULT HostedControl::Create(const CLSID& classId) {
    return ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              object_.putVoid());
}

HRESULT HostedControl::Create(std::wstring_view classId, std::wstring_view progId) {
    CLSID found;
    HRESULT result = ::CLSIDFromString(std::wstring(classId).c_str(), &found);
    if (SUCCEEDED(result)) {
        result = Create(found);
    }
    if (FAILED(result) && !progId.empty() &&
        SUCCEEDED(::CLSIDFromProgID(std::wstring(progId).c_str(), &found))) {
        result = Create(found);
    }
    return result;
}

HRESULT HostedControl::Activate(ControlSite& site, IPropertyBag* bag, SIZEL extent,
                                EventSink::Handler onEvent, IOleClientSite* front) {
    IOleClientSite* const given = front != nullptr ? front : &site;
    RECT place = site.place();
    SUITE_RETURN_IF_FAILED(object_->SetClientSite(given));
    SUITE_RETURN_IF_FAILED(Load(bag));
    object_->SetExtent(DVASPECT_CONTENT, &extent);
    SUITE_RETURN_IF_FAILED(Advise(std::move(onEvent)));
    SUITE_RETURN_IF_FAILED(
        object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, given, 0, site.window(), &place));
    if (ComPtr<IOleInPlaceObject> inPlace; SUCCEEDED(object_.as(IID_IOleInPlaceObject, inPlace))) {
        site.Attach(inPlace.get());
        inPlace->SetObjectRects(&place, &place);
    }
    return object_.as(IID_IDispatch, dispatch_);
}

HRESULT HostedControl::Put(DISPID property, const VARIANT& value) {
    if (!dispatch_) {
        return E_UNEXPECTED;
    }
    VARIANT argument = value;  // read, not owned, by the call
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&argument, &named, 1, 1};
    return dispatch_->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                             &parameters, nullptr, nullptr, nullptr);
}

void HostedControl::Close() noexcept {
    if (events_ && cookie_ != 0) {
        events_->Unadvise(cookie_);
    }
    events_.reset();
    cookie_ = 0;
    dispatch_.reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    object_.reset();
}

HRESULT HostedControl::Load(IPropertyBag* bag) {
    if (ComPtr<IPersistPropertyBag> persist;
        bag != nullptr && SUCCEEDED(object_.as(IID_IPersistPropertyBag, persist))) {
        return persist->Load(bag, nullptr);
    }
    if (ComPtr<IPersistStreamInit> fresh; SUCCEEDED(object_.as(IID_IPersistStreamInit, fresh))) {
        return fresh->InitNew();
    }
    return S_OK;
}

// The container learns the control's event interface from the control itself.
HRESULT HostedControl::Advise(EventSink::Handler onEvent) {
    ComPtr<IProvideClassInfo2> classInfo;
    ComPtr<IConnectionPointContainer> points;
    IID events;
    SUITE_RETURN_IF_FAILED(object_.as(IID_IProvideClassInfo2, classInfo));
    SUITE_RETURN_IF_FAILED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
    SUITE_RETURN_IF_FAILED(object_.as(IID_IConnectionPointContainer, points));
    SUITE_RETURN_IF_FAILED(points->FindConnectionPoint(events, events_.put()));
    const ComPtr<EventSink> sink = runtime::MakeComObject<EventSink>(events, std::move(onEvent));
    return sink ? events_->Advise(sink.get(), &cookie_) : E_OUTOFMEMORY;
}

}  // namespace container
