#include "flatbutton/tests/control_host_win32.h"

#include <algorithm>

#include "runtime/bitmap_picture_win32.h"
#include "runtime/gdi_handles_win32.h"
#include "runtime/module_info_win32.h"
#include "runtime/screen_dpi_win32.h"

namespace flatbutton_test {

namespace {

constexpr WORD kTestManifestId = 2;

}  // namespace

ComPtr<IPictureDisp> MakePicture(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return nullptr;
    }
    auto* pixels = static_cast<DWORD*>(bits);
    const auto asDib = [](COLORREF colour) {
        return static_cast<DWORD>(GetRValue(colour) << 16 | GetGValue(colour) << 8 |
                                  GetBValue(colour));
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[y * width + x] = asDib(x == 0 || y == 0 ? kPictureEdgeColour : kPictureColour);
        }
    }
    ComPtr<IPictureDisp> picture;
    runtime::BitmapPicture(bitmap, nullptr, picture.put());
    return picture;
}

void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (!done()) {
        if (::GetTickCount64() > end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

std::wstring BesideThisProgram(const wchar_t* name) {
    std::wstring path = runtime::ModuleFilePath();
    path.resize(path.find_last_of(L'\\') + 1);
    return path + name;
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
    window_ = ::CreateWindowExW(0, kClassName, L"Sleekon test host",
                                WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kOrigin.x, kOrigin.y, 240,
                                120, nullptr, nullptr, windowClass.hInstance, this);
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

// Mouse

Mouse::~Mouse() {
    for (auto flag = held_.rbegin(); flag != held_.rend(); ++flag) {
        Send(*flag << 1);  // each MOUSEEVENTF_xDOWN has its UP at the next bit
    }
    PumpMessages();
}

void Mouse::Send(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

void Mouse::MoveTo(POINT screen) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65536LL + width - 1) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
    const bool arrived = PumpUntil([&] {
        POINT now = {};
        ::GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    });
    EXPECT_TRUE(arrived) << "the pointer did not reach " << screen.x << "," << screen.y;
    // The move message follows the position.
    ::Sleep(20);
    PumpMessages();
}

void Mouse::Press(DWORD downFlag) {
    Send(downFlag);
    held_.push_back(downFlag);
    ::Sleep(10);
    PumpMessages();
}

void Mouse::Release(DWORD upFlag) {
    Send(upFlag);
    const auto down = std::find(held_.begin(), held_.end(), upFlag >> 1);
    if (down != held_.end()) {
        held_.erase(down);
    }
    ::Sleep(10);
    PumpMessages();
}

// SleekonTest

void SleekonTest::SetUp() {
    Mouse().Park();
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    frame = runtime::MakeComObject<TestFrame>(log, host.hwnd());
    site = runtime::MakeComObject<TestSite>(log, host.hwnd(), *frame.get(), RECT{});
    sink = runtime::MakeComObject<TestEventSink>(log, DIID___SleekonControl);
    notify = runtime::MakeComObject<TestNotifySink>(log);
    ASSERT_TRUE(frame && site && sink && notify);
}

void SleekonTest::TearDown() {
    if (object) {
        EXPECT_EQ(CloseAndRelease(), 0u) << "the control's last Release";
    }
    // Everything the control held of the container it gave back.
    EXPECT_EQ(CountOf(site.get()), 1u);
    EXPECT_EQ(CountOf(frame.get()), 2u);  // the site holds the frame
    EXPECT_EQ(CountOf(sink.get()), 1u);
    EXPECT_EQ(CountOf(notify.get()), 1u);
    if (::GetModuleHandleW(L"Sleekon.ocx") != nullptr) {
        EXPECT_EQ(LibraryCanUnloadNow(), S_OK);
    }
    notify.reset();
    sink.reset();
    site.reset();
    frame.reset();
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

void SleekonTest::Host(const RECT& where, TestBag* bag) {
    place = where;
    site->SetPlace(place);
    ASSERT_EQ(object->SetClientSite(site.get()), S_OK);
    if (bag != nullptr) {
        ComPtr<IPersistPropertyBag> persist;
        ASSERT_EQ(object.as(IID_IPersistPropertyBag, persist), S_OK);
        ASSERT_EQ(persist->Load(bag, nullptr), S_OK);
    } else {
        ComPtr<IPersistStreamInit> persist;
        ASSERT_EQ(object.as(IID_IPersistStreamInit, persist), S_OK);
        ASSERT_EQ(persist->InitNew(), S_OK);
    }
    const runtime::DotsPerInch dots = runtime::ScreenDotsPerInch();
    SIZEL extent = {::MulDiv(place.right - place.left, 2540, dots.x),
                    ::MulDiv(place.bottom - place.top, 2540, dots.y)};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    ComPtr<IConnectionPointContainer> points;
    ASSERT_EQ(object.as(IID_IConnectionPointContainer, points), S_OK);
    ASSERT_EQ(points->FindConnectionPoint(DIID___SleekonControl, eventPoint.put()), S_OK);
    ASSERT_EQ(eventPoint->Advise(sink.get(), &eventCookie), S_OK);
    ASSERT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, notifyPoint.put()), S_OK);
    ASSERT_EQ(notifyPoint->Advise(notify.get(), &notifyCookie), S_OK);
    ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, host.hwnd(), &place),
              S_OK);
    ComPtr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(object.as(IID_IOleInPlaceObject, inPlace), S_OK);
    ASSERT_EQ(inPlace->SetObjectRects(&place, &place), S_OK);
    ASSERT_NE(Window(), nullptr);
    Settle();
    log.Take();
}

