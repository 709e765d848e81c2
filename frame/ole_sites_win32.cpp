#include "frame/ole_sites_win32.h"

#include <string>

#include "runtime/ascii_text.h"
#include "runtime/bitmap_picture_win32.h"
#include "runtime/com_check_win32.h"

namespace frame {

namespace {

bool SameNameIgnoringCase(const std::string& stored, LPCOLESTR asked) {
    return runtime::EqualsIgnoringCase(std::wstring_view(asked), stored);
}

}  // namespace

HRESULT LoadBitmapPicture(const std::string& name, IPictureDisp** picture) {
    return runtime::LoadBitmapPicture(::GetModuleHandleW(nullptr),
                                      runtime::WidenAscii(name).c_str(), picture);
}

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

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO info) noexcept {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        info == nullptr) {
        return E_POINTER;
    }
    *frame = frame_.get();
    frame_->AddRef();
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

// LayoutPropertyBag

std::span<const runtime::InterfaceEntry> LayoutPropertyBag::InterfaceTable() noexcept {
    using runtime::Implements;
    static constexpr runtime::InterfaceEntry kTable[] = {
        Implements<LayoutPropertyBag, IUnknown, IPropertyBag>(IID_IUnknown),
        Implements<LayoutPropertyBag, IPropertyBag>(IID_IPropertyBag),
    };
    return kTable;
}

STDMETHODIMP LayoutPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) noexcept {
    if (name == nullptr || value == nullptr) {
        return E_POINTER;
    }
    return runtime::GuardComCall([&]() -> HRESULT {
        for (const BagEntry& entry : entries_) {
            if (!SameNameIgnoringCase(entry.name, name)) {
                continue;
            }
            ::VariantClear(value);
            switch (entry.type) {
                case BagEntry::Type::I4:
                    value->vt = VT_I4;
                    value->lVal = entry.number;
                    return S_OK;
                case BagEntry::Type::Bool:
                    value->vt = VT_BOOL;
                    value->boolVal = entry.number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
                    return S_OK;
                case BagEntry::Type::String: {
                    value->vt = VT_BSTR;
                    value->bstrVal = ::SysAllocString(runtime::WidenAscii(entry.text).c_str());
                    return value->bstrVal != nullptr ? S_OK : E_OUTOFMEMORY;
                }
                case BagEntry::Type::Bitmap: {
                    IPictureDisp* picture = nullptr;
                    SUITE_RETURN_IF_FAILED(LoadBitmapPicture(entry.text, &picture));
                    value->vt = VT_DISPATCH;
                    value->pdispVal = picture;
                    return S_OK;
                }
            }
        }
        return E_INVALIDARG;  // not stored: the control takes its default
    });
}

// ControlEventSink

std::span<const runtime::InterfaceEntry> ControlEventSink::InterfaceTable() noexcept {
    using runtime::Implements;
    static constexpr runtime::InterfaceEntry kTable[] = {
        Implements<ControlEventSink, IUnknown, IDispatch>(IID_IUnknown),
        Implements<ControlEventSink, IDispatch>(IID_IDispatch),
    };
    return kTable;
}

STDMETHODIMP ControlEventSink::QueryInterface(REFIID iid, void** out) noexcept {
    if (out != nullptr && ::IsEqualIID(iid, events_)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return runtime::QueryInterfaceFromTable(this, InterfaceTable(), iid, out);
}

STDMETHODIMP ControlEventSink::GetTypeInfoCount(UINT* count) noexcept {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP ControlEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                      EXCEPINFO*, UINT*) noexcept {
    // A handler may close the window and with it the container that advised this sink.
    const runtime::ComPtr<ControlEventSink> hold = runtime::ComPtr<ControlEventSink>::share(this);
    return runtime::GuardComCall([&] {
        handler_(member);
        return S_OK;
    });
}

}  // namespace frame
