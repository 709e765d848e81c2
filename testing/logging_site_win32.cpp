#include "testing/logging_site_win32.h"

#include "runtime/com_check_win32.h"

namespace testing_support {

LoggingSite::LoggingSite(CallLog& log, IOleClientSite& site)
    : log_(log), site_(runtime::ComPtr<IOleClientSite>::share(&site)) {
    site_.as(IID_IOleInPlaceSite, inPlace_);
    site_.as(IID_IOleControlSite, control_);
}

std::span<const runtime::InterfaceEntry> LoggingSite::InterfaceTable() noexcept {
    using runtime::Implements;
    static constexpr runtime::InterfaceEntry kTable[] = {
        Implements<LoggingSite, IUnknown, IOleClientSite>(IID_IUnknown),
        Implements<LoggingSite, IOleClientSite>(IID_IOleClientSite),
        Implements<LoggingSite, IOleWindow, IOleInPlaceSite>(IID_IOleWindow),
        Implements<LoggingSite, IOleInPlaceSite>(IID_IOleInPlaceSite),
        Implements<LoggingSite, IOleControlSite>(IID_IOleControlSite),
    };
    return kTable;
}

template <typename Interface, typename Call>
HRESULT LoggingSite::Pass(const runtime::ComPtr<Interface>& to, const char* call,
                          Call&& pass) noexcept {
    return runtime::GuardComCall([&]() -> HRESULT {
        log_.Add(std::string("Site.") + call);
        return to ? pass(*to.get()) : E_NOINTERFACE;
    });
}

STDMETHODIMP LoggingSite::QueryInterface(REFIID iid, void** out) noexcept {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    const HRESULT logged = runtime::GuardComCall([&] {
        log_.Add("Site.QI(" + InterfaceName(iid) + ")");
        return S_OK;
    });
    runtime::ComPtr<IUnknown> answered;
    SUITE_RETURN_IF_FAILED(logged);
    SUITE_RETURN_IF_FAILED(site_->QueryInterface(iid, answered.putVoid()));
    if (SUCCEEDED(ComObject::QueryInterface(iid, out))) {
        return S_OK;
    }
    *out = answered.detach();
    return S_OK;
}

// IOleClientSite

STDMETHODIMP LoggingSite::SaveObject() noexcept {
    return Pass(site_, "SaveObject", [](IOleClientSite& site) { return site.SaveObject(); });
}

STDMETHODIMP LoggingSite::GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) noexcept {
    return Pass(site_, "GetMoniker",
                [&](IOleClientSite& site) { return site.GetMoniker(assign, which, moniker); });
}

STDMETHODIMP LoggingSite::GetContainer(IOleContainer** container) noexcept {
    return Pass(site_, "GetContainer",
                [&](IOleClientSite& site) { return site.GetContainer(container); });
}

STDMETHODIMP LoggingSite::ShowObject() noexcept {
    return Pass(site_, "ShowObject", [](IOleClientSite& site) { return site.ShowObject(); });
}

STDMETHODIMP LoggingSite::OnShowWindow(BOOL show) noexcept {
    return Pass(site_, "OnShowWindow",
                [&](IOleClientSite& site) { return site.OnShowWindow(show); });
}

STDMETHODIMP LoggingSite::RequestNewObjectLayout() noexcept {
    return Pass(site_, "RequestNewObjectLayout",
                [](IOleClientSite& site) { return site.RequestNewObjectLayout(); });
}

// IOleInPlaceSite

STDMETHODIMP LoggingSite::GetWindow(HWND* window) noexcept {
    return Pass(inPlace_, "GetWindow",
                [&](IOleInPlaceSite& site) { return site.GetWindow(window); });
}

STDMETHODIMP LoggingSite::ContextSensitiveHelp(BOOL enter) noexcept {
    return Pass(inPlace_, "ContextSensitiveHelp",
                [&](IOleInPlaceSite& site) { return site.ContextSensitiveHelp(enter); });
}

