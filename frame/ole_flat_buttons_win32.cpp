#include "frame/ole_flat_buttons_win32.h"

#include <map>
#include <string>
#include <vector>

#include "container/control_set_win32.h"
#include "flatbutton/sleekon_dispids.h"
#include "runtime/ascii_text.h"
#include "runtime/bitmap_picture_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/display_scale.h"
#include "runtime/scaled_bitmap_win32.h"
#include "runtime/variant_win32.h"

namespace frame {

namespace {

using runtime::ComPtr;
using runtime::Variant;

RECT PlaceAt(const LayoutItem& item, int dpi) {
    const runtime::EdgeRect place =
        runtime::ScalePlace(item.left, item.top, item.width, item.height, dpi);
    return {place.left, place.top, place.right, place.bottom};
}

// A bitmap resource of the program, drawn for dpi, as a picture object that owns the bitmap.
HRESULT LoadBitmapPicture(const std::string& name, int dpi, ComPtr<IPictureDisp>& picture) {
    runtime::UniqueBitmap bitmap = runtime::LoadBitmapForDpi(
        ::GetModuleHandleW(nullptr), runtime::WidenAscii(name).c_str(), dpi);
    if (!bitmap) {
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return runtime::BitmapPicture(std::move(bitmap), nullptr, picture.put());
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

    HRESULT Host(const FormLayout& layout, int dpi) {
        dpi_ = dpi;
        for (const LayoutItem& item : layout.items) {
            if (item.kind == LayoutItem::Kind::Image) {
                images_[item.name] = item.bitmap;
                continue;
            }
            container::ControlSpec spec;
            SUITE_RETURN_IF_FAILED(ToControlSpec(item, spec));
            SUITE_RETURN_IF_FAILED(controls_.Host(std::move(spec)));
            buttons_.push_back(&item);
        }
        return S_OK;
    }

    // The main window goes on with its toggle whatever a button answers, so the result of
    // a put is the button's own business.
    void SetPictureFrom(std::string_view button, std::string_view picture) override {
        const auto found = images_.find(picture);
        std::string& shown = shown_[std::string(button)];
        shown = found != images_.end() ? found->second : std::string();
        ShowPicture(button, shown);
    }

    void SetEnabled(std::string_view button, bool enabled) override {
        controls_.Put(button, flatbutton::kDispidEnabled, Variant::Boolean(enabled).get());
    }

    void LayOut(int dpi) override {
        if (dpi == dpi_) {
            return;
        }
        dpi_ = dpi;
        pictures_.clear();  // drawn for the earlier scaling
        for (const LayoutItem* button : buttons_) {
            controls_.Move(button->name, PlaceAt(*button, dpi), dpi);
            ShowPicture(button->name, shown_[button->name]);
        }
    }

  private:
    // The picture of a bitmap resource at the current scaling, one object per resource
    // that every button showing it shares; none for an empty name or a missing resource.
    IPictureDisp* Picture(const std::string& resource) {
        if (resource.empty()) {
            return nullptr;
        }
        ComPtr<IPictureDisp>& picture = pictures_[resource];
        if (!picture && FAILED(LoadBitmapPicture(resource, dpi_, picture))) {
            return nullptr;
        }
        return picture.get();
    }

    void ShowPicture(std::string_view button, const std::string& resource) {
        controls_.Put(button, flatbutton::kDispidPicture,
                      Variant::Dispatch(Picture(resource)).get());
    }

    HRESULT ToBagValue(const LayoutItem& item, const BagEntry& entry, Variant& value) {
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
                IPictureDisp* const picture = Picture(entry.text);
                if (picture == nullptr) {
                    return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
                }
                shown_[item.name] = entry.text;
                value = Variant::Dispatch(picture);
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }

    HRESULT ToControlSpec(const LayoutItem& item, container::ControlSpec& spec) {
        spec.name = item.name;
        spec.classId = runtime::WidenAscii(item.classId);
        spec.progId = runtime::WidenAscii(item.progId);
        spec.place = PlaceAt(item, dpi_);
        for (const BagEntry& entry : item.bag) {
            Variant value;
            SUITE_RETURN_IF_FAILED(ToBagValue(item, entry, value));
            spec.bag.push_back({runtime::WidenAscii(entry.name), std::move(value)});
        }
        return S_OK;
    }

    container::ControlSet controls_;
    int dpi_ = runtime::kBaseDpi;
    std::vector<const LayoutItem*> buttons_;  // of the window's layout, which outlives them
    std::map<std::string, std::string, std::less<>> images_;  // image name -> bitmap resource
    std::map<std::string, std::string, std::less<>> shown_;   // button -> bitmap resource
    std::map<std::string, ComPtr<IPictureDisp>, std::less<>> pictures_;  // resource -> picture
};

}  // namespace

std::unique_ptr<FlatButtons> CreateOleFlatButtons(HWND window, const FormLayout& layout, int dpi,
                                                  std::function<void(std::string_view)> onClick) {
    auto buttons = std::make_unique<OleFlatButtons>(window, std::move(onClick));
    if (FAILED(buttons->Host(layout, dpi))) {
        return nullptr;
    }
    return buttons;
}

}  // namespace frame
