#pragma once

// The tests' own OLE container: real COM objects with real reference counts that write
// every call they receive, in order, into one call log. A test compares the log with the
// exact calls it expects, so an unexpected call fails it as surely as a missing one.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "runtime/com_object_win32.h"

namespace flatbutton_test {

class CallLog {
  public:
    void Add(std::string call) { calls_.push_back(std::move(call)); }
    // The calls since the last Take.
    std::vector<std::string> Take() { return std::exchange(calls_, {}); }

  private:
    std::vector<std::string> calls_;
};

// The name a log gives an interface identifier.
std::string InterfaceName(REFIID iid);
std::string Narrow(const std::wstring& text);

// The reference count of an object, by taking and giving back one reference.
template <typename Object>
ULONG CountOf(Object* object) {
    object->AddRef();
    return object->Release();
}

class TestFrame final : public runtime::ComObject<TestFrame, IOleInPlaceFrame> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP GetWindow(HWND* window) noexcept override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) noexcept override {
        return Log("ContextSensitiveHelp", E_NOTIMPL);
    }
    STDMETHODIMP GetBorder(LPRECT) noexcept override {
        return Log("GetBorder", INPLACE_E_NOTOOLSPACE);
    }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) noexcept override {
        return Log("RequestBorderSpace", INPLACE_E_NOTOOLSPACE);
    }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) noexcept override {
        return Log("SetBorderSpace", S_OK);
    }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) noexcept override {
        return Log("SetActiveObject", S_OK);
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept override {
        return Log("InsertMenus", E_NOTIMPL);
    }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) noexcept override { return Log("SetMenu", S_OK); }
    STDMETHODIMP RemoveMenus(HMENU) noexcept override { return Log("RemoveMenus", E_NOTIMPL); }
    STDMETHODIMP SetStatusText(LPCOLESTR) noexcept override { return Log("SetStatusText", S_OK); }
    STDMETHODIMP EnableModeless(BOOL) noexcept override { return Log("EnableModeless", S_OK); }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) noexcept override {
        return Log("TranslateAccelerator", S_FALSE);
    }

  private:
    friend struct runtime::ComObjectAccess;
    TestFrame(CallLog& log, HWND window) : log_(log), window_(window) {}
    ~TestFrame() = default;
    HRESULT Log(const char* call, HRESULT result);

    CallLog& log_;
    HWND window_;
};

// Client site, in-place site, control site and ambient properties of one control.
class TestSite final : public runtime::ComObject<TestSite, IOleClientSite, IOleInPlaceSite,
                                                 IOleControlSite, IDispatch> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    void SetPlace(const RECT& place) { place_ = place; }
    // What CanInPlaceActivate answers.
    HRESULT canActivate = S_OK;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;

    // IOleClientSite
    STDMETHODIMP SaveObject() noexcept override { return Log("SaveObject", S_OK); }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept override;
    STDMETHODIMP GetContainer(IOleContainer** container) noexcept override;
    STDMETHODIMP ShowObject() noexcept override { return Log("ShowObject", S_OK); }
    STDMETHODIMP OnShowWindow(BOOL) noexcept override { return Log("OnShowWindow", S_OK); }
    STDMETHODIMP RequestNewObjectLayout() noexcept override {
        return Log("RequestNewObjectLayout", E_NOTIMPL);
    }

    // IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) noexcept override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) noexcept override {
        return Log("ContextSensitiveHelp", E_NOTIMPL);
    }
    STDMETHODIMP CanInPlaceActivate() noexcept override {
        return Log("CanInPlaceActivate", canActivate);
    }
    STDMETHODIMP OnInPlaceActivate() noexcept override { return Log("OnInPlaceActivate", S_OK); }
    STDMETHODIMP OnUIActivate() noexcept override { return Log("OnUIActivate", S_OK); }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT place, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) noexcept override;
    STDMETHODIMP Scroll(SIZE) noexcept override { return Log("Scroll", E_NOTIMPL); }
    STDMETHODIMP OnUIDeactivate(BOOL) noexcept override { return Log("OnUIDeactivate", S_OK); }
    STDMETHODIMP OnInPlaceDeactivate() noexcept override {
        return Log("OnInPlaceDeactivate", S_OK);
    }
    STDMETHODIMP DiscardUndoState() noexcept override { return Log("DiscardUndoState", E_NOTIMPL); }
    STDMETHODIMP DeactivateAndUndo() noexcept override {
        return Log("DeactivateAndUndo", E_NOTIMPL);
    }
    STDMETHODIMP OnPosRectChange(LPCRECT) noexcept override { return Log("OnPosRectChange", S_OK); }

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() noexcept override {
        return Log("OnControlInfoChanged", S_OK);
    }
    STDMETHODIMP LockInPlaceActive(BOOL) noexcept override {
        return Log("LockInPlaceActive", S_OK);
    }
    STDMETHODIMP GetExtendedControl(IDispatch** control) noexcept override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) noexcept override {
        return Log("TransformCoords", E_NOTIMPL);
    }
    STDMETHODIMP TranslateAccelerator(LPMSG, DWORD) noexcept override {
        return Log("TranslateAccelerator", S_FALSE);
    }
    STDMETHODIMP OnFocus(BOOL focus) noexcept override;
    STDMETHODIMP ShowPropertyFrame() noexcept override {
        return Log("ShowPropertyFrame", E_NOTIMPL);
    }

    // IDispatch: ambient properties (user mode); everything else is unknown.
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
        return Log("GetTypeInfo", E_NOTIMPL);
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        return Log("GetIDsOfNames", E_NOTIMPL);
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                        EXCEPINFO*, UINT*) noexcept override;

  private:
    friend struct runtime::ComObjectAccess;
    TestSite(CallLog& log, HWND window, TestFrame& frame, const RECT& place);
    ~TestSite();
    HRESULT Log(const char* call, HRESULT result);

    CallLog& log_;
    HWND window_;
    TestFrame& frame_;
    RECT place_;
};

