#include "container/control_set_win32.h"

#include "runtime/com_check_win32.h"
#include "runtime/himetric.h"
#include "runtime/screen_dpi_win32.h"

namespace container {

namespace {

LONG ExtentOf(const ControlSpec& spec, std::wstring_view name, LONG pixels, int dotsPerInch) {
    for (const BagEntry& entry : spec.bag) {
        if (entry.name == name && entry.value->vt == VT_I4) {
            return entry.value->lVal;
        }
    }
    return runtime::PixelsToHimetric(pixels, dotsPerInch);
}

}  // namespace

ControlSet::ControlSet(HWND window, EventHandler onEvent)
    : window_(window),
      onEvent_(std::move(onEvent)),
      frame_(runtime::MakeComObject<InPlaceFrame>(window)) {}

HRESULT ControlSet::Host(ControlSpec spec) {
    const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
    const SIZEL extent = {ExtentOf(spec, L"_extentx", spec.place.right - spec.place.left, dots.x),
                          ExtentOf(spec, L"_extenty", spec.place.bottom - spec.place.top, dots.y)};
    const runtime::ComPtr<ControlSite> site =
        runtime::MakeComObject<ControlSite>(window_, spec.place, frame_.clone());
    const runtime::ComPtr<PropertyBag> bag =
        runtime::MakeComObject<PropertyBag>(std::move(spec.bag));
    if (!frame_ || !site || !bag) {
        return E_OUTOFMEMORY;
    }
    HostedControl control;
    SUITE_RETURN_IF_FAILED(control.Create(spec.classId, spec.progId));
    SUITE_RETURN_IF_FAILED(control.Activate(
        *site.get(), bag.get(), extent,
        [onEvent = onEvent_, name = spec.name](DISPID event, DISPPARAMS& arguments) {
            onEvent(name, event, arguments);
        }));
    controls_.push_back({std::move(spec.name), site.clone(), std::move(control)});
    return S_OK;
}

ControlSet::Named* ControlSet::Find(std::string_view control) {
    for (Named& named : controls_) {
        if (named.name == control) {
            return &named;
        }
    }
    return nullptr;
}

HRESULT ControlSet::Put(std::string_view control, DISPID property, const VARIANT& value) {
    Named* const named = Find(control);
    return named != nullptr ? named->control.Put(property, value) : DISP_E_MEMBERNOTFOUND;
}

HRESULT ControlSet::Move(std::string_view control, const RECT& place, int dotsPerInch) {
    Named* const named = Find(control);
    if (named == nullptr) {
        return DISP_E_MEMBERNOTFOUND;
    }
    SIZEL extent = {runtime::PixelsToHimetric(place.right - place.left, dotsPerInch),
                    runtime::PixelsToHimetric(place.bottom - place.top, dotsPerInch)};
    SUITE_RETURN_IF_FAILED(named->control.object()->SetExtent(DVASPECT_CONTENT, &extent));
    return named->site->OnPosRectChange(&place);
}

}  // namespace container
