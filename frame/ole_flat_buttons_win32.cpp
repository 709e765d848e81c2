#include "frame/ole_flat_buttons_win32.h"

#include <map>
#include <string>
#include <vector>

#include "container/control_set_win32.h"
#include "flatbutton/sleekon_dispids.h"
#include "runtime/ascii_text.h"
#include "runtime/bitmap_picture_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/variant_win32.h"

namespace frame {

namespace {

using runtime::ComPtr;
using runtime::Variant;

// A bitmap resource of the program as a picture object that owns the bitmap.
HRESULT LoadBitmapPicture(const std::string& name, ComPtr<IPictureDisp>& picture) {
    return runtime::LoadBitmapPicture(::GetModuleHandleW(nullptr),
                                      runtime::WidenAscii(name).c_str(), picture.put());
}

HRESULT ToBagValue(const BagEntry& entry, Variant& value) {
    switch (entry.type) {
        case BagEntry::Type::I4:
            value = Variant::Int32(entry.number);
            return S_OK;
        case BagEntry::Type::Bool:
            value = Variant::Boolean(entry.number != 0);
            return S_OK;
        case BagEntry::Type::String:
            value = Variant::String(runtime::WidenAscii(entry.text).c_str());
            return value->vt == VT_BSTR ? S_OK : E_OUTOFMEMORY;
        case BagEntry::Type::Bitmap: {
            ComPtr<IPictureDisp> picture;
            SUITE_RETURN_IF_FAILED(LoadBitmapPicture(entry.text, picture));
            value = Variant::Dispatch(picture.get());
            return S_OK;
        }
    }
    return E_INVALIDARG;
}

HRESULT ToControlSpec(const LayoutItem& item, container::ControlSpec& spec) {
    spec.name = item.name;
    spec.classId = runtime::WidenAscii(item.classId);
    spec.progId = runtime::WidenAscii(item.progId);
    spec.place = {item.left, item.top, item.left + item.width, item.top + item.height};
    for (const BagEntry& entry : item.bag) {
        Variant value;
        SUITE_RETURN_IF_FAILED(ToBagValue(entry, value));
        spec.bag.push_back({runtime::WidenAscii(entry.name), std::move(value)});
    }
    return S_OK;
}

class OleFlatButtons final : public FlatButtons {
  public:
    OleFlatButtons(HWND window, std::function<void(std::string_view)> onClick)
        : controls_(window, [onClick = std::move(onClick)](std::string_view control, DISPID event,
                                                           DISPPARAMS&) {
              if (event == flatbutton::kDispidClick) {
                  onClick(control);
              }
          }) {}

    HRESULT Host(const FormLayout& layout) {
        for (const LayoutItem& item : layout.items) {
            if (item.kind == LayoutItem::Kind::Image) {
                SUITE_RETURN_IF_FAILED(LoadBitmapPicture(item.bitmap, pictures_[item.name]));
                continue;
            }
            container::ControlSpec spec;
            SUITE_RETURN_IF_FAILED(ToControlSpec(item, spec));
            SUITE_RETURN_IF_FAILED(controls_.Host(std::move(spec)));
        }
        return S_OK;
    }

    // The main window goes on with its toggle whatever a button answers, so the result of
    // a put is the button's own business.
    void SetPictureFrom(std::string_view button, std::string_view picture) override {
        const auto found = pictures_.find(picture);
        controls_.Put(
            button, flatbutton::kDispidPicture,
            Variant::Dispatch(found != pictures_.end() ? found->second.get() : nullptr).get());
    }

    void SetEnabled(std::string_view button, bool enabled) override {
        controls_.Put(button, flatbutton::kDispidEnabled, Variant::Boolean(enabled).get());
    }

  private:
    container::ControlSet controls_;
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
