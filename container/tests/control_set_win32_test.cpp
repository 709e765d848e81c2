// The container against a control of the test's own that writes every call it receives
// into the call log.
#include "container/control_set_win32.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/com_object_win32.h"
#include "runtime/ole_session_win32.h"
#include "testing/call_log_win32.h"

namespace container {
namespace {

using runtime::ComPtr;
using testing_support::CallLog;
using Calls = std::vector<std::string>;

// {5B0F5C1E-8C1A-4E55-9D2B-3C6E0A1F7D42}: registered by the test for its own process only.
constexpr CLSID kFakeClass = {
    0x5b0f5c1e, 0x8c1a, 0x4e55, {0x9d, 0x2b, 0x3c, 0x6e, 0x0a, 0x1f, 0x7d, 0x42}};
constexpr const wchar_t* kFakeClassText = L"{5B0F5C1E-8C1A-4E55-9D2B-3C6E0A1F7D42}";
// {5B0F5C1E-8C1A-4E55-9D2B-3C6E0A1F7D43}: the fake's event dispinterface.
constexpr IID kFakeEvents = {
    0x5b0f5c1e, 0x8c1a, 0x4e55, {0x9d, 0x2b, 0x3c, 0x6e, 0x0a, 0x1f, 0x7d, 0x43}};
constexpr DISPID kFakeClick = 1;
constexpr DISPID kFakeEnabled = 7;
constexpr DISPID kFakePicture = 8;

// Which step the next control created fails, and how many controls are alive.
struct FakeState {
    CallLog log;
    std::string failing;  // a call name, e.g. "DoVerb"
    int alive = 0;
    std::vector<ComPtr<IDispatch>> sinks;  // the container's event sinks, in advise order
};

class FakeEvents final : public runtime::ComObject<FakeEvents, IConnectionPoint> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept {
        return runtime::SoleInterfaceTable<FakeEvents, IConnectionPoint>(IID_IConnectionPoint);
    }
    STDMETHODIMP GetConnectionInterface(IID*) noexcept override { return Log("GetIID", E_NOTIMPL); }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer**) noexcept override {
        return Log("GetContainer", E_NOTIMPL);
    }
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) noexcept override {
        ComPtr<IDispatch> dispatch;
        if (FAILED(sink->QueryInterface(kFakeEvents, dispatch.putVoid()))) {
            return Log("Advise", CONNECT_E_CANNOTCONNECT);
        }
        state_.sinks.push_back(std::move(dispatch));
        *cookie = 7;
        return Log("Advise", S_OK);
    }
    STDMETHODIMP Unadvise(DWORD cookie) noexcept override {
        return Log("Unadvise(" + std::to_string(cookie) + ")", S_OK);
    }
    STDMETHODIMP EnumConnections(IEnumConnections**) noexcept override {
        return Log("EnumConnections", E_NOTIMPL);
    }

  private:
    friend struct runtime::ComObjectAccess;
    explicit FakeEvents(FakeState& state) : state_(state) {}
    ~FakeEvents() = default;
    HRESULT Log(const std::string& call, HRESULT result) {
        state_.log.Add("Events." + call);
        return result;
    }

    FakeState& state_;
};

