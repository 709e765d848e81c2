// The persisted form: property-bag entries with the default-and-omission rule, and the
// control's own versioned stream.
#include <gtest/gtest.h>

#include "flatbutton/tests/sleekon_fixture_win32.h"
#include "runtime/himetric.h"

namespace flatbutton_test {
namespace {

class PersistenceTest : public SleekonTest {
  protected:
    void SetUp() override {
        SleekonTest::SetUp();
        Create();
        ASSERT_EQ(object.as(IID_IPersistPropertyBag, persist), S_OK);
        ASSERT_EQ(object.as(IID__SleekonControl, dual), S_OK);
        bag = runtime::MakeComObject<LoggingBag>(log);
    }
    void TearDown() override {
        persist.reset();
        dual.reset();
        bag.reset();
        SleekonTest::TearDown();
    }

    OLE_COLOR BackColor() {
        OLE_COLOR colour = 0;
        EXPECT_EQ(dual->get_BackColor(&colour), S_OK);
        return colour;
    }
    VARIANT_BOOL Enabled() {
        VARIANT_BOOL enabled = 0;
        EXPECT_EQ(dual->get_Enabled(&enabled), S_OK);
        return enabled;
    }
    ComPtr<IPictureDisp> Picture() {
        ComPtr<IPictureDisp> picture;
        EXPECT_EQ(dual->get_Picture(picture.put()), S_OK);
        return picture;
    }

