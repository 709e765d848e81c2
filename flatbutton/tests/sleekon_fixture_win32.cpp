#include "flatbutton/tests/sleekon_fixture_win32.h"

#include <algorithm>
#include <sstream>

#include "runtime/ascii_text.h"
#include "runtime/bitmap_picture_win32.h"
#include "runtime/file_path.h"
#include "runtime/himetric.h"
#include "runtime/module_info_win32.h"
#include "runtime/screen_dpi_win32.h"
#include "runtime/unique_handle_win32.h"
#include "testing/screen_capture_win32.h"

namespace flatbutton_test {

namespace {

constexpr WORD kTestManifestId = 2;
constexpr POINT kHostOrigin = {100, 100};

// The control's default source interface, as its type library describes it.
ComPtr<ITypeInfo> EventsOf(IOleObject& object) {
    ComPtr<IProvideClassInfo> provider;
    ComPtr<ITypeInfo> coclass;
    ComPtr<ITypeInfo> events;
    TYPEATTR* attributes = nullptr;
    if (FAILED(object.QueryInterface(IID_IProvideClassInfo, provider.putVoid())) ||
        FAILED(provider->GetClassInfo(coclass.put())) ||
        FAILED(coclass->GetTypeAttr(&attributes))) {
        return nullptr;
    }
    for (UINT i = 0; i < attributes->cImplTypes && !events; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) &&
            flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(coclass->GetRefTypeOfImplType(i, &reference))) {
            coclass->GetRefTypeInfo(reference, events.put());
        }
    }
    coclass->ReleaseTypeAttr(attributes);
    return events;
}

}  // namespace

ComPtr<IPictureDisp> MakePicture(int width, int height) {
    testing_support::Pixels pixels(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.Set(x, y, x == 0 || y == 0 ? kPictureEdgeColour : kPictureColour);
        }
    }
    ComPtr<IPictureDisp> picture;
    runtime::BitmapPicture(pixels.ToBitmap(), nullptr, picture.put());
    return picture;
}

std::wstring BesideThisProgram(const wchar_t* name) {
    return runtime::PathInFolder(runtime::FolderOf(runtime::ModuleFilePath()), name);
}

HRESULT LibraryCanUnloadNow() {
    const HMODULE library = ::GetModuleHandleW(L"Sleekon.ocx");
    if (library == nullptr) {
        return E_FAIL;
    }
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    // Through the generic function pointer type, which any function pointer converts to.
    const auto canUnload = reinterpret_cast<CanUnload>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "DllCanUnloadNow")));
    return canUnload != nullptr ? canUnload() : E_FAIL;
}

std::vector<COLORREF> ExpectedFace(SIZE control, SIZE picture, POINT origin, Look look) {
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF first = look == Look::Pressed ? shadow : highlight;
    const COLORREF second = look == Look::Pressed ? highlight : shadow;
    std::vector<COLORREF> face;
    for (int y = 0; y < control.cy; ++y) {
        for (int x = 0; x < control.cx; ++x) {
            const bool inClip = x >= 2 && y >= 2 && x < control.cx - 2 && y < control.cy - 2;
            COLORREF colour = kBackColour;
            if (!inClip && look != Look::Flat) {
                colour = y >= control.cy - 2 || x >= control.cx - 2 ? second : first;
            } else if (inClip && x >= origin.x && y >= origin.y && x < origin.x + picture.cx &&
                       y < origin.y + picture.cy) {
                colour = x == origin.x || y == origin.y ? kPictureEdgeColour : kPictureColour;
            }
            face.push_back(colour);
        }
    }
    return face;
}

::testing::AssertionResult SameFace(const std::vector<COLORREF>& actual,
                                    const std::vector<COLORREF>& expected, int width) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    const auto letter = [](COLORREF colour) {
        if (colour == kBackColour) {
            return '.';
        }
        if (colour == kPictureColour) {
            return 'P';
        }
        if (colour == kPictureEdgeColour) {
            return 'E';
        }
        if (colour == ::GetSysColor(COLOR_BTNHIGHLIGHT)) {
            return 'H';
        }
        if (colour == ::GetSysColor(COLOR_BTNSHADOW)) {
            return 'S';
        }
        return '?';
    };
    std::string text = "\nactual / expected:\n";
    for (std::size_t row = 0; row * width < std::max(actual.size(), expected.size()); ++row) {
        for (const auto* face : {&actual, &expected}) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at = row * width + x;
                text += at < face->size() ? letter((*face)[at]) : ' ';
            }
            text += "   ";
        }
        text += "\n";
    }
    return ::testing::AssertionFailure() << text;
}

// HostWindow

HostWindow::HostWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &HostWindow::Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    ::RegisterClassW(&windowClass);
    window_ = ::CreateWindowExW(
        0, kClassName, L"Sleekon test host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kHostOrigin.x,
        kHostOrigin.y, 240, 120, nullptr, nullptr, windowClass.hInstance, this);
    ::SetForegroundWindow(window_);
    PumpMessages();
}