class FakeControl final
    : public runtime::ComObject<FakeControl, IOleObject, IPersistPropertyBag, IProvideClassInfo2,
                                IConnectionPointContainer, IDispatch> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept {
        static const runtime::InterfaceEntry table[] = {
            runtime::Implements<FakeControl, IUnknown, IOleObject>(IID_IUnknown),
            runtime::Implements<FakeControl, IOleObject>(IID_IOleObject),
            runtime::Implements<FakeControl, IPersistPropertyBag>(IID_IPersistPropertyBag),
            runtime::Implements<FakeControl, IProvideClassInfo2>(IID_IProvideClassInfo2),
            runtime::Implements<FakeControl, IConnectionPointContainer>(
                IID_IConnectionPointContainer),
            runtime::Implements<FakeControl, IDispatch>(IID_IDispatch),
        };
        return table;
    }

    bool logsQueries = false;  // from the container's first call on

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override {
        const std::string name = testing_support::InterfaceName(iid);
        if (logsQueries && name != "IUnknown" && name.front() != '{') {
            state_.log.Add("QI(" + name + ")");
        }
        return ComObject::QueryInterface(iid, out);
    }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) noexcept override {
        return Log(site != nullptr ? "SetClientSite" : "SetClientSite(null)");
    }
    STDMETHODIMP GetClientSite(IOleClientSite**) noexcept override { return Log("GetClientSite"); }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) noexcept override {
        return Log("SetHostNames");
    }
    STDMETHODIMP Close(DWORD option) noexcept override {
        return Log(option == OLECLOSE_NOSAVE ? "Close(nosave)" : "Close");
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) noexcept override { return Log("SetMoniker"); }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) noexcept override {
        return Log("GetMoniker");
    }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) noexcept override {
        return Log("InitFromData");
    }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) noexcept override {
        return Log("GetClipboardData");
    }
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                        LPCRECT place) noexcept override {
        return Log("DoVerb(" + std::to_string(verb) + (site != nullptr ? ",site" : "") +
                   (parent == window_ ? ",window" : "") + "," + std::to_string(place->left) + "," +
                   std::to_string(place->top) + "," + std::to_string(place->right) + "," +
                   std::to_string(place->bottom) + ")");
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) noexcept override { return Log("EnumVerbs"); }
    STDMETHODIMP Update() noexcept override { return Log("Update"); }
    STDMETHODIMP IsUpToDate() noexcept override { return Log("IsUpToDate"); }
    STDMETHODIMP GetUserClassID(CLSID*) noexcept override { return Log("GetUserClassID"); }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) noexcept override { return Log("GetUserType"); }
    STDMETHODIMP SetExtent(DWORD, SIZEL* size) noexcept override {
        return Log("SetExtent(" + std::to_string(size->cx) + "," + std::to_string(size->cy) + ")");
    }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) noexcept override { return Log("GetExtent"); }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) noexcept override { return Log("Advise"); }
    STDMETHODIMP Unadvise(DWORD) noexcept override { return Log("Unadvise"); }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) noexcept override { return Log("EnumAdvise"); }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) noexcept override { return Log("GetMiscStatus"); }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) noexcept override { return Log("SetColorScheme"); }

    // IPersistPropertyBag: reads the one entry a layout gives it.
    STDMETHODIMP GetClassID(CLSID*) noexcept override { return Log("GetClassID"); }
    STDMETHODIMP InitNew() noexcept override { return Log("InitNew"); }
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog*) noexcept override {
        runtime::Variant value;
        const HRESULT read = bag->Read(L"BackColor", value.put(), nullptr);
        return Log("Load(BackColor=" +
                   (SUCCEEDED(read) && value->vt == VT_I4 ? std::to_string(value->lVal) : "none") +
                   ")");
    }
    STDMETHODIMP Save(IPropertyBag*, BOOL, BOOL) noexcept override { return Log("Save"); }

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo**) noexcept override { return Log("GetClassInfo"); }
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) noexcept override {
        if (kind == GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
            *guid = kFakeEvents;
        }
        return Log("GetGUID");
    }

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) noexcept override {
        return Log("EnumConnectionPoints");
    }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept override {
        if (!::IsEqualIID(iid, kFakeEvents)) {
            return Log("FindConnectionPoint(other)", CONNECT_E_NOCONNECTION);
        }
        *point = events_.clone().detach();
        return Log("FindConnectionPoint");
    }

    // IDispatch: property puts only.
    STDMETHODIMP GetTypeInfoCount(UINT*) noexcept override { return Log("GetTypeInfoCount"); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
        return Log("GetTypeInfo");
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        return Log("GetIDsOfNames");
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT*,
                        EXCEPINFO*, UINT*) noexcept override {
        std::string call = "Invoke(" + std::to_string(member);
        if (flags == DISPATCH_PROPERTYPUT && parameters->cArgs == 1 &&
            parameters->cNamedArgs == 1 && parameters->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT) {
            const VARIANT& value = parameters->rgvarg[0];
            call += value.vt == VT_BOOL       ? (value.boolVal ? ",put true" : ",put false")
                    : value.vt == VT_DISPATCH ? (value.pdispVal ? ",put object" : ",put nothing")
                                              : ",put other";
        }
        return Log(call + ")");
    }

  private:
    friend struct runtime::ComObjectAccess;
    FakeControl(FakeState& state, HWND window)
        : state_(state), window_(window), events_(runtime::MakeComObject<FakeEvents>(state)) {
        ++state_.alive;
    }
    ~FakeControl() { --state_.alive; }

    HRESULT Log(const std::string& call, HRESULT result = S_OK) {
        state_.log.Add(call);
        const std::string name = call.substr(0, call.find('('));
        return !state_.failing.empty() && name == state_.failing ? E_FAIL : result;
    }

    FakeState& state_;
    HWND window_;
    ComPtr<FakeEvents> events_;
};

