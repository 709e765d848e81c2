// The three properties through IDispatch by DISPID, as the programs set them.
#include <gtest/gtest.h>

#include <new>

#include "flatbutton/tests/sleekon_fixture_win32.h"
#include "runtime/ascii_text.h"
#include "runtime/gdi_handles_win32.h"

namespace flatbutton_test {
namespace {

#define EXPECT_FAILED(expression) EXPECT_TRUE(FAILED(expression)) << #expression

// A dispatch object that says it is a picture but has no Width or Height.
class FakePicture final : public runtime::ComObject<FakePicture, IDispatch> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept {
        static const runtime::InterfaceEntry table[] = {
            runtime::Implements<FakePicture, IUnknown, IDispatch>(IID_IUnknown),
            runtime::Implements<FakePicture, IDispatch>(IID_IDispatch),
            runtime::Implements<FakePicture, IDispatch>(IID_IPictureDisp),
        };
        return table;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) noexcept override {
        return DISP_E_MEMBERNOTFOUND;
    }

  private:
    friend struct runtime::ComObjectAccess;
    FakePicture() = default;
    ~FakePicture() = default;
};

class PropertiesTest : public SleekonTest {
  protected:
    void SetUp() override {
        SleekonTest::SetUp();
        CreateAndHost(15, 15, Stored().get());
    }

    runtime::Variant Get(DISPID property) {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        runtime::Variant result;
        EXPECT_EQ(dispatch->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                   &none, result.put(), nullptr, nullptr),
                  S_OK);
        return result;
    }
    ComPtr<IUnknown> PictureNow() {
        const runtime::Variant value = Get(flatbutton::kDispidPicture);
        ComPtr<IUnknown> identity;
        if (value->vt == VT_DISPATCH && value->pdispVal != nullptr) {
            value->pdispVal->QueryInterface(IID_IUnknown, identity.putVoid());
        }
        return identity;
    }
};

TEST_F(PropertiesTest, NamesResolveToTheFixedDispatchIdentifiers) {
    const std::pair<const wchar_t*, DISPID> names[] = {{L"BackColor", flatbutton::kDispidBackColor},
                                                       {L"Enabled", flatbutton::kDispidEnabled},
                                                       {L"Picture", flatbutton::kDispidPicture}};
    for (const auto& [name, expected] : names) {
        LPOLESTR asked = const_cast<LPOLESTR>(name);
        DISPID id = 0;
        EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &asked, 1, LOCALE_USER_DEFAULT, &id), S_OK);
        EXPECT_EQ(id, expected) << runtime::NarrowToAscii(name);
    }
}