HostWindow::~HostWindow() {
    if (::IsWindow(window_)) {
        ::DestroyWindow(window_);
    }
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
        switch (message) {
            case WM_SYSKEYDOWN:
            case WM_SYSKEYUP:
            case WM_SYSCHAR:
            case WM_KEYDOWN:
            case WM_CHAR:
                self->keyMessages.push_back(message);
                return 0;
            case WM_NCDESTROY:
                ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
                break;
            default:
                break;
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// NotifyLog

std::span<const runtime::InterfaceEntry> NotifyLog::InterfaceTable() noexcept {
    return runtime::SoleInterfaceTable<NotifyLog, IPropertyNotifySink>(IID_IPropertyNotifySink);
}

STDMETHODIMP NotifyLog::OnChanged(DISPID property) {
    std::ostringstream text;
    text << "OnChanged(0x" << std::hex << property << ")";
    log_.Add(text.str());
    raise();
    return changedResult;
}

STDMETHODIMP NotifyLog::OnRequestEdit(DISPID property) noexcept {
    std::ostringstream text;
    text << "OnRequestEdit(0x" << std::hex << property << ")";
    log_.Add(text.str());
    return S_OK;
}

// SleekonTest

void SleekonTest::SetUp() {
    ASSERT_TRUE(Mouse().Park());
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    frame = runtime::MakeComObject<container::InPlaceFrame>(host.hwnd());
    notify = runtime::MakeComObject<NotifyLog>(log);
    ASSERT_TRUE(frame && notify);
}

void SleekonTest::TearDown() {
    if (object) {
        EXPECT_EQ(CloseAndRelease(), 0u) << "the control's last Release";
    }
    if (::GetModuleHandleW(L"Sleekon.ocx") != nullptr) {
        EXPECT_EQ(LibraryCanUnloadNow(), S_OK);
    }
    events_.reset();
    notify.reset();
    site.reset();
    frame.reset();
    // Everything the control held of the container and the test it gave back.
    EXPECT_EQ(runtime::ComModule::Locks(), 0);
    if (context_ != INVALID_HANDLE_VALUE) {
        ::ReleaseActCtx(context_);
    }
    ::CoUninitialize();
}

void SleekonTest::Create() {
    const std::wstring program = runtime::ModuleFilePath();
    ACTCTXW description = {};
    description.cbSize = sizeof(description);
    description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.lpSource = program.c_str();
    description.hModule = ::GetModuleHandleW(nullptr);
    description.lpResourceName = MAKEINTRESOURCEW(kTestManifestId);
    context_ = ::CreateActCtxW(&description);
    ASSERT_NE(context_, INVALID_HANDLE_VALUE) << "error " << ::GetLastError();
    ASSERT_EQ(CreateAnother(IID_IOleObject, object.putVoid()), S_OK);
    ASSERT_EQ(object.as(IID_IDispatch, dispatch), S_OK);
    events_ = EventsOf(*object.get());
    ASSERT_TRUE(events_) << "no event interface in the type library";
}

HRESULT SleekonTest::CreateAnother(REFIID iid, void** out) {
    ULONG_PTR cookie = 0;
    if (!::ActivateActCtx(context_, &cookie)) {
        return HRESULT_FROM_WIN32(::GetLastError());
    }
    const HRESULT created =
        ::CoCreateInstance(CLSID_SleekonControl, nullptr, CLSCTX_INPROC_SERVER, iid, out);
    ::DeactivateActCtx(0, cookie);
    return created;
}

Calls SleekonTest::Host(const RECT& where, IPropertyBag* bag) {
    place = where;
    site = runtime::MakeComObject<container::ControlSite>(host.hwnd(), place, frame.clone());
    const ComPtr<testing_support::LoggingSite> front =
        runtime::MakeComObject<testing_support::LoggingSite>(log, *site.get());
    const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
    const SIZEL extent = {runtime::PixelsToHimetric(Size().cx, dots.x),
                          runtime::PixelsToHimetric(Size().cy, dots.y)};
    hosted.Adopt(object.clone());
    const HRESULT activated = hosted.Activate(
        *site.get(), bag, extent,
        [this](DISPID event, DISPPARAMS& arguments) { Hear(event, arguments); }, front.get());
    ComPtr<IConnectionPointContainer> points;
    if (FAILED(activated) || FAILED(object.as(IID_IConnectionPointContainer, points)) ||
        FAILED(points->FindConnectionPoint(IID_IPropertyNotifySink, notifyPoint.put())) ||
        FAILED(notifyPoint->Advise(notify.get(), &notifyCookie)) || Window() == nullptr) {
        ADD_FAILURE() << "not hosted: " << std::hex << activated;
    }
    Settle();
    return log.Take();
}

void SleekonTest::CreateAndHost(int width, int height, IPropertyBag* bag) {
    Create();
    if (!object) {
        return;
    }
    Host({10, 10, 10 + width, 10 + height}, bag);
}

ComPtr<IPropertyBag> SleekonTest::Stored(IPictureDisp* picture) {
    std::vector<container::BagEntry> entries;
    entries.push_back({L"BackColor", runtime::Variant::Int32(static_cast<LONG>(kBackColour))});
    if (picture != nullptr) {
        entries.push_back({L"Picture", runtime::Variant::Dispatch(picture)});
    }
    return runtime::MakeComObject<container::PropertyBag>(std::move(entries));
}

ULONG SleekonTest::CloseAndRelease() {
    if (notifyPoint) {
        notifyPoint->Unadvise(notifyCookie);
    }
    notifyPoint.reset();
    if (hosted.object() == nullptr) {
        hosted.Adopt(object.clone());  // closed also when it was never hosted
    }
    hosted.Close();
    dispatch.reset();
    return object.detach()->Release();
}

HWND SleekonTest::Window() const {
    ComPtr<IOleInPlaceObject> inPlace;
    HWND window = nullptr;
    if (SUCCEEDED(object.as(IID_IOleInPlaceObject, inPlace))) {
        inPlace->GetWindow(&window);
    }
    return window;
}

COLORREF SleekonTest::Pixel(int x, int y) {
    PumpMessages();
    return testing_support::Pixels::CaptureClient(Window()).At(x, y);
}

std::vector<COLORREF> SleekonTest::Snapshot(bool pump) {
    if (pump) {
        PumpMessages();
    }
    const testing_support::Pixels pixels = testing_support::Pixels::CaptureClient(Window());
    std::vector<COLORREF> rows;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            rows.push_back(pixels.At(x, y));
        }
    }
    return rows;
}

