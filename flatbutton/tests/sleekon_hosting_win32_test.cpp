// The control as the programs host it, call by call, with the container's reference
// counts; its COM identity; and the keyboard.
#include <gtest/gtest.h>

#include "flatbutton/tests/sleekon_fixture_win32.h"

namespace flatbutton_test {
namespace {

class HostingTest : public SleekonTest {};

TEST_F(HostingTest, HostsAsTheProgramsDoAndGivesEverythingBack) {
    Create();
    DWORD status = 0;
    EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, flatbutton::kMiscStatus);
    ComPtr<LoggingBag> bag = runtime::MakeComObject<LoggingBag>(log);
    bag->ignoreCase = true;  // like the programs' own bag
    bag->Put(L"backcolor", runtime::Variant::Int32(static_cast<LONG>(kBackColour)));
    bag->Put(L"picture", runtime::Variant::Dispatch(MakePicture(24, 24).get()));
    bag->Put(L"_extentx", runtime::Variant::Int32(847));
    bag->Put(L"_extenty", runtime::Variant::Int32(847));

    EXPECT_EQ(Host({15, 28, 47, 60}, bag.get()),
              (Calls{"Bag.Read(BackColor)", "Bag.Read(Enabled)", "Bag.Read(enabled)",
                     "Bag.Read(Picture)", "Site.QI(IOleInPlaceSite)", "Site.CanInPlaceActivate",
                     "Site.OnInPlaceActivate", "Site.GetWindow", "Site.GetWindowContext"}));
    const HWND window = Window();
    EXPECT_EQ(::GetParent(window), host.hwnd());
    EXPECT_TRUE(::IsWindowVisible(window));
    RECT where = {};
    ::GetWindowRect(window, &where);
    ::MapWindowPoints(nullptr, host.hwnd(), reinterpret_cast<POINT*>(&where), 2);
    EXPECT_TRUE(::EqualRect(&where, &place));
    EXPECT_TRUE(Shows({24, 24}, {3, 3}, Look::Flat));

    EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
    EXPECT_EQ(log.Take(), (Calls{"Site.OnInPlaceDeactivate"}));
    EXPECT_FALSE(::IsWindow(window));
    bag.reset();
    EXPECT_EQ(LibraryCanUnloadNow(), S_FALSE);  // the control is still alive
    EXPECT_EQ(CloseAndRelease(), 0u);
    EXPECT_TRUE(log.Take().empty());
    // DllCanUnloadNow, and that every object of the container was let go, are checked as
    // every test ends.
}

TEST_F(HostingTest, ClosesInTheProgramsOrderAndAConnectionEndsOnce) {
    CreateAndHost(15, 15);
    EXPECT_EQ(notifyPoint->Unadvise(notifyCookie), S_OK);
    EXPECT_EQ(notifyPoint->Unadvise(notifyCookie), CONNECT_E_NOCONNECTION);
    notifyPoint.reset();
    // Unadvise, close, no site: what the container does when it lets go.
    EXPECT_EQ(CloseAndRelease(), 0u);
    EXPECT_EQ(log.Take(), (Calls{"Site.OnInPlaceDeactivate"}));
}

TEST_F(HostingTest, ReleasedWhileHoveringWithoutACloseItTakesItsWindowAndCaptureAlong) {
    Create();
    // A container of the careless kind, which activates and later only lets go.
    site = runtime::MakeComObject<container::ControlSite>(host.hwnd(), RECT{10, 10, 25, 25},
                                                          frame.clone());
    ASSERT_EQ(object->SetClientSite(site.get()), S_OK);
    const RECT where = site->place();
    ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, host.hwnd(), &where),
              S_OK);
    const HWND window = Window();
    Mouse mouse;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(7, 7)));
    ASSERT_EQ(::GetCapture(), window);
    dispatch.reset();
    EXPECT_EQ(object.detach()->Release(), 0u);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(::GetCapture(), nullptr);
    PumpMessages();
}

TEST_F(HostingTest, AContainerWhoseWindowIsGoneRefusesActivationAndTheControlMakesNone) {
    Create();
    const HWND gone = ::CreateWindowExW(0, HostWindow::kClassName, L"", WS_POPUP, 0, 0, 50, 50,
                                        nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(gone);
    site = runtime::MakeComObject<container::ControlSite>(gone, RECT{0, 0, 15, 15}, frame.clone());
    const ComPtr<testing_support::LoggingSite> front =
        runtime::MakeComObject<testing_support::LoggingSite>(log, *site.get());
    ASSERT_EQ(object->SetClientSite(front.get()), S_OK);
    const RECT where = site->place();
    EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, front.get(), 0, gone, &where),
              E_FAIL);
    EXPECT_EQ(log.Take(), (Calls{"Site.QI(IOleInPlaceSite)", "Site.CanInPlaceActivate"}));
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(HostingTest, EveryInterfaceLeadsToTheSameObject) {
    Create();
    ComPtr<IUnknown> identity;
    ASSERT_EQ(object.as(IID_IUnknown, identity), S_OK);
    const IID* const interfaces[] = {
        &IID__SleekonControl,   &IID_IDispatch,           &IID_IOleObject,
        &IID_IOleWindow,        &IID_IOleInPlaceObject,   &IID_IOleInPlaceActiveObject,
        &IID_IOleControl,       &IID_IViewObject,         &IID_IViewObject2,
        &IID_IPersist,          &IID_IPersistPropertyBag, &IID_IPersistStreamInit,
        &IID_IProvideClassInfo, &IID_IProvideClassInfo2,  &IID_IConnectionPointContainer};
    for (const IID* iid : interfaces) {
        ComPtr<IUnknown> asked;
        ASSERT_EQ(object.as(*iid, asked), S_OK) << InterfaceName(*iid);
        ComPtr<IUnknown> back;
        ASSERT_EQ(asked.as(IID_IUnknown, back), S_OK);
        EXPECT_EQ(back.get(), identity.get()) << InterfaceName(*iid);
    }
    ComPtr<IUnknown> missing;
    EXPECT_EQ(object.as(IID_IPersistStorage, missing), E_NOINTERFACE);
    EXPECT_FALSE(missing);
}

