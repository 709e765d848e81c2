#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"
#include "runtime/variant_win32.h"

namespace container {

// The COM objects of the container, made with runtime::MakeComObject. No exception leaves
// their methods: EventSink::Invoke runs the window's handler inside runtime::GuardComCall;
// the others only call Win32 and COM on what they hold, and cannot throw.

// The frame window of in-place active controls: the window that hosts them.
class InPlaceFrame final : public runtime::ComObject<InPlaceFrame, IOleInPlaceFrame> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    STDMETHODIMP GetWindow(HWND* window) noexcept override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetBorder(LPRECT) noexcept override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) noexcept override {
        return INPLACE_E_NOTOOLSPACE;
    }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) noexcept override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) noexcept override {
        return S_OK;
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) noexcept override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) noexcept override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) noexcept override { return S_FALSE; }

  private:
    friend runtime::ComObjectAccess;
    explicit InPlaceFrame(HWND window) : window_(window) {}
    ~InPlaceFrame() = default;

    HWND window_;
};

// The site of one hosted control: client site, in-place site, control site, and the
// ambient properties (the container runs in user mode).
class ControlSite final : public runtime::ComObject<ControlSite, IOleClientSite, IOleInPlaceSite,
                                                    IOleControlSite, IDispatch> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    HWND window() const { return window_; }
    const RECT& place() const { return place_; }
    // The control's in-place object, told about moves of its rectangle.
    void Attach(IOleInPlaceObject* object) { inPlaceObject_ = object; }

    // IOleClientSite
    STDMETHODIMP SaveObject() noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) noexcept override;
    STDMETHODIMP ShowObject() noexcept override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() noexcept override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) noexcept override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() noexcept override;
    STDMETHODIMP OnInPlaceActivate() noexcept override { return S_OK; }
    STDMETHODIMP OnUIActivate() noexcept override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) noexcept override;
    STDMETHODIMP Scroll(SIZE) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() noexcept override;
    STDMETHODIMP DiscardUndoState() noexcept override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() noexcept override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT position) noexcept override;

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() noexcept override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch**) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, DWORD) noexcept override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP ShowPropertyFrame() noexcept override { return E_NOTIMPL; }

    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                        EXCEPINFO*, UINT*) noexcept override;

  private:
    friend runtime::ComObjectAccess;
    ControlSite(HWND window, const RECT& place, runtime::ComPtr<InPlaceFrame> frame)
        : window_(window), place_(place), frame_(std::move(frame)) {}
    ~ControlSite() = default;

    HWND window_;
    RECT place_;
    runtime::ComPtr<InPlaceFrame> frame_;
    IOleInPlaceObject* inPlaceObject_ = nullptr;  // not counted: the container owns the control
};

// One entry of a control's stored property bag.
struct BagEntry {
    std::wstring name;
    runtime::Variant value;
};

// A control's stored property bag, read-only. Names match without regard to the case of
// A to Z; a read hands out a copy of the entry.
class PropertyBag final : public runtime::ComObject<PropertyBag, IPropertyBag> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) noexcept override;
    STDMETHODIMP Write(LPCOLESTR, VARIANT*) noexcept override { return E_NOTIMPL; }

  private:
    friend runtime::ComObjectAccess;
    explicit PropertyBag(std::vector<BagEntry> entries) : entries_(std::move(entries)) {}
    ~PropertyBag() = default;

    std::vector<BagEntry> entries_;
};

// Receives a control's events through its source dispinterface and hands each, with its
// arguments (by-reference ones may be changed), to the handler.
class EventSink final : public runtime::ComObject<EventSink, IDispatch> {
  public:
    using Handler = std::function<void(DISPID event, DISPPARAMS& arguments)>;

    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;
    // Also answers for the control's event interface, known only at run time.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* arguments, VARIANT*,
                        EXCEPINFO*, UINT*) noexcept override;

  private:
    friend runtime::ComObjectAccess;
    EventSink(const IID& events, Handler handler) : events_(events), handler_(std::move(handler)) {}
    ~EventSink() = default;

    IID events_;
    Handler handler_;
};

}  // namespace container
