#include "flatbutton/tests/ole_test_objects_win32.h"

#include <algorithm>
#include <sstream>

#include "flatbutton/sleekon_ids_win32.h"
#include "runtime/ascii_text.h"

namespace flatbutton_test {

namespace {

bool SameName(const std::wstring& a, const std::wstring& b, bool ignoreCase) {
    if (!ignoreCase) {
        return a == b;
    }
    return runtime::EqualsIgnoringCase(std::wstring_view(a), std::wstring_view(b));
}

std::string Hex(long value) {
    std::ostringstream text;
    text << "0x" << std::hex << value;
    return text.str();
}

}  // namespace

std::string Narrow(const std::wstring& text) {
    return runtime::NarrowToAscii(text);
}

std::string InterfaceName(REFIID iid) {
    static const std::pair<const IID*, const char*> known[] = {
        {&IID_IUnknown, "IUnknown"},
        {&IID_IDispatch, "IDispatch"},
        {&IID_IOleClientSite, "IOleClientSite"},
        {&IID_IOleWindow, "IOleWindow"},
        {&IID_IOleInPlaceSite, "IOleInPlaceSite"},
        {&IID_IOleInPlaceSiteEx, "IOleInPlaceSiteEx"},
        {&IID_IOleInPlaceSiteWindowless, "IOleInPlaceSiteWindowless"},
        {&IID_IOleControlSite, "IOleControlSite"},
        {&IID_IOleInPlaceFrame, "IOleInPlaceFrame"},
        {&IID_IOleInPlaceUIWindow, "IOleInPlaceUIWindow"},
        {&IID_IPropertyBag, "IPropertyBag"},
        {&IID_IPropertyBag2, "IPropertyBag2"},
        {&IID_IPropertyNotifySink, "IPropertyNotifySink"},
        {&DIID___SleekonControl, "__SleekonControl"},
        {&IID_IMarshal, "IMarshal"},
    };
    for (const auto& [id, name] : known) {
        if (::IsEqualIID(iid, *id)) {
            return name;
        }
    }
    wchar_t text[39] = {};
    ::StringFromGUID2(iid, text, 39);
    return Narrow(text);
}

// TestFrame

std::span<const runtime::InterfaceEntry> TestFrame::InterfaceTable() noexcept {
    static const runtime::InterfaceEntry table[] = {
        runtime::Implements<TestFrame, IUnknown, IOleInPlaceFrame>(IID_IUnknown),
        runtime::Implements<TestFrame, IOleWindow, IOleInPlaceFrame>(IID_IOleWindow),
        runtime::Implements<TestFrame, IOleInPlaceUIWindow, IOleInPlaceFrame>(
            IID_IOleInPlaceUIWindow),
        runtime::Implements<TestFrame, IOleInPlaceFrame>(IID_IOleInPlaceFrame),
    };
    return table;
}

HRESULT TestFrame::Log(const char* call, HRESULT result) {
    log_.Add(std::string("Frame.") + call);
    return result;
}

STDMETHODIMP TestFrame::QueryInterface(REFIID iid, void** out) noexcept {
    log_.Add("Frame.QI(" + InterfaceName(iid) + ")");
    return ComObject::QueryInterface(iid, out);
}

STDMETHODIMP TestFrame::GetWindow(HWND* window) noexcept {
    *window = window_;
    return Log("GetWindow", S_OK);
}

// TestSite

TestSite::TestSite(CallLog& log, HWND window, TestFrame& frame, const RECT& place)
    : log_(log), window_(window), frame_(frame), place_(place) {
    frame_.AddRef();
}

TestSite::~TestSite() {
    frame_.Release();
}

std::span<const runtime::InterfaceEntry> TestSite::InterfaceTable() noexcept {
    static const runtime::InterfaceEntry table[] = {
        runtime::Implements<TestSite, IUnknown, IOleClientSite>(IID_IUnknown),
        runtime::Implements<TestSite, IOleClientSite>(IID_IOleClientSite),
        runtime::Implements<TestSite, IOleWindow, IOleInPlaceSite>(IID_IOleWindow),
        runtime::Implements<TestSite, IOleInPlaceSite>(IID_IOleInPlaceSite),
        runtime::Implements<TestSite, IOleControlSite>(IID_IOleControlSite),
        runtime::Implements<TestSite, IDispatch>(IID_IDispatch),
    };
    return table;
}

HRESULT TestSite::Log(const char* call, HRESULT result) {
    log_.Add(std::string("Site.") + call);
    return result;
}

STDMETHODIMP TestSite::QueryInterface(REFIID iid, void** out) noexcept {
    log_.Add("Site.QI(" + InterfaceName(iid) + ")");
    return ComObject::QueryInterface(iid, out);
}

STDMETHODIMP TestSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept {
    *moniker = nullptr;
    return Log("GetMoniker", E_NOTIMPL);
}

STDMETHODIMP TestSite::GetContainer(IOleContainer** container) noexcept {
    *container = nullptr;
    return Log("GetContainer", E_NOINTERFACE);
}

STDMETHODIMP TestSite::GetWindow(HWND* window) noexcept {
    *window = window_;
    return Log("GetWindow", S_OK);
}

STDMETHODIMP TestSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                        LPRECT place, LPRECT clip,
                                        LPOLEINPLACEFRAMEINFO info) noexcept {
    frame_.AddRef();
    *frame = &frame_;
    *document = nullptr;
    *place = place_;
    *clip = place_;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return Log("GetWindowContext", S_OK);
}