    ComPtr<IPersistPropertyBag> persist;
    ComPtr<_SleekonControl> dual;
    ComPtr<LoggingBag> bag;
};

TEST_F(PersistenceTest, AFreshInstanceSavesNothing) {
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(persist->Save(bag.get(), TRUE, TRUE), S_OK);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_TRUE(bag->Names().empty());
}

TEST_F(PersistenceTest, AnEmptyBagGivesTheDefaultsAskingEachNameAlsoInLowerCase) {
    ASSERT_EQ(persist->Load(bag.get(), nullptr), S_OK);
    EXPECT_EQ(log.Take(), (Calls{"Bag.Read(BackColor)", "Bag.Read(backcolor)", "Bag.Read(Enabled)",
                                 "Bag.Read(enabled)", "Bag.Read(Picture)", "Bag.Read(picture)"}));
    EXPECT_EQ(BackColor(), 0x8000000Fu);
    EXPECT_EQ(Enabled(), VARIANT_TRUE);
    EXPECT_FALSE(Picture());
}

TEST_F(PersistenceTest, LowerCaseNamesLoadFromABagThatMatchesExactly) {
    for (const bool asDispatch : {true, false}) {
        ComPtr<IPictureDisp> picture = MakePicture(10, 10);
        bag->Put(L"backcolor", runtime::Variant::Int32(13497855));
        bag->Put(L"picture", asDispatch ? runtime::Variant::Dispatch(picture.get())
                                        : runtime::Variant::Unknown(picture.get()));
        bag->Put(L"_extentx", runtime::Variant::Int32(847));  // the container's, not the control's
        ASSERT_EQ(persist->Load(bag.get(), nullptr), S_OK);
        EXPECT_EQ(BackColor(), 13497855u);
        EXPECT_EQ(Picture().get(), picture.get());
    }
    EXPECT_EQ(log.Take()[1], "Bag.Read(backcolor)");
}

TEST_F(PersistenceTest, SavesWhatDiffersFromItsDefaultInOrder) {
    ComPtr<IPictureDisp> picture = MakePicture(10, 10);
    ASSERT_EQ(dual->put_BackColor(RGB(1, 2, 3)), S_OK);
    ASSERT_EQ(dual->put_Enabled(VARIANT_FALSE), S_OK);
    ASSERT_EQ(dual->putref_Picture(picture.get()), S_OK);
    ASSERT_EQ(persist->Save(bag.get(), TRUE, FALSE), S_OK);
    EXPECT_EQ(log.Take(),
              (Calls{"Bag.Write(BackColor)", "Bag.Write(Enabled)", "Bag.Write(Picture)"}));
    const VARIANT* colour = bag->Find(L"BackColor");
    const VARIANT* enabled = bag->Find(L"Enabled");
    const VARIANT* saved = bag->Find(L"Picture");
    ASSERT_TRUE(colour && enabled && saved);
    EXPECT_EQ(colour->vt, VT_I4);
    EXPECT_EQ(colour->lVal, static_cast<LONG>(RGB(1, 2, 3)));
    EXPECT_EQ(enabled->vt, VT_BOOL);
    EXPECT_EQ(enabled->boolVal, VARIANT_FALSE);
    EXPECT_EQ(saved->vt, VT_DISPATCH);
    EXPECT_EQ(saved->pdispVal, picture.get());

    // Enabled back to True: no longer stored.
    ComPtr<LoggingBag> second = runtime::MakeComObject<LoggingBag>(log);
    ASSERT_EQ(dual->put_Enabled(VARIANT_TRUE), S_OK);
    ASSERT_EQ(persist->Save(second.get(), TRUE, FALSE), S_OK);
    EXPECT_EQ(second->Names(), (std::vector<std::wstring>{L"BackColor", L"Picture"}));
}

TEST_F(PersistenceTest, ANonPictureEndsTheLoadAfterTheFirstTwoEntries) {
    bag->Put(L"BackColor", runtime::Variant::Int32(255));
    bag->Put(L"Enabled", runtime::Variant::Boolean(false));
    bag->Put(L"Picture", runtime::Variant::Int32(5));
    EXPECT_EQ(persist->Load(bag.get(), nullptr), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(BackColor(), 255u);
    EXPECT_EQ(Enabled(), VARIANT_FALSE);
    EXPECT_FALSE(Picture());

    ComPtr<LoggingBag> objectBag = runtime::MakeComObject<LoggingBag>(log);
    objectBag->Put(L"Picture", runtime::Variant::Unknown(notify.get()));  // an object, no picture
    EXPECT_EQ(persist->Load(objectBag.get(), nullptr), DISP_E_TYPEMISMATCH);
}

TEST_F(PersistenceTest, AFailingReadOrWriteEndsTheOperationAtThatEntry) {
    bag->Put(L"BackColor", runtime::Variant::Int32(255));
    bag->failingName = L"Enabled";
    EXPECT_EQ(persist->Load(bag.get(), nullptr), E_FAIL);
    EXPECT_EQ(log.Take(), (Calls{"Bag.Read(BackColor)", "Bag.Read(Enabled)"}));
    EXPECT_EQ(BackColor(), 255u);

    ASSERT_EQ(dual->put_Enabled(VARIANT_FALSE), S_OK);
    ASSERT_EQ(dual->putref_Picture(MakePicture(4, 4).get()), S_OK);
    log.Take();
    EXPECT_EQ(persist->Save(bag.get(), TRUE, FALSE), E_FAIL);
    EXPECT_EQ(log.Take(), (Calls{"Bag.Write(BackColor)", "Bag.Write(Enabled)"}));
}

TEST_F(PersistenceTest, LoadingNeitherNotifiesNorRepaints) {
    Host({10, 10, 25, 25});
    const std::vector<COLORREF> before = Snapshot();
    bag->Put(L"BackColor", runtime::Variant::Int32(static_cast<LONG>(kBackColour)));
    ASSERT_EQ(persist->Load(bag.get(), nullptr), S_OK);
    PumpMessages();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(log.Take(), (Calls{"Bag.Read(BackColor)", "Bag.Read(Enabled)", "Bag.Read(enabled)",
                                 "Bag.Read(Picture)", "Bag.Read(picture)"}));
    ::InvalidateRect(Window(), nullptr, FALSE);
    EXPECT_TRUE(Shows({}, {}, Look::Flat));  // the next repaint shows the loaded colour
}

TEST_F(PersistenceTest, TheStreamKeepsEveryPropertyAndTheDirtyState) {
    ComPtr<IPersistStreamInit> stream;
    ASSERT_EQ(object.as(IID_IPersistStreamInit, stream), S_OK);
    ASSERT_EQ(stream->InitNew(), S_OK);
    EXPECT_EQ(stream->IsDirty(), S_FALSE);
    ASSERT_EQ(dual->put_BackColor(kBackColour), S_OK);
    ASSERT_EQ(dual->put_Enabled(VARIANT_FALSE), S_OK);
    ASSERT_EQ(dual->put_Picture(MakePicture(10, 10).get()), S_OK);
    EXPECT_EQ(stream->IsDirty(), S_OK);

    ComPtr<IStream> memory;
    ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, memory.put()), S_OK);
    ULARGE_INTEGER most = {};
    ASSERT_EQ(stream->GetSizeMax(&most), S_OK);
    ASSERT_EQ(stream->Save(memory.get(), TRUE), S_OK);
    EXPECT_EQ(stream->IsDirty(), S_FALSE);
    STATSTG written = {};
    ASSERT_EQ(memory->Stat(&written, STATFLAG_NONAME), S_OK);
    EXPECT_GT(written.cbSize.QuadPart, 12u);
    EXPECT_LE(written.cbSize.QuadPart, most.QuadPart);