TEST_F(PropertiesTest, APictureSetByPutOrPutRefIsSharedAndShownAtOnce) {
    for (const WORD flags : {WORD{DISPATCH_PROPERTYPUT}, WORD{DISPATCH_PROPERTYPUTREF}}) {
        ComPtr<IPictureDisp> picture = MakePicture(10, 10);
        ASSERT_EQ(PutPicture(picture.get(), flags), S_OK);
        EXPECT_EQ(log.Take(), (Calls{"OnChanged(0x68030000)"}));
        EXPECT_TRUE(
            SameFace(Snapshot(false), ExpectedFace(Size(), {10, 10}, {2, 2}, Look::Flat), 15));
        ComPtr<IUnknown> identity;
        ASSERT_EQ(picture.as(IID_IUnknown, identity), S_OK);
        EXPECT_EQ(PictureNow().get(), identity.get());
        identity.reset();
        EXPECT_EQ(CountOf(picture.get()), 2u);  // ours and the control's: not a copy

        // A later change to the picture shows at the next repaint.
        OLE_HANDLE handle = 0;
        ComPtr<IPicture> drawable;
        ASSERT_EQ(picture.as(IID_IPicture, drawable), S_OK);
        ASSERT_EQ(drawable->get_Handle(&handle), S_OK);
        {
            const runtime::UniqueMemoryDc memory(::CreateCompatibleDC(nullptr));
            const runtime::SelectedObject selected(
                memory.get(), reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
            ::SetPixel(memory.get(), 5, 5, RGB(1, 2, 3));
        }
        ::InvalidateRect(Window(), nullptr, FALSE);
        EXPECT_EQ(Pixel(7, 7), RGB(1, 2, 3));
    }
    ASSERT_EQ(PutPicture(nullptr), S_OK);
    EXPECT_FALSE(PictureNow());
    EXPECT_TRUE(Shows({}, {}, Look::Flat));
}

TEST_F(PropertiesTest, EnabledAndBackColorReadBackAndRepaint) {
    ASSERT_EQ(PutEnabled(false), S_OK);
    const runtime::Variant enabled = Get(flatbutton::kDispidEnabled);
    EXPECT_EQ(enabled->vt, VT_BOOL);
    EXPECT_EQ(enabled->boolVal, VARIANT_FALSE);
    EXPECT_FALSE(::IsWindowEnabled(Window()));
    ASSERT_EQ(PutEnabled(true), S_OK);
    EXPECT_TRUE(::IsWindowEnabled(Window()));

    ASSERT_EQ(PutBackColor(RGB(10, 20, 30)), S_OK);
    EXPECT_EQ(Snapshot(false)[7 * 15 + 7], RGB(10, 20, 30));  // repainted before the put returned
    const runtime::Variant colour = Get(flatbutton::kDispidBackColor);
    EXPECT_EQ(colour->vt, VT_UI4);
    EXPECT_EQ(colour->ulVal, RGB(10, 20, 30));
    // A system colour index is resolved when painting.
    ASSERT_EQ(PutBackColor(0x80000000 | COLOR_HIGHLIGHT), S_OK);
    EXPECT_EQ(Pixel(7, 7), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(log.Take(), (Calls{"OnChanged(0x68030001)", "OnChanged(0x68030001)",
                                 "OnChanged(0x68030002)", "OnChanged(0x68030002)"}));
}

TEST_F(PropertiesTest, AnInvalidColourOrANonPictureChangesNothing) {
    for (const OLE_COLOR bad : {OLE_COLOR{0x03000000}, OLE_COLOR{0xFF000000}}) {
        EXPECT_EQ(PutBackColor(bad), CTL_E_INVALIDPROPERTYVALUE);
    }
    EXPECT_EQ(Get(flatbutton::kDispidBackColor)->ulVal, kBackColour);
    // A dispatch object that is no picture, given straight to the dual interface (through
    // IDispatch the type library already refuses it).
    ComPtr<_SleekonControl> dual;
    ASSERT_EQ(object.as(IID__SleekonControl, dual), S_OK);
    const ComPtr<IDispatch> notAPicture =
        runtime::MakeComObject<container::EventSink>(GUID_NULL, [](DISPID, DISPPARAMS&) {});
    EXPECT_EQ(dual->put_Picture(reinterpret_cast<IPictureDisp*>(notAPicture.get())),
              DISP_E_TYPEMISMATCH);
    EXPECT_FAILED(PutPicture(notAPicture.get()));
    EXPECT_FALSE(PictureNow());
    log.Take();
    EXPECT_TRUE(Shows({}, {}, Look::Flat));
    EXPECT_TRUE(log.Take().empty());  // no notification either
}

TEST_F(PropertiesTest, AFailingNotificationEndsThePutButTheValueStays) {
    notify->changedResult = E_FAIL;
    EXPECT_EQ(PutBackColor(RGB(10, 20, 30)), E_FAIL);
    EXPECT_EQ(Get(flatbutton::kDispidBackColor)->ulVal, RGB(10, 20, 30));
    EXPECT_EQ(Snapshot(false)[7 * 15 + 7], kBackColour);  // no repaint after the failure
}

TEST_F(PropertiesTest, ANotificationThatThrowsFailsThePutAndTheHostCarriesOn) {
    const std::pair<void (*)(), HRESULT> throws[] = {
        {[] { throw std::bad_alloc(); }, E_OUTOFMEMORY}, {[] { throw 1; }, E_UNEXPECTED}};
    for (const auto& [raise, expected] : throws) {
        notify->raise = raise;
        EXPECT_EQ(PutBackColor(RGB(10, 20, 30)), expected);
    }
    notify->raise = [] {};
    ASSERT_EQ(PutEnabled(true), S_OK);
    EXPECT_EQ(Pixel(7, 7), RGB(10, 20, 30));  // set before the failure, and repainted now
}

TEST_F(PropertiesTest, APictureWithoutASizeFailsTheRepaintThatTheSetRequests) {
    ComPtr<FakePicture> fake = runtime::MakeComObject<FakePicture>();
    EXPECT_EQ(PutPicture(fake.get()), DISP_E_MEMBERNOTFOUND);
    EXPECT_TRUE(PictureNow());  // set before the repaint failed
    // Hover still ends although every repaint fails.
    Mouse mouse;
    ASSERT_TRUE(mouse.MoveTo(OnScreen(7, 7)));
    ASSERT_EQ(::GetCapture(), Window());
    ASSERT_TRUE(mouse.MoveTo(OnScreen(40, 7)));
    EXPECT_NE(::GetCapture(), Window());
    ASSERT_EQ(PutPicture(nullptr), S_OK);
}

}  // namespace
}  // namespace flatbutton_test