STDMETHODIMP TestSite::GetExtendedControl(IDispatch** control) noexcept {
    *control = nullptr;
    return Log("GetExtendedControl", E_NOTIMPL);
}

STDMETHODIMP TestSite::OnFocus(BOOL focus) noexcept {
    return Log(focus ? "OnFocus(TRUE)" : "OnFocus(FALSE)", S_OK);
}

STDMETHODIMP TestSite::GetTypeInfoCount(UINT* count) noexcept {
    *count = 0;
    return Log("GetTypeInfoCount", S_OK);
}

STDMETHODIMP TestSite::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                              EXCEPINFO*, UINT*) noexcept {
    log_.Add("Site.Ambient(" + std::to_string(member) + ")");
    if (member == DISPID_AMBIENT_USERMODE && (flags & DISPATCH_PROPERTYGET) != 0 &&
        result != nullptr) {
        ::VariantInit(result);
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

// TestBag

std::span<const runtime::InterfaceEntry> TestBag::InterfaceTable() noexcept {
    static const runtime::InterfaceEntry table[] = {
        runtime::Implements<TestBag, IUnknown, IPropertyBag>(IID_IUnknown),
        runtime::Implements<TestBag, IPropertyBag>(IID_IPropertyBag),
    };
    return table;
}

TestBag::~TestBag() {
    for (auto& entry : entries_) {
        ::VariantClear(&entry.second);
    }
}

std::vector<std::pair<std::wstring, VARIANT>>::iterator TestBag::Locate(const std::wstring& name) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const auto& entry) { return SameName(entry.first, name, ignoreCase); });
}

void TestBag::Put(const std::wstring& name, const VARIANT& value) {
    VARIANT copy;
    ::VariantInit(&copy);
    ::VariantCopy(&copy, const_cast<VARIANT*>(&value));
    const auto found = Locate(name);
    if (found != entries_.end()) {
        ::VariantClear(&found->second);
        found->second = copy;
    } else {
        entries_.emplace_back(name, copy);
    }
}

void TestBag::PutI4(const std::wstring& name, LONG value) {
    VARIANT variant;
    ::VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    Put(name, variant);
}

void TestBag::PutBool(const std::wstring& name, bool value) {
    VARIANT variant;
    ::VariantInit(&variant);
    variant.vt = VT_BOOL;
    variant.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    Put(name, variant);
}

void TestBag::PutObject(const std::wstring& name, IUnknown* object, VARTYPE type) {
    VARIANT variant;
    ::VariantInit(&variant);
    variant.vt = type;
    variant.punkVal = object;  // VariantCopy takes its own reference
    Put(name, variant);
}

const VARIANT* TestBag::Find(const std::wstring& name) const {
    for (const auto& entry : entries_) {
        if (SameName(entry.first, name, ignoreCase)) {
            return &entry.second;
        }
    }
    return nullptr;
}

std::vector<std::wstring> TestBag::Names() const {
    std::vector<std::wstring> names;
    for (const auto& entry : entries_) {
        names.push_back(entry.first);
    }
    return names;
}

STDMETHODIMP TestBag::QueryInterface(REFIID iid, void** out) noexcept {
    log_.Add("Bag.QI(" + InterfaceName(iid) + ")");
    return ComObject::QueryInterface(iid, out);
}

STDMETHODIMP TestBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) noexcept {
    log_.Add("Bag.Read(" + Narrow(name) + ")");
    if (name == failingName) {
        return E_FAIL;
    }
    const auto found = Locate(name);
    if (found == entries_.end()) {
        return E_INVALIDARG;  // not stored
    }
    ::VariantClear(value);
    return ::VariantCopy(value, &found->second);
}

STDMETHODIMP TestBag::Write(LPCOLESTR name, VARIANT* value) noexcept {
    log_.Add("Bag.Write(" + Narrow(name) + ")");
    if (name == failingName) {
        return E_FAIL;
    }
    Put(name, *value);
    return S_OK;
}