void SleekonTest::CreateAndHost(int width, int height, TestBag* bag) {
    Create();
    if (!object) {
        return;
    }
    Host({10, 10, 10 + width, 10 + height}, bag);
}

ULONG SleekonTest::CloseAndRelease() {
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
    if (eventPoint) {
        eventPoint->Unadvise(eventCookie);
    }
    if (notifyPoint) {
        notifyPoint->Unadvise(notifyCookie);
    }
    eventPoint.reset();
    notifyPoint.reset();
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
    return ::GetPixel(runtime::WindowDc(Window()).get(), x, y);
}

std::vector<COLORREF> SleekonTest::Snapshot(bool pump) {
    if (pump) {
        PumpMessages();
    }
    const HWND window = Window();
    RECT client = {};
    ::GetClientRect(window, &client);
    const runtime::WindowDc dc(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            pixels.push_back(::GetPixel(dc.get(), x, y));
        }
    }
    return pixels;
}

POINT SleekonTest::OnScreen(int x, int y) const {
    POINT point = {x, y};
    ::ClientToScreen(Window(), &point);
    return point;
}

HRESULT SleekonTest::Put(DISPID property, VARIANT value, WORD flags) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&value, &named, 1, 1};
    EXCEPINFO exception = {};
    const HRESULT result = dispatch->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, flags,
                                            &parameters, nullptr, &exception, nullptr);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrHelpFile);
    // The type library hands a failing accessor's HRESULT on as the exception's code.
    return result == DISP_E_EXCEPTION ? exception.scode : result;
}

HRESULT SleekonTest::PutPicture(IDispatch* picture, WORD flags) {
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_DISPATCH;
    value.pdispVal = picture;
    return Put(flatbutton::kDispidPicture, value, flags);
}

HRESULT SleekonTest::PutEnabled(bool enabled) {
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = enabled ? VARIANT_TRUE : VARIANT_FALSE;
    return Put(flatbutton::kDispidEnabled, value);
}

HRESULT SleekonTest::PutBackColor(OLE_COLOR colour) {
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_UI4;
    value.ulVal = colour;
    return Put(flatbutton::kDispidBackColor, value);
}

void SleekonTest::Settle() {
    for (int round = 0; round < 3; ++round) {
        ::Sleep(10);
        PumpMessages();
    }
}

}  // namespace flatbutton_test
