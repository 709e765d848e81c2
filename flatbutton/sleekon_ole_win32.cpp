// The control's OLE embedding: IOleObject, in-place activation, IOleControl and the view.
#include <windows.h>
#include <ole2.h>

#include "flatbutton/sleekon_control_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace flatbutton {

// IOleObject

STDMETHODIMP SleekonControl::SetClientSite(IOleClientSite* site) noexcept {
    site_ = runtime::ComPtr<IOleClientSite>::share(site);
    return S_OK;
}

STDMETHODIMP SleekonControl::GetClientSite(IOleClientSite** site) noexcept {
    return site_.copyTo(site);
}

STDMETHODIMP SleekonControl::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::Close(DWORD saveOption) noexcept {
    const Hold hold(*this);
    if ((saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE) && dirty_ &&
        site_) {
        SUITE_RETURN_IF_FAILED(site_->SaveObject());
    }
    SUITE_RETURN_IF_FAILED(InPlaceDeactivate());
    if (adviseHolder_) {
        adviseHolder_->SendOnClose();
    }
    return S_OK;
}

STDMETHODIMP SleekonControl::SetMoniker(DWORD, IMoniker*) noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
    if (moniker != nullptr) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::InitFromData(IDataObject*, BOOL, DWORD) noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::GetClipboardData(DWORD, IDataObject** data) noexcept {
    if (data != nullptr) {
        *data = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                                    LPCRECT) noexcept {
    const Hold hold(*this);
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE:
            return InPlaceActivate(activeSite);
        case OLEIVERB_HIDE:
            if (SurfaceWindow() != nullptr) {
                ::ShowWindow(SurfaceWindow(), SW_HIDE);
            }
            return S_OK;
        default:
            if (verb > 0) {
                // An unknown positive verb counts as the primary one.
                const HRESULT result = InPlaceActivate(activeSite);
                return FAILED(result) ? result : OLEOBJ_S_INVALIDVERB;
            }
            return E_NOTIMPL;
    }
}

HRESULT SleekonControl::InPlaceActivate(IOleClientSite* activeSite) noexcept {
    if (SurfaceWindow() != nullptr) {
        ::ShowWindow(SurfaceWindow(), SW_SHOWNA);
        return S_OK;
    }
    IOleClientSite* const site = activeSite != nullptr ? activeSite : site_.get();
    if (site == nullptr) {
        return E_UNEXPECTED;
    }
    runtime::ComPtr<IOleInPlaceSite> inPlaceSite;
    SUITE_RETURN_IF_FAILED(site->QueryInterface(IID_IOleInPlaceSite, inPlaceSite.putVoid()));
    const HRESULT allowed = inPlaceSite->CanInPlaceActivate();
    SUITE_RETURN_IF_FAILED(allowed);
    if (allowed != S_OK) {
        return E_FAIL;  // the container keeps the control inactive
    }
    SUITE_RETURN_IF_FAILED(inPlaceSite->OnInPlaceActivate());
    // From here on the site hears of the deactivation whatever fails.
    const auto fail = [&inPlaceSite](HRESULT result) {
        inPlaceSite->OnInPlaceDeactivate();
        return result;
    };
    HWND parent = nullptr;
    if (const HRESULT result = inPlaceSite->GetWindow(&parent); FAILED(result)) {
        return fail(result);
    }
    runtime::ComPtr<IOleInPlaceFrame> frame;
    runtime::ComPtr<IOleInPlaceUIWindow> document;
    RECT place = {};
    RECT clip = {};
    OLEINPLACEFRAMEINFO frameInfo = {};
    frameInfo.cb = sizeof(frameInfo);
    if (const HRESULT result =
            inPlaceSite->GetWindowContext(frame.put(), document.put(), &place, &clip, &frameInfo);
        FAILED(result)) {
        return fail(result);
    }
    if (!window_.Create(parent, place, enabled_)) {
        return fail(runtime::LastErrorResult());
    }
    inPlaceSite_ = std::move(inPlaceSite);
    return SetObjectRects(&place, &clip);
}

