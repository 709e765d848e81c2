#pragma once

// A site in front of a container's own, for tests of a control: it writes every call the
// control makes into the call log ("Site.OnFocus(TRUE)") and passes it on, so that the
// control talks to the real site and the test sees what it asked.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <span>
#include <string>

#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"
#include "testing/call_log_win32.h"

namespace testing_support {

class LoggingSite final
    : public runtime::ComObject<LoggingSite, IOleClientSite, IOleInPlaceSite, IOleControlSite> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    // Answers what the site answers; the interfaces this object does not log are the
    // site's own.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;

    // IOleClientSite
    STDMETHODIMP SaveObject() noexcept override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) noexcept override;
    STDMETHODIMP GetContainer(IOleContainer** container) noexcept override;
    STDMETHODIMP ShowObject() noexcept override;
    STDMETHODIMP OnShowWindow(BOOL show) noexcept override;
    STDMETHODIMP RequestNewObjectLayout() noexcept override;

    // IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) noexcept override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) noexcept override;
    STDMETHODIMP CanInPlaceActivate() noexcept override;
    STDMETHODIMP OnInPlaceActivate() noexcept override;
    STDMETHODIMP OnUIActivate() noexcept override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT place, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) noexcept override;
    STDMETHODIMP Scroll(SIZE extent) noexcept override;
    STDMETHODIMP OnUIDeactivate(BOOL undoable) noexcept override;
    STDMETHODIMP OnInPlaceDeactivate() noexcept override;
    STDMETHODIMP DiscardUndoState() noexcept override;
    STDMETHODIMP DeactivateAndUndo() noexcept override;
    STDMETHODIMP OnPosRectChange(LPCRECT place) noexcept override;

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() noexcept override;
    STDMETHODIMP LockInPlaceActive(BOOL lock) noexcept override;
    STDMETHODIMP GetExtendedControl(IDispatch** control) noexcept override;
    STDMETHODIMP TransformCoords(POINTL* himetric, POINTF* container,
                                 DWORD flags) noexcept override;
    STDMETHODIMP TranslateAccelerator(LPMSG message, DWORD modifiers) noexcept override;
    STDMETHODIMP OnFocus(BOOL focus) noexcept override;
    STDMETHODIMP ShowPropertyFrame() noexcept override;

  private:
    friend runtime::ComObjectAccess;
    LoggingSite(CallLog& log, IOleClientSite& site);
    ~LoggingSite() = default;

    // Writes "Site.<call>" and answers what the site's own method answers; E_NOINTERFACE
    // when the site lacks the interface.
    template <typename Interface, typename Call>
    HRESULT Pass(const runtime::ComPtr<Interface>& to, const char* call, Call&& pass) noexcept;

    CallLog& log_;
    runtime::ComPtr<IOleClientSite> site_;
    runtime::ComPtr<IOleInPlaceSite> inPlace_;
    runtime::ComPtr<IOleControlSite> control_;
};

}  // namespace testing_support
