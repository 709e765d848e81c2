// The notifications of the control's surface, from its window's messages, and the events
// they raise.
#include <windows.h>

#include "flatbutton/sleekon_control_win32.h"
#include "runtime/com_check_win32.h"
#include "runtime/gdi_handles_win32.h"

namespace flatbutton {

namespace {

// A signed 16-bit client coordinate of a mouse message; negative left of or above the
// client area while the control holds the capture.
float Coordinate(LPARAM at, int shift) noexcept {
    const auto bits =
        static_cast<std::uint16_t>((static_cast<std::uintptr_t>(at) >> shift) & 0xFFFF);
    return static_cast<float>(static_cast<std::int16_t>(bits));
}

SHORT ShiftState(WPARAM keys) noexcept {
    return static_cast<SHORT>(((keys & MK_SHIFT) != 0 ? kShiftKey : 0) |
                              ((keys & MK_CONTROL) != 0 ? kCtrlKey : 0) |
                              (::GetKeyState(VK_MENU) < 0 ? kAltKey : 0));
}

SHORT HeldButtons(WPARAM keys) noexcept {
    return static_cast<SHORT>(((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
                              ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
                              ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0));
}

}  // namespace

LRESULT SleekonControl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
        return window_.Default(message, wParam, lParam);
    }
    const Hold hold(*this);
    switch (message) {
        case WM_SIZE:
            OnResize();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the face clears the whole client area itself
        case WM_PAINT: {
            const runtime::PaintDc dc(SurfaceWindow());
            paintResult_ = dc.get() != nullptr ? OnRepaint(dc.get()) : E_FAIL;
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return OnButtonDown(kLeftButton, message == WM_LBUTTONDBLCLK, wParam, lParam);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return OnButtonDown(kRightButton, message == WM_RBUTTONDBLCLK, wParam, lParam);
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return OnButtonDown(kMiddleButton, message == WM_MBUTTONDBLCLK, wParam, lParam);
        case WM_LBUTTONUP:
            return OnButtonUp(kLeftButton, wParam, lParam);
        case WM_RBUTTONUP:
            return OnButtonUp(kRightButton, wParam, lParam);
        case WM_MBUTTONUP:
            return OnButtonUp(kMiddleButton, wParam, lParam);
        case WM_MOUSEMOVE:
            return OnPointerMove(wParam, lParam);
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != SurfaceWindow()) {
                pointerInput_.CaptureLost();
            }
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
        case WM_SYSDEADCHAR:
            // Alt combinations belong to the host (its hotkeys and menus), also when the
            // control has the focus.
            if (const HWND parent = ::GetParent(SurfaceWindow()); parent != nullptr) {
                return ::SendMessageW(parent, message, wParam, lParam);
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (site_) {
                runtime::ComPtr<IOleControlSite> controlSite;
                if (SUCCEEDED(site_.as(IID_IOleControlSite, controlSite))) {
                    controlSite->OnFocus(message == WM_SETFOCUS ? TRUE : FALSE);
                }
            }
            return 0;
        default:
            break;
    }
    return window_.Default(message, wParam, lParam);
}

LRESULT SleekonControl::OnButtonDown(std::int16_t button, bool secondPress, WPARAM keys,
                                     LPARAM at) noexcept {
    const PointerReport report = pointerInput_.ButtonDown(button, secondPress);
    SHORT eventButton = button;
    SHORT shift = ShiftState(keys);
    float x = Coordinate(at, 0);
    float y = Coordinate(at, 16);
    // The surface takes the capture for a left press, so that its release comes back here
    // and ends the pressed look wherever the pointer is then.
    if (ShowPressedApplies(button) && ::GetCapture() != SurfaceWindow()) {
        ::SetCapture(SurfaceWindow());
    }
    if (report.pointerDown) {
        ShowPressed(button);
        RaiseMouseEvent(flatbutton::kDispidMouseDown, eventButton, shift, x, y);
    }
    if (report.doubleClick) {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        RaiseEvent(flatbutton::kDispidDblClick, none);
        ShowPressed(kLeftButton);
    }
    return 0;
}

LRESULT SleekonControl::OnButtonUp(std::int16_t button, WPARAM keys, LPARAM at) noexcept {
    SHORT eventButton = button;
    SHORT shift = ShiftState(keys);
    float x = Coordinate(at, 0);
    float y = Coordinate(at, 16);
    const bool overControl =
        x >= static_cast<float>(m_ClientRect.left) && x < static_cast<float>(m_ClientRect.right) &&
        y >= static_cast<float>(m_ClientRect.top) && y < static_cast<float>(m_ClientRect.bottom);
    const PointerReport report = pointerInput_.ButtonUp(button, overControl);
    RaiseMouseEvent(flatbutton::kDispidMouseUp, eventButton, shift, x, y);
    ShowReleased();
    if (report.click) {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        RaiseEvent(flatbutton::kDispidClick, none);
        DrawRaisedFrame();
    }
    return 0;
}

LRESULT SleekonControl::OnPointerMove(WPARAM keys, LPARAM at) noexcept {
    SHORT button = HeldButtons(keys);
    SHORT shift = ShiftState(keys);
    float x = Coordinate(at, 0);
    float y = Coordinate(at, 16);
    RaiseMouseEvent(flatbutton::kDispidMouseMove, button, shift, x, y);
    // The handler may have changed what the hover tracking tests.
    TrackHover(button, x, y);
    return 0;
}

void SleekonControl::RaiseEvent(DISPID event, DISPPARAMS& parameters) noexcept {
    if (freezeCount_ > 0) {
        return;
    }
    // What a sink answers is its own business: one that does not handle an event says
    // so, and the control carries on with the next sink and the next step.
    runtime::GuardComCall([&] {
        for (const runtime::ComPtr<IUnknown>& sink : eventPoint_.Sinks()) {
            static_cast<IDispatch*>(sink.get())
                ->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                         nullptr, nullptr, nullptr);
        }
        return S_OK;
    });
}

void SleekonControl::RaiseMouseEvent(DISPID event, SHORT& button, SHORT& shift, float& x,
                                     float& y) noexcept {
    // By reference, last argument first: each sink sees what the previous one left.
    VARIANTARG arguments[4];
    for (VARIANTARG& argument : arguments) {
        ::VariantInit(&argument);
    }
    arguments[3].vt = VT_I2 | VT_BYREF;
    arguments[3].piVal = &button;
    arguments[2].vt = VT_I2 | VT_BYREF;
    arguments[2].piVal = &shift;
    arguments[1].vt = VT_R4 | VT_BYREF;
    arguments[1].pfltVal = &x;
    arguments[0].vt = VT_R4 | VT_BYREF;
    arguments[0].pfltVal = &y;
    DISPPARAMS parameters = {arguments, nullptr, 4, 0};
    RaiseEvent(event, parameters);
}

}  // namespace flatbutton
