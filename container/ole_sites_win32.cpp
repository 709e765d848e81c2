#include "container/ole_sites_win32.h"

#include "runtime/ascii_text.h"
#include "runtime/com_check_win32.h"

namespace container {

// InPlaceFrame

std::span<const runtime::InterfaceEntry> InPlaceFrame::InterfaceTable() noexcept {
    using runtime::Implements;
    static constexpr runtime::InterfaceEntry kTable[] = {
        Implements<InPlaceFrame, IUnknown, IOleInPlaceFrame>(IID_IUnknown),
        Implements<InPlaceFrame, IOleWindow, IOleInPlaceFrame>(IID_IOleWindow),
        Implements<InPlaceFrame, IOleInPlaceUIWindow, IOleInPlaceFrame>(IID_IOleInPlaceUIWindow),
        Implements<InPlaceFrame, IOleInPlaceFrame>(IID_IOleInPlaceFrame),
    };
    return kTable;
}

STDMETHODIMP InPlaceFrame::GetWindow(HWND* window) noexcept {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = window_;
    return S_OK;
}

// ControlSite

std::span<const runtime::InterfaceEntry> ControlSite::InterfaceTable() noexcept {
    using runtime::Implements;
    static constexpr runtime::InterfaceEntry kTable[] = {
        Implements<ControlSite, IUnknown, IOleClientSite>(IID_IUnknown),
        Implements<ControlSite, IOleClientSite>(IID_IOleClientSite),
        Implements<ControlSite, IOleWindow, IOleInPlaceSite>(IID_IOleWindow),
        Implements<ControlSite, IOleInPlaceSite>(IID_IOleInPlaceSite),
        Implements<ControlSite, IOleControlSite>(IID_IOleControlSite),
        Implements<ControlSite, IDispatch>(IID_IDispatch),
    };
    return kTable;
}

STDMETHODIMP ControlSite::GetContainer(IOleContainer** container) noexcept {
    if (container == nullptr) {
        return E_POINTER;
    }
    *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ControlSite::GetWindow(HWND* window) noexcept {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = window_;
    return S_OK;
}

// A window that is gone has no place for the control: S_FALSE refuses the activation
// ("IOleInPlaceSite::CanInPlaceActivate").
STDMETHODIMP ControlSite::CanInPlaceActivate() noexcept {
    return ::IsWindow(window_) ? S_OK : S_FALSE;
}

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO info) noexcept {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        info == nullptr) {
        return E_POINTER;
    }
    *frame = frame_.clone().detach();
    *document = nullptr;
    *position = place_;
    *clip = place_;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::OnInPlaceDeactivate() noexcept {
    inPlaceObject_ = nullptr;
    return S_OK;
}

STDMETHODIMP ControlSite::OnPosRectChange(LPCRECT position) noexcept {
    if (position == nullptr) {
        return E_POINTER;
    }
    place_ = *position;
    return inPlaceObject_ != nullptr ? inPlaceObject_->SetObjectRects(&place_, &place_) : S_OK;
}

STDMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) noexcept {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*,
                                 VARIANT* result, EXCEPINFO*, UINT*) noexcept {
    if ((flags & DISPATCH_PROPERTYGET) == 0 || result == nullptr) {
        return DISP_E_MEMBERNOTFOUND;
    }
    ::VariantInit(result);
    switch (member) {
        case DISPID_AMBIENT_USERMODE:
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_TRUE;
            return S_OK;
        case DISPID_AMBIENT_UIDEAD:
        case DISPID_AMBIENT_SHOWGRABHANDLES:
        case DISPID_AMBIENT_SHOWHATCHING:
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_FALSE;
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

// PropertyBag

std::span<const runtime::InterfaceEntry> PropertyBag::InterfaceTable() noexcept {
    return runtime::SoleInterfaceTable<PropertyBag, IPropertyBag>(IID_IPropertyBag);
}

STDMETHODIMP PropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) noexcept {
    if (name == nullptr || value == nullptr) {
        return E_POINTER;
    }
    for (const BagEntry& entry : entries_) {
        if (runtime::EqualsIgnoringCase(std::wstring_view(entry.name), std::wstring_view(name))) {
            ::VariantClear(value);
            return ::VariantCopy(value, const_cast<VARIANT*>(&entry.value.get()));
        }
    }
    return E_INVALIDARG;  // not stored: the control takes its default
}

// EventSink

std::span<const runtime::InterfaceEntry> EventSink::InterfaceTable() noexcept {
    return runtime::SoleInterfaceTable<EventSink, IDispatch>(IID_IDispatch);
}

STDMETHODIMP EventSink::QueryInterface(REFIID iid, void** out) noexcept {
    if (out != nullptr && ::IsEqualIID(iid, events_)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return runtime::QueryInterfaceFromTable(this, InterfaceTable(), iid, out);
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) noexcept {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

// An event is a method call; anything else asked of the sink is no event of the control's.
STDMETHODIMP EventSink::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* arguments,
                               VARIANT*, EXCEPINFO*, UINT*) noexcept {
    if (flags != DISPATCH_METHOD) {
        return DISP_E_MEMBERNOTFOUND;
    }
    DISPPARAMS none = {};
    // A handler may close the window and with it the container that advised this sink.
    const runtime::ComPtr<EventSink> hold = runtime::ComPtr<EventSink>::share(this);
    return runtime::GuardComCall([&] {
        handler_(member, arguments != nullptr ? *arguments : none);
        return S_OK;
    });
}

}  // namespace container