class FakeFactory final : public runtime::ComObject<FakeFactory, IClassFactory> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept {
        return runtime::SoleInterfaceTable<FakeFactory, IClassFactory>(IID_IClassFactory);
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept override {
        *out = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        state_.log.Add("Create(" + testing_support::InterfaceName(iid) + ")");
        const ComPtr<FakeControl> control = runtime::MakeComObject<FakeControl>(state_, window_);
        if (!control) {
            return E_OUTOFMEMORY;
        }
        const HRESULT result = control->QueryInterface(iid, out);
        control->logsQueries = true;
        return result;
    }
    STDMETHODIMP LockServer(BOOL) noexcept override { return S_OK; }

  private:
    friend struct runtime::ComObjectAccess;
    FakeFactory(FakeState& state, HWND window) : state_(state), window_(window) {}
    ~FakeFactory() = default;

    FakeState& state_;
    HWND window_;
};

ControlSpec Button(const char* name, LONG left, LONG backColor) {
    ControlSpec spec;
    spec.name = name;
    spec.classId = kFakeClassText;
    spec.place = {left, 4, left + 32, 36};
    spec.bag.push_back({L"_extentx", runtime::Variant::Int32(847)});
    spec.bag.push_back({L"_extenty", runtime::Variant::Int32(848)});
    spec.bag.push_back({L"backcolor", runtime::Variant::Int32(backColor)});
    return spec;
}

// A window to host in, and the fake control's class registered for this process.
class ControlSetTest : public ::testing::Test {
  protected:
    ControlSetTest() {
        window_ = ::CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 200,
                                    100, nullptr, nullptr, nullptr, nullptr);
        const ComPtr<FakeFactory> factory = runtime::MakeComObject<FakeFactory>(state, window_);
        ::CoRegisterClassObject(kFakeClass, factory.get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                &registration_);
    }
    ~ControlSetTest() override {
        ::CoRevokeClassObject(registration_);
        ::DestroyWindow(window_);
    }

    ControlSet Set() {
        return ControlSet(window_, [this](std::string_view control, DISPID event, DISPPARAMS&) {
            heard.push_back(std::string(control) + ":" + std::to_string(event));
        });
    }

    static Calls HostingOf(const std::string& place, const std::string& backColor) {
        return {"Create(IOleObject)",
                "SetClientSite",
                "QI(IPersistPropertyBag)",
                "Load(BackColor=" + backColor + ")",
                "SetExtent(847,848)",
                "QI(IProvideClassInfo2)",
                "GetGUID",
                "QI(IConnectionPointContainer)",
                "FindConnectionPoint",
                "Events.Advise",
                "DoVerb(-5,site,window," + place + ")",
                "QI(IOleInPlaceObject)",
                "QI(IDispatch)"};
    }

    runtime::OleSession ole;
    FakeState state;
    std::vector<std::string> heard;

  private:
    HWND window_ = nullptr;
    DWORD registration_ = 0;
};

