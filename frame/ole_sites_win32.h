#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "frame/form_layout.h"
#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"

namespace frame {

// The COM objects of the program's control container, made with runtime::MakeComObject.

// Loads a bitmap resource of the program as a picture object that owns the bitmap.
HRESULT LoadBitmapPicture(const std::string& name, IPictureDisp** picture);

// The frame window of in-place active controls: the main window itself.
class InPlaceFrame final : public runtime::ComObject<InPlaceFrame, IOleInPlaceFrame> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

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

    // The control's in-place object, told about moves of its rectangle.
    void Attach(IOleInPlaceObject* object) { inPlaceObject_ = object; }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, DWORD) override { return S_FALSE; }
    STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
    STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                        EXCEPINFO*, UINT*) override;

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

// A control's stored property bag from the layout. Names match without regard to case;
// picture entries become new picture objects of the named bitmap.
class LayoutPropertyBag final : public runtime::ComObject<LayoutPropertyBag, IPropertyBag> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    STDMETHODIMP Write(LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }

  private:
    friend runtime::ComObjectAccess;
    explicit LayoutPropertyBag(std::vector<BagEntry> entries) : entries_(std::move(entries)) {}
    ~LayoutPropertyBag() = default;

    std::vector<BagEntry> entries_;
};

// Receives a control's events through its source dispinterface.
class ControlEventSink final : public runtime::ComObject<ControlEventSink, IDispatch> {
  public:
    using Handler = std::function<void(DISPID event)>;

    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;
    // Also answers for the control's event interface, known only at run time.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override;

  private:
    friend runtime::ComObjectAccess;
    ControlEventSink(const IID& events, Handler handler)
        : events_(events), handler_(std::move(handler)) {}
    ~ControlEventSink() = default;

    IID events_;
    Handler handler_;
};

}  // namespace frame
