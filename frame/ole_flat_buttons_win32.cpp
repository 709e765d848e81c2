#include "frame/ole_flat_buttons_win32.h"

#include <map>
#include <string>
#include <vector>

#include "flatbutton/sleekon_dispids.h"
#include "frame/ole_sites_win32.h"

namespace frame {

namespace {

using runtime::ComPtr;

constexpr double kHimetricPerInch = 2540.0;

// A property of the control in its stored bag, when there.
const BagEntry* FindEntry(const LayoutItem& item, std::string_view name) {
    for (const BagEntry& entry : item.bag) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

LONG ExtentOf(const LayoutItem& item, std::string_view name, int pixels, int dotsPerInch) {
    if (const BagEntry* entry = FindEntry(item, name); entry && entry->type == BagEntry::Type::I4) {
        return entry->number;
    }
    return static_cast<LONG>(pixels * kHimetricPerInch / dotsPerInch + 0.5);
}

class OleFlatButtons final : public FlatButtons {
  public:
    OleFlatButtons(HWND window, std::function<void(std::string_view)> onClick)
        : window_(window),
          onClick_(std::move(onClick)),
          frame_(runtime::MakeComObject<InPlaceFrame>(window)) {}

    ~OleFlatButtons() override {
        for (Hosted& hosted : hosted_) {
            if (hosted.events && hosted.cookie != 0) {
                hosted.events->Unadvise(hosted.cookie);
            }
            if (hosted.object) {
                hosted.object->Close(OLECLOSE_NOSAVE);
                hosted.object->SetClientSite(nullptr);
            }
        }
        hosted_.clear();
    }

    HRESULT Host(const FormLayout& layout) {
        for (const LayoutItem& item : layout.items) {
            HRESULT result = S_OK;
            if (item.kind == LayoutItem::Kind::Image) {
                ComPtr<IPictureDisp> picture;
                result = LoadBitmapPicture(item.bitmap, picture.put());
                pictures_[item.name] = std::move(picture);
            } else {
                result = HostControl(item);
            }
            if (FAILED(result)) {
                return result;
            }
        }
        return S_OK;
    }

    void SetPictureFrom(std::string_view button, std::string_view picture) override {
        const auto found = pictures_.find(std::string(picture));
        VARIANT value;
        ::VariantInit(&value);
        value.vt = VT_DISPATCH;
        value.pdispVal = found != pictures_.end() ? found->second.get() : nullptr;
        Put(button, sleekon::kDispidPicture, value);
    }

    void SetEnabled(std::string_view button, bool enabled) override {
        VARIANT value;
        ::VariantInit(&value);
        value.vt = VT_BOOL;
        value.boolVal = enabled ? VARIANT_TRUE : VARIANT_FALSE;
        Put(button, sleekon::kDispidEnabled, value);
    }

  private:
    struct Hosted {
        std::string name;
        ComPtr<IOleObject> object;
        ComPtr<IDispatch> dispatch;
        ComPtr<IConnectionPoint> events;
        DWORD cookie = 0;
    };

    HRESULT Create(const LayoutItem& item, ComPtr<IOleObject>& object) {
        const std::wstring classText(item.classId.begin(), item.classId.end());
        CLSID classId;
        HRESULT result = ::CLSIDFromString(classText.c_str(), &classId);
        if (SUCCEEDED(result)) {
            result = ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                        object.putVoid());
        }
        if (FAILED(result) && !item.progId.empty()) {
            const std::wstring progId(item.progId.begin(), item.progId.end());
            if (SUCCEEDED(::CLSIDFromProgID(progId.c_str(), &classId))) {
                result = ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                            object.putVoid());
            }
        }
        return result;
    }

