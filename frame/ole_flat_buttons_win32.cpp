#include "frame/ole_flat_buttons_win32.h"

#include <map>
#include <string>
#include <vector>

#include "flatbutton/sleekon_dispids.h"
#include "frame/ole_sites_win32.h"
#include "runtime/ascii_text.h"
#include "runtime/com_check_win32.h"
#include "runtime/screen_dpi_win32.h"

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

// One control in the window. Whatever step of its set-up failed, it leaves disconnected
// from its event sink, closed and without its site.
class HostedControl {
  public:
    explicit HostedControl(std::string name) : name_(std::move(name)) {}
    HostedControl(HostedControl&&) = default;
    HostedControl& operator=(HostedControl&&) = delete;
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;
    ~HostedControl() {
        if (events_ && cookie_ != 0) {
            events_->Unadvise(cookie_);
        }
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
        }
    }

    const std::string& name() const { return name_; }

    HRESULT Create(const LayoutItem& item) {
        CLSID classId;
        HRESULT result = ::CLSIDFromString(runtime::WidenAscii(item.classId).c_str(), &classId);
        if (SUCCEEDED(result)) {
            result = ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                        object_.putVoid());
        }
        if (FAILED(result) && !item.progId.empty()) {
            if (SUCCEEDED(::CLSIDFromProgID(runtime::WidenAscii(item.progId).c_str(), &classId))) {
                result = ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                            object_.putVoid());
            }
        }
        return result;
    }

    // Sites, loads, connects and in-place activates the created control at its place.
    HRESULT Activate(const LayoutItem& item, HWND window, ComPtr<InPlaceFrame> frame,
                     std::function<void(DISPID)> onEvent) {
        const RECT place = {item.left, item.top, item.left + item.width, item.top + item.height};
        const ComPtr<ControlSite> site =
            runtime::MakeComObject<ControlSite>(window, place, std::move(frame));
        if (!site) {
            return E_OUTOFMEMORY;
        }
        SUITE_RETURN_IF_FAILED(object_->SetClientSite(site.get()));
        SUITE_RETURN_IF_FAILED(Load(item));
        const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
        SIZEL extent = {ExtentOf(item, "_extentx", item.width, dots.x),
                        ExtentOf(item, "_extenty", item.height, dots.y)};
        object_->SetExtent(DVASPECT_CONTENT, &extent);
        SUITE_RETURN_IF_FAILED(Advise(std::move(onEvent)));
        SUITE_RETURN_IF_FAILED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, window, &place));
        if (ComPtr<IOleInPlaceObject> inPlace;
            SUCCEEDED(object_.as(IID_IOleInPlaceObject, inPlace))) {
            site->Attach(inPlace.get());
            inPlace->SetObjectRects(&place, &place);
        }
        return object_.as(IID_IDispatch, dispatch_);
    }

    HRESULT Put(DISPID property, VARIANT& value) {
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS parameters = {&value, &named, 1, 1};
        return dispatch_->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                 &parameters, nullptr, nullptr, nullptr);
    }

  private:
    HRESULT Load(const LayoutItem& item) {
        if (ComPtr<IPersistPropertyBag> persist;
            SUCCEEDED(object_.as(IID_IPersistPropertyBag, persist))) {
            const ComPtr<LayoutPropertyBag> bag =
                runtime::MakeComObject<LayoutPropertyBag>(item.bag);
            return bag ? persist->Load(bag.get(), nullptr) : E_OUTOFMEMORY;
        }
        if (ComPtr<IPersistStreamInit> fresh;
            SUCCEEDED(object_.as(IID_IPersistStreamInit, fresh))) {
            return fresh->InitNew();
        }
        return S_OK;
    }

    // The container learns the control's event interface from the control itself.
    HRESULT Advise(std::function<void(DISPID)> onEvent) {
        ComPtr<IProvideClassInfo2> classInfo;
        ComPtr<IConnectionPointContainer> points;
        IID events;
        SUITE_RETURN_IF_FAILED(object_.as(IID_IProvideClassInfo2, classInfo));
        SUITE_RETURN_IF_FAILED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
        SUITE_RETURN_IF_FAILED(object_.as(IID_IConnectionPointContainer, points));
        SUITE_RETURN_IF_FAILED(points->FindConnectionPoint(events, events_.put()));
        const ComPtr<ControlEventSink> sink =
            runtime::MakeComObject<ControlEventSink>(events, std::move(onEvent));
        return sink ? events_->Advise(sink.get(), &cookie_) : E_OUTOFMEMORY;
    }

    std::string name_;
    ComPtr<IOleObject> object_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IConnectionPoint> events_;
    DWORD cookie_ = 0;
};

class OleFlatButtons final : public FlatButtons {
  public:
    OleFlatButtons(HWND window, std::function<void(std::string_view)> onClick)
        : window_(window),
          onClick_(std::move(onClick)),
          frame_(runtime::MakeComObject<InPlaceFrame>(window)) {}

    HRESULT Host(const FormLayout& layout) {
        for (const LayoutItem& item : layout.items) {
            if (item.kind == LayoutItem::Kind::Image) {
                ComPtr<IPictureDisp> picture;
                SUITE_RETURN_IF_FAILED(LoadBitmapPicture(item.bitmap, picture.put()));
                pictures_[item.name] = std::move(picture);
                continue;
            }
            HostedControl control(item.name);
            SUITE_RETURN_IF_FAILED(control.Create(item));
            SUITE_RETURN_IF_FAILED(
                control.Activate(item, window_, frame_.clone(),
                                 [onClick = onClick_, name = item.name](DISPID event) {
                                     if (event == flatbutton::kDispidClick) {
                                         onClick(name);
                                     }
                                 }));
            controls_.push_back(std::move(control));
        }
        return S_OK;
    }

    // The main window goes on with its toggle whatever a button answers, so the result of
    // a put is the button's own business.
    void SetPictureFrom(std::string_view button, std::string_view picture) override {
        const auto found = pictures_.find(std::string(picture));
        VARIANT value;
        ::VariantInit(&value);
        value.vt = VT_DISPATCH;
        value.pdispVal = found != pictures_.end() ? found->second.get() : nullptr;
        Put(button, flatbutton::kDispidPicture, value);
    }

    void SetEnabled(std::string_view button, bool enabled) override {
        VARIANT value;
        ::VariantInit(&value);
        value.vt = VT_BOOL;
        value.boolVal = enabled ? VARIANT_TRUE : VARIANT_FALSE;
        Put(button, flatbutton::kDispidEnabled, value);
    }

  private:
    HRESULT Put(std::string_view button, DISPID property, VARIANT& value) {
        for (HostedControl& control : controls_) {
            if (control.name() == button) {
                return control.Put(property, value);
            }
        }
        return DISP_E_MEMBERNOTFOUND;
    }

    HWND window_;
    std::function<void(std::string_view)> onClick_;
    ComPtr<InPlaceFrame> frame_;
    std::vector<HostedControl> controls_;
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