    // A second control reads it back and shows the picture.
    const LARGE_INTEGER start = {};
    ASSERT_EQ(memory->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
    unsigned char header[12] = {};
    ASSERT_EQ(memory->Read(header, 12, nullptr), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header), 4), "SLKN");
    EXPECT_EQ(header[4], 1);     // version
    EXPECT_EQ(header[6], 0x02);  // a picture follows, not enabled
    ASSERT_EQ(memory->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
    ComPtr<IPersistStreamInit> copy;
    ASSERT_EQ(CreateAnother(IID_IPersistStreamInit, copy.putVoid()), S_OK);
    ASSERT_EQ(copy->Load(memory.get()), S_OK);
    ComPtr<_SleekonControl> copied;
    ASSERT_EQ(copy.as(IID__SleekonControl, copied), S_OK);
    OLE_COLOR colour = 0;
    VARIANT_BOOL enabled = VARIANT_TRUE;
    ComPtr<IPictureDisp> picture;
    EXPECT_EQ(copied->get_BackColor(&colour), S_OK);
    EXPECT_EQ(copied->get_Enabled(&enabled), S_OK);
    EXPECT_EQ(copied->get_Picture(picture.put()), S_OK);
    EXPECT_EQ(colour, kBackColour);
    EXPECT_EQ(enabled, VARIANT_FALSE);
    ASSERT_TRUE(picture);
    OLE_XSIZE_HIMETRIC width = 0;
    ComPtr<IPicture> drawable;
    ASSERT_EQ(picture.as(IID_IPicture, drawable), S_OK);
    EXPECT_EQ(drawable->get_Width(&width), S_OK);
    EXPECT_EQ(width, runtime::PixelsToHimetric(10, 96));
}

TEST_F(PersistenceTest, AStreamOfALaterVersionOrCutShortIsRefused) {
    ComPtr<IPersistStreamInit> stream;
    ASSERT_EQ(object.as(IID_IPersistStreamInit, stream), S_OK);
    const unsigned char later[12] = {'S', 'L', 'K', 'N', 2, 0, 1, 0, 0xFF, 0, 0, 0};
    const unsigned char cut[7] = {'S', 'L', 'K', 'N', 1, 0, 1};
    for (const auto& [bytes, size, expected] :
         {std::tuple{later, ULONG{12}, STG_E_OLDDLL}, std::tuple{cut, ULONG{7}, STG_E_READFAULT}}) {
        ComPtr<IStream> memory;
        ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, memory.put()), S_OK);
        ASSERT_EQ(memory->Write(bytes, size, nullptr), S_OK);
        const LARGE_INTEGER start = {};
        ASSERT_EQ(memory->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
        EXPECT_EQ(stream->Load(memory.get()), expected);
    }
    EXPECT_EQ(BackColor(), 0x8000000Fu);  // nothing applied
}

}  // namespace
}  // namespace flatbutton_test