STDMETHODIMP LoggingSite::CanInPlaceActivate() noexcept {
    return Pass(inPlace_, "CanInPlaceActivate",
                [](IOleInPlaceSite& site) { return site.CanInPlaceActivate(); });
}

STDMETHODIMP LoggingSite::OnInPlaceActivate() noexcept {
    return Pass(inPlace_, "OnInPlaceActivate",
                [](IOleInPlaceSite& site) { return site.OnInPlaceActivate(); });
}

STDMETHODIMP LoggingSite::OnUIActivate() noexcept {
    return Pass(inPlace_, "OnUIActivate",
                [](IOleInPlaceSite& site) { return site.OnUIActivate(); });
}

STDMETHODIMP LoggingSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT place, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO info) noexcept {
    return Pass(inPlace_, "GetWindowContext", [&](IOleInPlaceSite& site) {
        return site.GetWindowContext(frame, document, place, clip, info);
    });
}

STDMETHODIMP LoggingSite::Scroll(SIZE extent) noexcept {
    return Pass(inPlace_, "Scroll", [&](IOleInPlaceSite& site) { return site.Scroll(extent); });
}

STDMETHODIMP LoggingSite::OnUIDeactivate(BOOL undoable) noexcept {
    return Pass(inPlace_, "OnUIDeactivate",
                [&](IOleInPlaceSite& site) { return site.OnUIDeactivate(undoable); });
}

STDMETHODIMP LoggingSite::OnInPlaceDeactivate() noexcept {
    return Pass(inPlace_, "OnInPlaceDeactivate",
                [](IOleInPlaceSite& site) { return site.OnInPlaceDeactivate(); });
}

STDMETHODIMP LoggingSite::DiscardUndoState() noexcept {
    return Pass(inPlace_, "DiscardUndoState",
                [](IOleInPlaceSite& site) { return site.DiscardUndoState(); });
}

STDMETHODIMP LoggingSite::DeactivateAndUndo() noexcept {
    return Pass(inPlace_, "DeactivateAndUndo",
                [](IOleInPlaceSite& site) { return site.DeactivateAndUndo(); });
}

STDMETHODIMP LoggingSite::OnPosRectChange(LPCRECT place) noexcept {
    return Pass(inPlace_, "OnPosRectChange",
                [&](IOleInPlaceSite& site) { return site.OnPosRectChange(place); });
}

// IOleControlSite

STDMETHODIMP LoggingSite::OnControlInfoChanged() noexcept {
    return Pass(control_, "OnControlInfoChanged",
                [](IOleControlSite& site) { return site.OnControlInfoChanged(); });
}

STDMETHODIMP LoggingSite::LockInPlaceActive(BOOL lock) noexcept {
    return Pass(control_, "LockInPlaceActive",
                [&](IOleControlSite& site) { return site.LockInPlaceActive(lock); });
}

STDMETHODIMP LoggingSite::GetExtendedControl(IDispatch** control) noexcept {
    return Pass(control_, "GetExtendedControl",
                [&](IOleControlSite& site) { return site.GetExtendedControl(control); });
}

STDMETHODIMP LoggingSite::TransformCoords(POINTL* himetric, POINTF* container,
                                          DWORD flags) noexcept {
    return Pass(control_, "TransformCoords", [&](IOleControlSite& site) {
        return site.TransformCoords(himetric, container, flags);
    });
}

STDMETHODIMP LoggingSite::TranslateAccelerator(LPMSG message, DWORD modifiers) noexcept {
    return Pass(control_, "TranslateAccelerator", [&](IOleControlSite& site) {
        return site.TranslateAccelerator(message, modifiers);
    });
}

STDMETHODIMP LoggingSite::OnFocus(BOOL focus) noexcept {
    return Pass(control_, focus ? "OnFocus(TRUE)" : "OnFocus(FALSE)",
                [&](IOleControlSite& site) { return site.OnFocus(focus); });
}

STDMETHODIMP LoggingSite::ShowPropertyFrame() noexcept {
    return Pass(control_, "ShowPropertyFrame",
                [](IOleControlSite& site) { return site.ShowPropertyFrame(); });
}

}  // namespace testing_support