POINT SleekonTest::OnScreen(int x, int y) const {
    POINT point = {x, y};
    ::ClientToScreen(Window(), &point);
    return point;
}

HRESULT SleekonTest::Put(DISPID property, const runtime::Variant& value, WORD flags) {
    VARIANT argument = value.get();  // read, not owned, by the call
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&argument, &named, 1, 1};
    EXCEPINFO exception = {};
    const HRESULT result = dispatch->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, flags,
                                            &parameters, nullptr, &exception, nullptr);
    const runtime::UniqueBstr source(exception.bstrSource);
    const runtime::UniqueBstr description(exception.bstrDescription);
    const runtime::UniqueBstr helpFile(exception.bstrHelpFile);
    // The type library hands a failing accessor's HRESULT on as the exception's code.
    return result == DISP_E_EXCEPTION ? exception.scode : result;
}

HRESULT SleekonTest::PutPicture(IDispatch* picture, WORD flags) {
    return Put(flatbutton::kDispidPicture, runtime::Variant::Dispatch(picture), flags);
}

HRESULT SleekonTest::PutEnabled(bool enabled) {
    return Put(flatbutton::kDispidEnabled, runtime::Variant::Boolean(enabled));
}

HRESULT SleekonTest::PutBackColor(OLE_COLOR colour) {
    return Put(flatbutton::kDispidBackColor, runtime::Variant::Uint32(colour));
}

void SleekonTest::Settle() {
    for (int round = 0; round < 3; ++round) {
        ::Sleep(10);
        PumpMessages();
    }
}

std::string SleekonTest::EventName(DISPID event) {
    BSTR name = nullptr;
    UINT found = 0;
    if (!events_ || FAILED(events_->GetNames(event, &name, 1, &found)) || found == 0) {
        return "?" + std::to_string(event);
    }
    const runtime::UniqueBstr owned(name);
    return runtime::NarrowToAscii(name);
}

// Mouse events take Button, Shift, x and y by reference, last first; the others nothing.
void SleekonTest::Hear(DISPID event, DISPPARAMS& arguments) {
    std::string entry = EventName(event);
    const bool mouse = event == flatbutton::kDispidMouseDown ||
                       event == flatbutton::kDispidMouseMove || event == flatbutton::kDispidMouseUp;
    MouseArguments copy = {};
    if (mouse) {
        const bool wellFormed = arguments.cArgs == 4 && arguments.cNamedArgs == 0 &&
                                arguments.rgvarg[3].vt == (VT_I2 | VT_BYREF) &&
                                arguments.rgvarg[2].vt == (VT_I2 | VT_BYREF) &&
                                arguments.rgvarg[1].vt == (VT_R4 | VT_BYREF) &&
                                arguments.rgvarg[0].vt == (VT_R4 | VT_BYREF);
        if (!wellFormed) {
            log.Add(entry + "(bad arguments)");
            return;
        }
        copy = {*arguments.rgvarg[3].piVal, *arguments.rgvarg[2].piVal,
                *arguments.rgvarg[1].pfltVal, *arguments.rgvarg[0].pfltVal};
        std::ostringstream text;
        text << "(" << copy.button << "," << copy.shift << "," << copy.x << "," << copy.y << ")";
        entry += text.str();
    } else if (arguments.cArgs != 0) {
        entry += "(unexpected arguments)";
    }
    if (event != flatbutton::kDispidMouseMove || logMoves) {
        log.Add(entry);
    }
    if (const auto handler = handlers.find(event); handler != handlers.end()) {
        handler->second(copy);
    }
    if (mouse) {
        *arguments.rgvarg[3].piVal = copy.button;
        *arguments.rgvarg[2].piVal = copy.shift;
        *arguments.rgvarg[1].pfltVal = copy.x;
        *arguments.rgvarg[0].pfltVal = copy.y;
    }
}

}  // namespace flatbutton_test