TEST_F(ControlSetTest, HostsEachControlInItsPlacePutsByNameAndLetsAllGoInOrder) {
    auto controls = std::make_unique<ControlSet>(Set());
    ASSERT_EQ(controls->Host(Button("cmdGo", 10, 111)), S_OK);
    ASSERT_EQ(controls->Host(Button("cmdStop", 50, 222)), S_OK);
    Calls expected = HostingOf("10,4,42,36", "111");
    const Calls second = HostingOf("50,4,82,36", "222");
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(state.log.Take(), expected);
    EXPECT_EQ(state.alive, 2);

    EXPECT_EQ(controls->Put("cmdStop", kFakeEnabled, runtime::Variant::Boolean(false).get()), S_OK);
    EXPECT_EQ(controls->Put("cmdGo", kFakePicture, runtime::Variant::Dispatch(nullptr).get()),
              S_OK);
    EXPECT_EQ(controls->Put("cmdNone", kFakeEnabled, runtime::Variant::Boolean(true).get()),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(state.log.Take(),
              (Calls{"Invoke(" + std::to_string(kFakeEnabled) + ",put false)",
                     "Invoke(" + std::to_string(kFakePicture) + ",put nothing)"}));

    ASSERT_EQ(state.sinks.size(), 2u);
    DISPPARAMS none = {};
    EXPECT_EQ(state.sinks[1]->Invoke(kFakeClick, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                     &none, nullptr, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(state.sinks[0]->Invoke(kFakeClick, IID_NULL, LOCALE_USER_DEFAULT,
                                     DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND)
        << "an event is a method";
    EXPECT_EQ(heard, (std::vector<std::string>{"cmdStop:" + std::to_string(kFakeClick)}));

    state.sinks.clear();
    controls.reset();
    EXPECT_EQ(state.log.Take(),
              (Calls{"Events.Unadvise(7)", "Close(nosave)", "SetClientSite(null)",
                     "Events.Unadvise(7)", "Close(nosave)", "SetClientSite(null)"}));
    EXPECT_EQ(state.alive, 0) << "the container keeps a reference";
}

TEST_F(ControlSetTest, AControlThatFailsHalfWayIsDisconnectedClosedAndReleasedAtOnce) {
    ControlSet controls = Set();
    state.failing = "DoVerb";
    EXPECT_EQ(controls.Host(Button("cmdGo", 10, 111)), E_FAIL);
    Calls expected = HostingOf("10,4,42,36", "111");
    expected.resize(expected.size() - 2);  // nothing after the failed activation
    expected.insert(expected.end(), {"Events.Unadvise(7)", "Close(nosave)", "SetClientSite(null)"});
    EXPECT_EQ(state.log.Take(), expected);
    state.sinks.clear();
    EXPECT_EQ(state.alive, 0);
    EXPECT_EQ(controls.Put("cmdGo", kFakeEnabled, runtime::Variant::Boolean(true).get()),
              DISP_E_MEMBERNOTFOUND);
}

// A Click handler that fails must come back to the control as a failed call, not end the
// process with the settings unsaved.
TEST(EventSinkTest, AnEventHandlerThatThrowsReturnsAFailureToTheControl) {
    constexpr DISPID kThrowsFailure = 1;
    constexpr DISPID kRunsOutOfMemory = 2;
    const ComPtr<EventSink> sink =
        runtime::MakeComObject<EventSink>(IID_IDispatch, [](DISPID event, DISPPARAMS&) {
            if (event == kThrowsFailure) {
                throw std::runtime_error("the handler failed");
            }
            if (event == kRunsOutOfMemory) {
                throw std::bad_alloc();
            }
        });
    ASSERT_TRUE(sink);
    DISPPARAMS none = {};
    const auto raise = [&](DISPID event) {
        return sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr,
                            nullptr, nullptr);
    };
    EXPECT_EQ(raise(kThrowsFailure), E_UNEXPECTED);
    EXPECT_EQ(raise(kRunsOutOfMemory), E_OUTOFMEMORY);
    EXPECT_EQ(raise(3), S_OK);
}

}  // namespace
}  // namespace container