TEST_F(HostingTest, OffersOneConnectionPointForEventsAndOneForNotifications) {
    Create();
    ComPtr<IConnectionPointContainer> points;
    ASSERT_EQ(object.as(IID_IConnectionPointContainer, points), S_OK);
    ComPtr<IEnumConnectionPoints> all;
    ASSERT_EQ(points->EnumConnectionPoints(all.put()), S_OK);
    IConnectionPoint* found[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(all->Next(3, found, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 2u);
    IID iids[2] = {};
    for (ULONG i = 0; i < fetched; ++i) {
        EXPECT_EQ(found[i]->GetConnectionInterface(&iids[i]), S_OK);
        ComPtr<IConnectionPointContainer> container;
        EXPECT_EQ(found[i]->GetConnectionPointContainer(container.put()), S_OK);
        EXPECT_EQ(container.get(), points.get());
        found[i]->Release();
    }
    EXPECT_TRUE(::IsEqualIID(iids[0], DIID___SleekonControl));
    EXPECT_TRUE(::IsEqualIID(iids[1], IID_IPropertyNotifySink));
    ComPtr<IConnectionPoint> none;
    EXPECT_EQ(points->FindConnectionPoint(IID_IDispatch, none.put()), CONNECT_E_NOCONNECTION);
}

TEST_F(HostingTest, ASecondSinkThatAnswersOnlyIDispatchHearsTheEventsToo) {
    CreateAndHost(15, 15);
    std::vector<DISPID> heard;
    // Made for no event interface of the control's: it answers only IDispatch.
    const ComPtr<container::EventSink> plain = runtime::MakeComObject<container::EventSink>(
        GUID_NULL, [&](DISPID event, DISPPARAMS&) { heard.push_back(event); });
    ComPtr<IConnectionPointContainer> points;
    ComPtr<IConnectionPoint> events;
    ASSERT_EQ(object.as(IID_IConnectionPointContainer, points), S_OK);
    ASSERT_EQ(points->FindConnectionPoint(DIID___SleekonControl, events.put()), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(events->Advise(plain.get(), &cookie), S_OK);
    ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    ::SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,3,4)", "MouseUp(1,0,3,4)", "Click"}));
    EXPECT_EQ(heard, (std::vector<DISPID>{flatbutton::kDispidMouseDown, flatbutton::kDispidMouseUp,
                                          flatbutton::kDispidClick}));
    EXPECT_EQ(events->Unadvise(cookie), S_OK);
}

TEST_F(HostingTest, TheClassFactoryRefusesAggregationAndHoldsTheLibraryWhileLocked) {
    Create();
    const auto getClassObject =
        reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
            reinterpret_cast<void (*)()>(
                ::GetProcAddress(::GetModuleHandleW(L"Sleekon.ocx"), "DllGetClassObject")));
    ASSERT_NE(getClassObject, nullptr);
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(getClassObject(IID_IDispatch, IID_IClassFactory, factory.putVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(getClassObject(CLSID_SleekonControl, IID_IClassFactory, factory.putVoid()), S_OK);
    ComPtr<IUnknown> aggregated;
    EXPECT_EQ(factory->CreateInstance(object.get(), IID_IUnknown, aggregated.putVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory.reset();
    EXPECT_EQ(CloseAndRelease(), 0u);
    EXPECT_EQ(LibraryCanUnloadNow(), S_FALSE);
    ASSERT_EQ(getClassObject(CLSID_SleekonControl, IID_IClassFactory, factory.putVoid()), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory.reset();
    EXPECT_EQ(LibraryCanUnloadNow(), S_OK);
}

TEST_F(HostingTest, AltKeysReachTheHostAndAClickLeavesTheFocusWhereItWas) {
    CreateAndHost(15, 15);
    ::SetFocus(host.hwnd());
    PumpMessages();
    ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    ::SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(::GetFocus(), host.hwnd());
    log.Take();

    // Given the focus, the control tells its site and hands Alt keys on to the host.
    ::SetFocus(Window());
    EXPECT_EQ(log.Take(), (Calls{"Site.QI(IOleControlSite)", "Site.OnFocus(TRUE)"}));
    const LPARAM altDown = 1 | (0x1F << 16) | (1 << 29);  // S with Alt held
    ::SendMessageW(Window(), WM_SYSKEYDOWN, 'S', altDown);
    ::SendMessageW(Window(), WM_SYSCHAR, 's', altDown);
    ::SendMessageW(Window(), WM_SYSKEYUP, 'S', altDown | (3U << 30));
    EXPECT_EQ(host.keyMessages, (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP}));
    ComPtr<IOleInPlaceActiveObject> active;
    ASSERT_EQ(object.as(IID_IOleInPlaceActiveObject, active), S_OK);
    MSG message = {Window(), WM_SYSKEYDOWN, 'S', altDown, 0, {}};
    EXPECT_EQ(active->TranslateAccelerator(&message), S_FALSE);
    ::SetFocus(host.hwnd());
    EXPECT_EQ(log.Take(), (Calls{"Site.QI(IOleControlSite)", "Site.OnFocus(FALSE)"}));
}

}  // namespace
}  // namespace flatbutton_test