STDMETHODIMP SleekonControl::EnumVerbs(IEnumOLEVERB** verbs) noexcept {
    if (verbs != nullptr) {
        *verbs = nullptr;
    }
    return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP SleekonControl::Update() noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::IsUpToDate() noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::GetUserClassID(CLSID* classId) noexcept {
    if (classId == nullptr) {
        return E_POINTER;
    }
    *classId = CLSID_SleekonControl;
    return S_OK;
}

STDMETHODIMP SleekonControl::GetUserType(DWORD, LPOLESTR* userType) noexcept {
    if (userType != nullptr) {
        *userType = nullptr;
    }
    return OLE_S_USEREG;
}

STDMETHODIMP SleekonControl::SetExtent(DWORD aspect, SIZEL* size) noexcept {
    if (aspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    if (size == nullptr) {
        return E_POINTER;
    }
    extent_ = *size;
    return S_OK;
}

STDMETHODIMP SleekonControl::GetExtent(DWORD aspect, SIZEL* size) noexcept {
    if (size == nullptr) {
        return E_POINTER;
    }
    if (aspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    *size = extent_;
    return S_OK;
}

STDMETHODIMP SleekonControl::Advise(IAdviseSink* sink, DWORD* connection) noexcept {
    if (connection == nullptr) {
        return E_POINTER;
    }
    *connection = 0;
    if (!adviseHolder_) {
        SUITE_RETURN_IF_FAILED(::CreateOleAdviseHolder(adviseHolder_.put()));
    }
    return adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP SleekonControl::Unadvise(DWORD connection) noexcept {
    if (!adviseHolder_) {
        return OLE_E_NOCONNECTION;
    }
    return adviseHolder_->Unadvise(connection);
}

STDMETHODIMP SleekonControl::EnumAdvise(IEnumSTATDATA** advises) noexcept {
    if (advises == nullptr) {
        return E_POINTER;
    }
    *advises = nullptr;
    if (!adviseHolder_) {
        return S_OK;  // nobody advised: no enumerator
    }
    return adviseHolder_->EnumAdvise(advises);
}

STDMETHODIMP SleekonControl::GetMiscStatus(DWORD aspect, DWORD* status) noexcept {
    if (status == nullptr) {
        return E_POINTER;
    }
    *status = aspect == DVASPECT_CONTENT ? flatbutton::kMiscStatus : 0;
    return S_OK;
}

STDMETHODIMP SleekonControl::SetColorScheme(LOGPALETTE*) noexcept {
    return E_NOTIMPL;
}

// IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject

STDMETHODIMP SleekonControl::GetWindow(HWND* window) noexcept {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = SurfaceWindow();
    return *window != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP SleekonControl::ContextSensitiveHelp(BOOL) noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::InPlaceDeactivate() noexcept {
    if (!inPlaceSite_) {
        return S_OK;
    }
    const Hold hold(*this);
    window_.Destroy();  // gone already when the host closed its window first
    m_Pressed = false;
    const runtime::ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
    return site->OnInPlaceDeactivate();
}

STDMETHODIMP SleekonControl::UIDeactivate() noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::SetObjectRects(LPCRECT place, LPCRECT clip) noexcept {
    if (place == nullptr) {
        return E_POINTER;
    }
    const HWND window = SurfaceWindow();
    if (window == nullptr) {
        return S_OK;
    }
    const Hold hold(*this);
    ::SetWindowPos(window, nullptr, place->left, place->top, place->right - place->left,
                   place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The part of the control outside the container's clip rectangle is not shown.
    RECT visible = {};
    if (clip != nullptr && ::IntersectRect(&visible, place, clip) &&
        !::EqualRect(&visible, place)) {
        ::OffsetRect(&visible, -place->left, -place->top);
        runtime::UniqueRegion region(::CreateRectRgnIndirect(&visible));
        if (::SetWindowRgn(window, region.get(), TRUE) != 0) {
            region.release();  // the window's from now on
        }
    } else {
        ::SetWindowRgn(window, nullptr, TRUE);
    }
    return S_OK;
}

STDMETHODIMP SleekonControl::ReactivateAndUndo() noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::TranslateAccelerator(LPMSG) noexcept {
    return S_FALSE;  // no accelerators of its own: every key is the host's
}

STDMETHODIMP SleekonControl::OnFrameWindowActivate(BOOL) noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::OnDocWindowActivate(BOOL) noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::EnableModeless(BOOL) noexcept {
    return S_OK;
}

// IOleControl

STDMETHODIMP SleekonControl::GetControlInfo(CONTROLINFO* info) noexcept {
    if (info == nullptr) {
        return E_POINTER;
    }
    info->cb = sizeof(*info);
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP SleekonControl::OnMnemonic(MSG*) noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::OnAmbientPropertyChange(DISPID) noexcept {
    return S_OK;
}

STDMETHODIMP SleekonControl::FreezeEvents(BOOL freeze) noexcept {
    if (freeze) {
        ++freezeCount_;
    } else if (freezeCount_ > 0) {
        --freezeCount_;
    }
    return S_OK;
}

// IViewObject2: the flat face for a container that draws the control itself.

STDMETHODIMP SleekonControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                                  LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                  ULONG_PTR) noexcept {
    if (aspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    if (dc == nullptr || bounds == nullptr) {
        return E_INVALIDARG;
    }
    const Hold hold(*this);
    const int width = bounds->right - bounds->left;
    const int height = bounds->bottom - bounds->top;
    if (width <= 0 || height <= 0) {
        return S_OK;
    }
    // Drawn off the screen at the bounds' size and copied, so that the face's clip region
    // is in the memory DC's own pixels whatever the target's mapping.
    const runtime::WindowDc screen(nullptr);
    const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    const runtime::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    if (!memory || !bitmap) {
        return E_OUTOFMEMORY;
    }
    const runtime::SelectedObject selected(memory.get(), bitmap.get());
    // The face at rest, whatever look the surface shows now.
    SUITE_RETURN_IF_FAILED(PaintFace(memory.get(), FaceState(Look::Flat), {0, 0, width, height}));
    if (!::BitBlt(dc, bounds->left, bounds->top, width, height, memory.get(), 0, 0, SRCCOPY)) {
        return E_FAIL;
    }
    return S_OK;
}

STDMETHODIMP SleekonControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                         LOGPALETTE** colours) noexcept {
    if (colours == nullptr) {
        return E_POINTER;
    }
    *colours = nullptr;
    return S_FALSE;  // no particular palette
}

STDMETHODIMP SleekonControl::Freeze(DWORD, LONG, void*, DWORD* freeze) noexcept {
    if (freeze != nullptr) {
        *freeze = 0;
    }
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::Unfreeze(DWORD) noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP SleekonControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept {
    viewSink_ = runtime::ComPtr<IAdviseSink>::share(sink);
    viewAspects_ = aspects;
    viewFlags_ = flags;
    return S_OK;
}

STDMETHODIMP SleekonControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept {
    if (aspects != nullptr) {
        *aspects = viewAspects_;
    }
    if (flags != nullptr) {
        *flags = viewFlags_;
    }
    return sink != nullptr ? viewSink_.copyTo(sink) : S_OK;
}

STDMETHODIMP SleekonControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) noexcept {
    return GetExtent(aspect, size);
}

}  // namespace flatbutton
