#include "flatbutton/sleekon_control_win32.h"

#include "flatbutton/sleekon_module_win32.h"
#include "runtime/com_check_win32.h"

namespace flatbutton {

namespace {

// Default size of a new control, 32 x 32 pixels at 96 dots per inch, in HIMETRIC.
constexpr LONG kDefaultExtentHimetric = 847;

}  // namespace

SleekonControl::SleekonControl() noexcept
    : extent_{kDefaultExtentHimetric, kDefaultExtentHimetric},
      eventPoint_(*this, DIID___SleekonControl, IID_IDispatch),
      notifyPoint_(*this, IID_IPropertyNotifySink, IID_NULL),
      window_(*this) {}

// The window goes first, being the last member, and unbound before it is destroyed; only
// then do the connection points let go of their sinks.
SleekonControl::~SleekonControl() = default;

HRESULT SleekonControl::Create(REFIID iid, void** out) noexcept {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    auto control = runtime::MakeComObject<SleekonControl>();
    if (!control) {
        return E_OUTOFMEMORY;
    }
    return control->QueryInterface(iid, out);
}

std::span<const runtime::InterfaceEntry> SleekonControl::InterfaceTable() noexcept {
    using runtime::Implements;
    using C = SleekonControl;
    static const runtime::InterfaceEntry table[] = {
        Implements<C, IUnknown, IOleObject>(IID_IUnknown),
        Implements<C, _SleekonControl>(IID__SleekonControl),
        Implements<C, IDispatch, _SleekonControl>(IID_IDispatch),
        Implements<C, IOleObject>(IID_IOleObject),
        Implements<C, IOleWindow, IOleInPlaceObject>(IID_IOleWindow),
        Implements<C, IOleInPlaceObject>(IID_IOleInPlaceObject),
        Implements<C, IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject),
        Implements<C, IOleControl>(IID_IOleControl),
        Implements<C, IViewObject, IViewObject2>(IID_IViewObject),
        Implements<C, IViewObject2>(IID_IViewObject2),
        Implements<C, IPersist, IPersistPropertyBag>(IID_IPersist),
        Implements<C, IPersistPropertyBag>(IID_IPersistPropertyBag),
        Implements<C, IPersistStreamInit>(IID_IPersistStreamInit),
        Implements<C, IProvideClassInfo, IProvideClassInfo2>(IID_IProvideClassInfo),
        Implements<C, IProvideClassInfo2>(IID_IProvideClassInfo2),
        Implements<C, IConnectionPointContainer>(IID_IConnectionPointContainer),
    };
    return table;
}

// IDispatch

HRESULT SleekonControl::DispatchTypeInfo(ITypeInfo** info) noexcept {
    if (!typeInfo_) {
        runtime::ComPtr<ITypeLib> library;
        SUITE_RETURN_IF_FAILED(LoadOwnTypeLib(library.put()));
        SUITE_RETURN_IF_FAILED(library->GetTypeInfoOfGuid(IID__SleekonControl, typeInfo_.put()));
    }
    return typeInfo_.copyTo(info);
}

STDMETHODIMP SleekonControl::GetTypeInfoCount(UINT* count) noexcept {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 1;
    return S_OK;
}

STDMETHODIMP SleekonControl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
    if (info == nullptr) {
        return E_POINTER;
    }
    *info = nullptr;
    if (index != 0) {
        return DISP_E_BADINDEX;
    }
    return DispatchTypeInfo(info);
}

