// The control as the programs host it, call by call, with the container's reference
// counts; its COM identity; and the keyboard.
#include <gtest/gtest.h>

#include "flatbutton/tests/control_host_win32.h"

namespace flatbutton_test {
namespace {

using Calls = std::vector<std::string>;

class HostingTest : public SleekonTest {};

TEST_F(HostingTest, HostsAsTheProgramsDoAndGivesEverythingBack) {
    Create();
    place = {15, 28, 47, 60};
    site->SetPlace(place);
    ComPtr<TestBag> bag = runtime::MakeComObject<TestBag>(log);
    bag->ignoreCase = true;  // like the programs' own bag
    bag->PutI4(L"backcolor", static_cast<LONG>(kBackColour));
    bag->PutObject(L"picture", MakePicture(24, 24).get(), VT_DISPATCH);
    bag->PutI4(L"_extentx", 847);
    bag->PutI4(L"_extenty", 847);

    DWORD status = 0;
    EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, flatbutton::kMiscStatus);
    ASSERT_EQ(object->SetClientSite(site.get()), S_OK);
    ComPtr<IPersistPropertyBag> persist;
    ASSERT_EQ(object.as(IID_IPersistPropertyBag, persist), S_OK);
    ASSERT_EQ(persist->Load(bag.get(), nullptr), S_OK);
    SIZEL extent = {847, 847};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_EQ(log.Take(), (Calls{"Bag.Read(BackColor)", "Bag.Read(Enabled)", "Bag.Read(enabled)",
                                 "Bag.Read(Picture)"}));

    ComPtr<IProvideClassInfo2> classInfo;
    ASSERT_EQ(object.as(IID_IProvideClassInfo2, classInfo), S_OK);
    IID events = {};
    ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    ComPtr<IConnectionPointContainer> points;
    ASSERT_EQ(object.as(IID_IConnectionPointContainer, points), S_OK);
    ASSERT_EQ(points->FindConnectionPoint(events, eventPoint.put()), S_OK);
    ASSERT_EQ(eventPoint->Advise(sink.get(), &eventCookie), S_OK);
    EXPECT_EQ(log.Take(), (Calls{"Sink.QI(__SleekonControl)"}));

    ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, host.hwnd(), &place),
              S_OK);
    EXPECT_EQ(log.Take(),
              (Calls{"Site.QI(IOleInPlaceSite)", "Site.CanInPlaceActivate",
                     "Site.OnInPlaceActivate", "Site.GetWindow", "Site.GetWindowContext"}));
    const HWND window = Window();
    ASSERT_NE(window, nullptr);
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
    EXPECT_EQ(object->SetClientSite(nullptr), S_OK);
    EXPECT_EQ(eventPoint->Unadvise(eventCookie), S_OK);
    eventPoint.reset();
    persist.reset();
    classInfo.reset();
    points.reset();
    dispatch.reset();
    EXPECT_EQ(LibraryCanUnloadNow(), S_FALSE);  // the control is still alive
    EXPECT_EQ(object.detach()->Release(), 0u);
    EXPECT_TRUE(log.Take().empty());
    // The site, frame and sink counts and DllCanUnloadNow are checked as every test ends.
}

TEST_F(HostingTest, ClosesInTheProgramsOrderToo) {
    CreateAndHost(15, 15);
    // Unadvise first, then close: what a container's destructor does.
    EXPECT_EQ(eventPoint->Unadvise(eventCookie), S_OK);
    EXPECT_EQ(notifyPoint->Unadvise(notifyCookie), S_OK);
    EXPECT_EQ(eventPoint->Unadvise(eventCookie), CONNECT_E_NOCONNECTION);
    eventPoint.reset();
    notifyPoint.reset();
    EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
    EXPECT_EQ(object->SetClientSite(nullptr), S_OK);
    dispatch.reset();
    EXPECT_EQ(object.detach()->Release(), 0u);
    EXPECT_EQ(log.Take(), (Calls{"Site.OnInPlaceDeactivate"}));
}

TEST_F(HostingTest, ReleasedWhileHoveringWithoutACloseItTakesItsWindowAndCaptureAlong) {
    CreateAndHost(15, 15);
    Mouse mouse;
    mouse.MoveTo(OnScreen(7, 7));
    const HWND window = Window();
    ASSERT_EQ(::GetCapture(), window);
    log.Take();
    EXPECT_EQ(eventPoint->Unadvise(eventCookie), S_OK);
    EXPECT_EQ(notifyPoint->Unadvise(notifyCookie), S_OK);
    eventPoint.reset();
    notifyPoint.reset();
    dispatch.reset();
    EXPECT_EQ(object.detach()->Release(), 0u);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(::GetCapture(), nullptr);
    PumpMessages();
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(HostingTest, AContainerThatRefusesInPlaceActivationGetsNoWindow) {
    Create();
    site->canActivate = S_FALSE;
    ASSERT_EQ(object->SetClientSite(site.get()), S_OK);
    EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, host.hwnd(), &place),
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

TEST_F(HostingTest, ASinkThatAnswersOnlyIDispatchStillHearsTheEvents) {
    sink->answersEventInterface = false;
    CreateAndHost(15, 15);
    // (the advice was asked for the dispinterface first)
    ASSERT_EQ(eventPoint->Unadvise(eventCookie), S_OK);
    ASSERT_EQ(eventPoint->Advise(sink.get(), &eventCookie), S_OK);
    EXPECT_EQ(log.Take(), (Calls{"Sink.QI(__SleekonControl)", "Sink.QI(IDispatch)"}));
    ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    ::SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(log.Take(), (Calls{"MouseDown(1,0,3,4)", "MouseUp(1,0,3,4)", "Click"}));
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