// A property bag of named VARIANTs. Names match exactly unless ignoreCase; the failure
// of one entry can be arranged.
class TestBag final : public runtime::ComObject<TestBag, IPropertyBag> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    bool ignoreCase = false;
    std::wstring failingName;  // Read and Write of this name fail with E_FAIL

    void Put(const std::wstring& name, const VARIANT& value);
    void PutI4(const std::wstring& name, LONG value);
    void PutBool(const std::wstring& name, bool value);
    void PutObject(const std::wstring& name, IUnknown* object, VARTYPE type);
    // The stored entry, or null.
    const VARIANT* Find(const std::wstring& name) const;
    std::vector<std::wstring> Names() const;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) noexcept override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) noexcept override;

  private:
    friend struct runtime::ComObjectAccess;
    explicit TestBag(CallLog& log) : log_(log) {}
    ~TestBag();
    std::vector<std::pair<std::wstring, VARIANT>>::iterator Locate(const std::wstring& name);

    CallLog& log_;
    std::vector<std::pair<std::wstring, VARIANT>> entries_;
};

// One mouse event as a sink saw it.
struct MouseArguments {
    SHORT button;
    SHORT shift;
    float x;
    float y;
};

// Receives the control's events: writes "Click", "MouseDown(1,0,7,7)" and so on into the
// log, and calls the handler of the event, if any, which may change the by-reference
// arguments.
class TestEventSink final : public runtime::ComObject<TestEventSink, IDispatch> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    std::map<DISPID, std::function<void(MouseArguments&)>> handlers;
    bool answersEventInterface = true;  // QueryInterface for the event dispinterface
    bool logMoves = true;               // MouseMove is frequent; tests may leave it out

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override;
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO*, UINT*) noexcept override;

  private:
    friend struct runtime::ComObjectAccess;
    TestEventSink(CallLog& log, const IID& events) : log_(log), events_(events) {}
    ~TestEventSink() = default;

    CallLog& log_;
    IID events_;
};

// Receives the property-changed notifications: "OnChanged(0x68030000)".
class TestNotifySink final : public runtime::ComObject<TestNotifySink, IPropertyNotifySink> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    HRESULT changedResult = S_OK;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP OnChanged(DISPID property) noexcept override;
    STDMETHODIMP OnRequestEdit(DISPID property) noexcept override;

  private:
    friend struct runtime::ComObjectAccess;
    explicit TestNotifySink(CallLog& log) : log_(log) {}
    ~TestNotifySink() = default;

    CallLog& log_;
};

}  // namespace flatbutton_test