STDMETHODIMP SleekonControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                           DISPID* ids) noexcept {
    if (!::IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    runtime::ComPtr<ITypeInfo> info;
    SUITE_RETURN_IF_FAILED(DispatchTypeInfo(info.put()));
    return ::DispGetIDsOfNames(info.get(), names, count, ids);
}

STDMETHODIMP SleekonControl::Invoke(DISPID member, REFIID iid, LCID, WORD flags,
                                    DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                    UINT* argumentError) noexcept {
    if (!::IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    const Hold hold(*this);
    runtime::ComPtr<ITypeInfo> info;
    SUITE_RETURN_IF_FAILED(DispatchTypeInfo(info.put()));
    return info->Invoke(static_cast<_SleekonControl*>(this), member, flags, parameters, result,
                        exception, argumentError);
}

// _SleekonControl

STDMETHODIMP SleekonControl::get_BackColor(OLE_COLOR* value) noexcept {
    if (value == nullptr) {
        return E_POINTER;
    }
    *value = backColor_;
    return S_OK;
}

STDMETHODIMP SleekonControl::put_BackColor(OLE_COLOR New_BackColor) noexcept {
    const Hold hold(*this);
    SUITE_RETURN_IF_FAILED(SetSurfaceBackColor(New_BackColor));
    SUITE_RETURN_IF_FAILED(NotifyPropertyChanged(flatbutton::kDispidBackColor));
    return Refresh();
}

STDMETHODIMP SleekonControl::get_Enabled(VARIANT_BOOL* value) noexcept {
    if (value == nullptr) {
        return E_POINTER;
    }
    *value = enabled_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP SleekonControl::put_Enabled(VARIANT_BOOL New_Enabled) noexcept {
    const Hold hold(*this);
    SetSurfaceEnabled(New_Enabled != VARIANT_FALSE);
    SUITE_RETURN_IF_FAILED(NotifyPropertyChanged(flatbutton::kDispidEnabled));
    return Refresh();
}

STDMETHODIMP SleekonControl::get_Picture(IPictureDisp** value) noexcept {
    return m_Picture.copyTo(value);
}

HRESULT SleekonControl::SetPicture(IPictureDisp* picture) noexcept {
    const Hold hold(*this);
    runtime::ComPtr<IPictureDisp> shared;
    if (picture != nullptr && FAILED(picture->QueryInterface(IID_IPictureDisp, shared.putVoid()))) {
        return DISP_E_TYPEMISMATCH;  // not a picture object
    }
    m_Picture = std::move(shared);
    SUITE_RETURN_IF_FAILED(NotifyPropertyChanged(flatbutton::kDispidPicture));
    return Refresh();
}

STDMETHODIMP SleekonControl::putref_Picture(IPictureDisp* New_Picture) noexcept {
    return SetPicture(New_Picture);
}

STDMETHODIMP SleekonControl::put_Picture(IPictureDisp* New_Picture) noexcept {
    return SetPicture(New_Picture);
}

HRESULT SleekonControl::NotifyPropertyChanged(DISPID property) noexcept {
    dirty_ = true;
    if (viewSink_) {
        viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
    }
    return runtime::GuardComCall([&] {
        for (const runtime::ComPtr<IUnknown>& sink : notifyPoint_.Sinks()) {
            SUITE_RETURN_IF_FAILED(
                static_cast<IPropertyNotifySink*>(sink.get())->OnChanged(property));
        }
        return S_OK;
    });
}

// IProvideClassInfo2

STDMETHODIMP SleekonControl::GetClassInfo(ITypeInfo** info) noexcept {
    if (info == nullptr) {
        return E_POINTER;
    }
    *info = nullptr;
    runtime::ComPtr<ITypeLib> library;
    SUITE_RETURN_IF_FAILED(LoadOwnTypeLib(library.put()));
    return library->GetTypeInfoOfGuid(CLSID_SleekonControl, info);
}

STDMETHODIMP SleekonControl::GetGUID(DWORD kind, GUID* guid) noexcept {
    if (guid == nullptr) {
        return E_POINTER;
    }
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID___SleekonControl;
    return S_OK;
}

// IConnectionPointContainer

STDMETHODIMP SleekonControl::EnumConnectionPoints(IEnumConnectionPoints** points) noexcept {
    ConnectionPoint* const all[] = {&eventPoint_, &notifyPoint_};
    return EnumeratePoints(all, points);
}

STDMETHODIMP SleekonControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept {
    if (point == nullptr) {
        return E_POINTER;
    }
    *point = nullptr;
    for (ConnectionPoint* candidate : {&eventPoint_, &notifyPoint_}) {
        if (::IsEqualIID(iid, candidate->iid())) {
            candidate->AddRef();
            *point = candidate;
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

}  // namespace flatbutton