// TestEventSink

std::span<const runtime::InterfaceEntry> TestEventSink::InterfaceTable() noexcept {
    static const runtime::InterfaceEntry table[] = {
        runtime::Implements<TestEventSink, IUnknown, IDispatch>(IID_IUnknown),
        runtime::Implements<TestEventSink, IDispatch>(IID_IDispatch),
    };
    return table;
}

STDMETHODIMP TestEventSink::QueryInterface(REFIID iid, void** out) noexcept {
    log_.Add("Sink.QI(" + InterfaceName(iid) + ")");
    if (answersEventInterface && ::IsEqualIID(iid, events_)) {
        AddRef();
        *out = static_cast<IDispatch*>(this);
        return S_OK;
    }
    return ComObject::QueryInterface(iid, out);
}

STDMETHODIMP TestEventSink::GetTypeInfoCount(UINT* count) noexcept {
    log_.Add("Sink.GetTypeInfoCount");
    *count = 0;
    return S_OK;
}

STDMETHODIMP TestEventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept {
    log_.Add("Sink.GetTypeInfo");
    return E_NOTIMPL;
}

STDMETHODIMP TestEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept {
    log_.Add("Sink.GetIDsOfNames");
    return E_NOTIMPL;
}

STDMETHODIMP TestEventSink::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT*, EXCEPINFO*, UINT*) noexcept {
    static const char* const names[] = {"?",         "Click",     "DblClick",
                                        "MouseDown", "MouseMove", "MouseUp"};
    const char* name = member >= 1 && member <= 5 ? names[member] : "?";
    std::string entry = name;
    if (flags != DISPATCH_METHOD) {
        entry += "[flags " + std::to_string(flags) + "]";
    }
    MouseArguments* arguments = nullptr;
    MouseArguments copy = {};
    if (member >= 3 && member <= 5) {
        // Button, Shift, x, y by reference, last first.
        const bool wellFormed = parameters != nullptr && parameters->cArgs == 4 &&
                                parameters->cNamedArgs == 0 &&
                                parameters->rgvarg[3].vt == (VT_I2 | VT_BYREF) &&
                                parameters->rgvarg[2].vt == (VT_I2 | VT_BYREF) &&
                                parameters->rgvarg[1].vt == (VT_R4 | VT_BYREF) &&
                                parameters->rgvarg[0].vt == (VT_R4 | VT_BYREF);
        if (!wellFormed) {
            log_.Add(entry + "(bad arguments)");
            return DISP_E_BADPARAMCOUNT;
        }
        copy = {*parameters->rgvarg[3].piVal, *parameters->rgvarg[2].piVal,
                *parameters->rgvarg[1].pfltVal, *parameters->rgvarg[0].pfltVal};
        arguments = &copy;
        std::ostringstream text;
        text << "(" << copy.button << "," << copy.shift << "," << copy.x << "," << copy.y << ")";
        entry += text.str();
    } else if (parameters == nullptr || parameters->cArgs != 0) {
        entry += "(unexpected arguments)";
    }
    if (member != 4 || logMoves) {
        log_.Add(entry);
    }
    // A handler may let go of the control, or of this sink's last other holder.
    AddRef();
    if (const auto handler = handlers.find(member); handler != handlers.end()) {
        handler->second(copy);
    }
    if (arguments != nullptr) {
        *parameters->rgvarg[3].piVal = copy.button;
        *parameters->rgvarg[2].piVal = copy.shift;
        *parameters->rgvarg[1].pfltVal = copy.x;
        *parameters->rgvarg[0].pfltVal = copy.y;
    }
    Release();
    return S_OK;
}

// TestNotifySink

std::span<const runtime::InterfaceEntry> TestNotifySink::InterfaceTable() noexcept {
    static const runtime::InterfaceEntry table[] = {
        runtime::Implements<TestNotifySink, IUnknown, IPropertyNotifySink>(IID_IUnknown),
        runtime::Implements<TestNotifySink, IPropertyNotifySink>(IID_IPropertyNotifySink),
    };
    return table;
}

STDMETHODIMP TestNotifySink::QueryInterface(REFIID iid, void** out) noexcept {
    log_.Add("Notify.QI(" + InterfaceName(iid) + ")");
    return ComObject::QueryInterface(iid, out);
}

STDMETHODIMP TestNotifySink::OnChanged(DISPID property) noexcept {
    log_.Add("OnChanged(" + Hex(property) + ")");
    return changedResult;
}

STDMETHODIMP TestNotifySink::OnRequestEdit(DISPID property) noexcept {
    log_.Add("OnRequestEdit(" + Hex(property) + ")");
    return S_OK;
}

}  // namespace flatbutton_test
