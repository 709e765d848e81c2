#include "testing/call_log_win32.h"

#include <ocidl.h>
#include <ole2.h>

#include "runtime/ascii_text.h"

namespace testing_support {

std::string InterfaceName(REFIID iid) {
    static const std::pair<const IID*, const char*> known[] = {
        {&IID_IUnknown, "IUnknown"},
        {&IID_IDispatch, "IDispatch"},
        {&IID_IOleObject, "IOleObject"},
        {&IID_IOleClientSite, "IOleClientSite"},
        {&IID_IOleWindow, "IOleWindow"},
        {&IID_IOleInPlaceSite, "IOleInPlaceSite"},
        {&IID_IOleInPlaceSiteEx, "IOleInPlaceSiteEx"},
        {&IID_IOleInPlaceSiteWindowless, "IOleInPlaceSiteWindowless"},
        {&IID_IOleInPlaceObject, "IOleInPlaceObject"},
        {&IID_IOleInPlaceActiveObject, "IOleInPlaceActiveObject"},
        {&IID_IOleControl, "IOleControl"},
        {&IID_IOleControlSite, "IOleControlSite"},
        {&IID_IOleInPlaceFrame, "IOleInPlaceFrame"},
        {&IID_IOleInPlaceUIWindow, "IOleInPlaceUIWindow"},
        {&IID_IViewObject, "IViewObject"},
        {&IID_IViewObject2, "IViewObject2"},
        {&IID_IPersist, "IPersist"},
        {&IID_IPersistPropertyBag, "IPersistPropertyBag"},
        {&IID_IPersistStreamInit, "IPersistStreamInit"},
        {&IID_IPropertyBag, "IPropertyBag"},
        {&IID_IPropertyBag2, "IPropertyBag2"},
        {&IID_IPropertyNotifySink, "IPropertyNotifySink"},
        {&IID_IProvideClassInfo, "IProvideClassInfo"},
        {&IID_IProvideClassInfo2, "IProvideClassInfo2"},
        {&IID_IConnectionPointContainer, "IConnectionPointContainer"},
        {&IID_IMarshal, "IMarshal"},
    };
    for (const auto& [id, name] : known) {
        if (::IsEqualIID(iid, *id)) {
            return name;
        }
    }
    wchar_t text[39] = {};
    ::StringFromGUID2(iid, text, 39);
    return runtime::NarrowToAscii(text);
}

}  // namespace testing_support
