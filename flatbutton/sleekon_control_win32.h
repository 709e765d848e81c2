#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <span>

#include "flatbutton/button_look.h"
#include "flatbutton/connection_point_win32.h"
#include "flatbutton/control_window_win32.h"
#include "flatbutton/face_paint_win32.h"
#include "flatbutton/geometry.h"
#include "flatbutton/sleekon_ids_win32.h"
#include "runtime/com_object_win32.h"
#include "runtime/com_ptr_win32.h"

namespace flatbutton {

// The SleekonControl class: a flat picture button, a windowed ActiveX control.
//
// Its surface is its own child window in the container's window together with the
// background colour and the enabled state, which the surface holds and applies to the
// window while there is one. Every accessor and every notification handler holds a
// reference to the control until it returns, so that a client which releases the control
// from inside an event handler does not free it under the handler's feet.
//
// No exception leaves a method, as they are noexcept: the steps that allocate (the sinks'
// snapshot, the type library's path) run inside runtime::GuardComCall; the rest only call
// Win32 and COM on what the control holds.
class SleekonControl final
    : public runtime::ComObject<SleekonControl, _SleekonControl, IOleObject, IOleInPlaceObject,
                                IOleInPlaceActiveObject, IOleControl, IViewObject2,
                                IPersistPropertyBag, IPersistStreamInit, IProvideClassInfo2,
                                IConnectionPointContainer>,
      private WindowMessageHandler {
  public:
    static HRESULT Create(REFIID iid, void** out) noexcept;
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    // IDispatch, served from the type library.
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) noexcept override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception,
                        UINT* argumentError) noexcept override;

    // _SleekonControl
    STDMETHODIMP get_BackColor(OLE_COLOR* value) noexcept override;
    STDMETHODIMP put_BackColor(OLE_COLOR New_BackColor) noexcept override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL New_Enabled) noexcept override;
    STDMETHODIMP get_Picture(IPictureDisp** value) noexcept override;
    STDMETHODIMP putref_Picture(IPictureDisp* New_Picture) noexcept override;
    STDMETHODIMP put_Picture(IPictureDisp* New_Picture) noexcept override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) noexcept override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) noexcept override;
    STDMETHODIMP SetHostNames(LPCOLESTR application, LPCOLESTR object) noexcept override;
    STDMETHODIMP Close(DWORD saveOption) noexcept override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) noexcept override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) noexcept override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) noexcept override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) noexcept override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* activeSite, LONG index,
                        HWND parent, LPCRECT place) noexcept override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) noexcept override;
    STDMETHODIMP Update() noexcept override;
    STDMETHODIMP IsUpToDate() noexcept override;
    STDMETHODIMP GetUserClassID(CLSID* classId) noexcept override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) noexcept override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) noexcept override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) noexcept override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) noexcept override;
    STDMETHODIMP Unadvise(DWORD connection) noexcept override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) noexcept override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) noexcept override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) noexcept override;

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* window) noexcept override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) noexcept override;
    STDMETHODIMP InPlaceDeactivate() noexcept override;
    STDMETHODIMP UIDeactivate() noexcept override;
    STDMETHODIMP SetObjectRects(LPCRECT place, LPCRECT clip) noexcept override;
    STDMETHODIMP ReactivateAndUndo() noexcept override;
    STDMETHODIMP TranslateAccelerator(LPMSG message) noexcept override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) noexcept override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) noexcept override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                              BOOL frameWindow) noexcept override;
    STDMETHODIMP EnableModeless(BOOL enable) noexcept override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) noexcept override;
    STDMETHODIMP OnMnemonic(MSG* message) noexcept override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID property) noexcept override;
    STDMETHODIMP FreezeEvents(BOOL freeze) noexcept override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                      HDC targetDc, HDC dc, LPCRECTL bounds, LPCRECTL windowBounds,
                      BOOL(STDMETHODCALLTYPE* keepDrawing)(ULONG_PTR),
                      ULONG_PTR argument) noexcept override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                             HDC targetDc, LOGPALETTE** colours) noexcept override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo,
                        DWORD* freeze) noexcept override;
    STDMETHODIMP Unfreeze(DWORD freeze) noexcept override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) noexcept override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) noexcept override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                           LPSIZEL size) noexcept override;

    // IPersist, IPersistPropertyBag, IPersistStreamInit
    STDMETHODIMP GetClassID(CLSID* classId) noexcept override;
    STDMETHODIMP InitNew() noexcept override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) noexcept override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) noexcept override;
    STDMETHODIMP IsDirty() noexcept override;
    STDMETHODIMP Load(LPSTREAM stream) noexcept override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) noexcept override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) noexcept override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) noexcept override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) noexcept override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) noexcept override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) noexcept override;

  private:
    friend struct runtime::ComObjectAccess;

    // Holds a reference to the control for a scope.
    class Hold {
      public:
        explicit Hold(SleekonControl& control) noexcept : control_(control) { control_.AddRef(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold() { control_.Release(); }

      private:
        SleekonControl& control_;
    };

    SleekonControl() noexcept;
    ~SleekonControl();

    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept override;

    // The surface (sleekon_paint_win32.cpp).
    HWND SurfaceWindow() const noexcept { return window_.hwnd(); }
    HRESULT SetSurfaceBackColor(OLE_COLOR colour) noexcept;
    void SetSurfaceEnabled(bool enabled) noexcept;
    HRESULT Refresh() noexcept;

    // Painting and hover tracking (sleekon_paint_win32.cpp).
    ButtonState FaceState(Look look, const FrameColours& frame) const noexcept;
    ButtonState FaceState(Look look) const noexcept {
        return FaceState(look, {m_HighlightColor, m_ShadowColor});
    }
    void OnResize() noexcept;
    HRESULT OnRepaint(HDC dc) noexcept;
    HRESULT ShowPressed(std::int16_t button) noexcept;
    HRESULT ShowReleased() noexcept;
    HRESULT TrackHover(std::int16_t button, float x, float y) noexcept;
    HRESULT DrawRaisedFrame() noexcept;

    // Notifications of the surface (sleekon_events_win32.cpp).
    LRESULT OnButtonDown(std::int16_t button, bool secondPress, WPARAM keys, LPARAM at) noexcept;
    LRESULT OnButtonUp(std::int16_t button, WPARAM keys, LPARAM at) noexcept;
    LRESULT OnPointerMove(WPARAM keys, LPARAM at) noexcept;
    void RaiseEvent(DISPID event, DISPPARAMS& parameters) noexcept;
    void RaiseMouseEvent(DISPID event, SHORT& button, SHORT& shift, float& x, float& y) noexcept;
    HRESULT NotifyPropertyChanged(DISPID property) noexcept;

    // OLE (sleekon_ole_win32.cpp).
    HRESULT InPlaceActivate(IOleClientSite* activeSite) noexcept;
    HRESULT DispatchTypeInfo(ITypeInfo** info) noexcept;
    HRESULT SetPicture(IPictureDisp* picture) noexcept;

    // The surface's state.
    // The system's button face colour: an OLE_COLOR with its high bit set names a system colour.
    static constexpr OLE_COLOR kDefaultBackColor = 0x80000000 | COLOR_BTNFACE;
    OLE_COLOR backColor_ = kDefaultBackColor;
    bool enabled_ = true;
    HRESULT paintResult_ = S_OK;  // of the last repaint, for Refresh

    // The face.
    runtime::ComPtr<IPictureDisp> m_Picture;

    // The drawing state.
    COLORREF m_HighlightColor = 0;
    COLORREF m_ShadowColor = 0;
    bool m_Pressed = false;
    Rect m_ClientRect;
    PointerInput pointerInput_;

    // The container.
    runtime::ComPtr<IOleClientSite> site_;
    runtime::ComPtr<IOleInPlaceSite> inPlaceSite_;
    runtime::ComPtr<IOleAdviseHolder> adviseHolder_;
    runtime::ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    SIZEL extent_;
    LONG freezeCount_ = 0;
    bool dirty_ = false;
    runtime::ComPtr<ITypeInfo> typeInfo_;

    ConnectionPoint eventPoint_;
    ConnectionPoint notifyPoint_;

    // Last, so that it goes first: no message reaches a half-destroyed control.
    ControlWindow window_;
};

}  // namespace flatbutton