    HRESULT HostControl(const LayoutItem& item) {
        Hosted hosted;
        hosted.name = item.name;
        HRESULT result = Create(item, hosted.object);
        if (FAILED(result)) {
            return result;
        }
        const RECT place = {item.left, item.top, item.left + item.width, item.top + item.height};
        const ComPtr<ControlSite> site =
            runtime::MakeComObject<ControlSite>(window_, place, frame_.clone());
        if (!site) {
            return E_OUTOFMEMORY;
        }
        result = hosted.object->SetClientSite(site.get());
        if (FAILED(result)) {
            return result;
        }
        if (ComPtr<IPersistPropertyBag> persist;
            SUCCEEDED(hosted.object.as(IID_IPersistPropertyBag, persist))) {
            const ComPtr<LayoutPropertyBag> bag =
                runtime::MakeComObject<LayoutPropertyBag>(item.bag);
            result = bag ? persist->Load(bag.get(), nullptr) : E_OUTOFMEMORY;
        } else if (ComPtr<IPersistStreamInit> fresh;
                   SUCCEEDED(hosted.object.as(IID_IPersistStreamInit, fresh))) {
            result = fresh->InitNew();
        }
        if (FAILED(result)) {
            return result;
        }
        SIZEL extent = {ExtentOf(item, "_extentx", item.width, DotsPerInch(LOGPIXELSX)),
                        ExtentOf(item, "_extenty", item.height, DotsPerInch(LOGPIXELSY))};
        hosted.object->SetExtent(DVASPECT_CONTENT, &extent);
        result = Advise(hosted);
        if (FAILED(result)) {
            return result;
        }
        result = hosted.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, window_,
                                       &place);
        if (FAILED(result)) {
            return result;
        }
        if (ComPtr<IOleInPlaceObject> inPlace;
            SUCCEEDED(hosted.object.as(IID_IOleInPlaceObject, inPlace))) {
            site->Attach(inPlace.get());
            inPlace->SetObjectRects(&place, &place);
        }
        result = hosted.object.as(IID_IDispatch, hosted.dispatch);
        if (FAILED(result)) {
            return result;
        }
        hosted_.push_back(std::move(hosted));
        return S_OK;
    }

    // The container learns the control's event interface from the control itself.
    HRESULT Advise(Hosted& hosted) {
        ComPtr<IProvideClassInfo2> classInfo;
        ComPtr<IConnectionPointContainer> points;
        IID events;
        HRESULT result = hosted.object.as(IID_IProvideClassInfo2, classInfo);
        if (SUCCEEDED(result)) {
            result = classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
        }
        if (SUCCEEDED(result)) {
            result = hosted.object.as(IID_IConnectionPointContainer, points);
        }
        if (SUCCEEDED(result)) {
            result = points->FindConnectionPoint(events, hosted.events.put());
        }
        if (FAILED(result)) {
            return result;
        }
        const ComPtr<ControlEventSink> sink = runtime::MakeComObject<ControlEventSink>(
            events, [onClick = onClick_, name = hosted.name](DISPID event) {
                if (event == sleekon::kDispidClick) {
                    onClick(name);
                }
            });
        return sink ? hosted.events->Advise(sink.get(), &hosted.cookie) : E_OUTOFMEMORY;
    }

    void Put(std::string_view button, DISPID property, VARIANT& value) {
        for (Hosted& hosted : hosted_) {
            if (hosted.name != button) {
                continue;
            }
            DISPID named = DISPID_PROPERTYPUT;
            DISPPARAMS parameters = {&value, &named, 1, 1};
            hosted.dispatch->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                    &parameters, nullptr, nullptr, nullptr);
        }
    }

    int DotsPerInch(int axis) const {
        const HDC dc = ::GetDC(window_);
        const int dots = dc != nullptr ? ::GetDeviceCaps(dc, axis) : 96;
        ::ReleaseDC(window_, dc);
        return dots > 0 ? dots : 96;
    }

    HWND window_;
    std::function<void(std::string_view)> onClick_;
    ComPtr<InPlaceFrame> frame_;
    std::vector<Hosted> hosted_;
    std::map<std::string, ComPtr<IPictureDisp>, std::less<>> pictures_;
};

}  // namespace

std::unique_ptr<FlatButtons> CreateOleFlatButtons(HWND window, const FormLayout& layout,
                                                  std::function<void(std::string_view)> onClick) {
    auto buttons = std::make_unique<OleFlatButtons>(window, std::move(onClick));
    if (FAILED(buttons->Host(layout))) {
        return nullptr;
    }
    return buttons;
}

}  // namespace frame
