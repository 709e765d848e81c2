// The control's persisted form: named entries of a property bag, and its own stream format.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "flatbutton/sleekon_control_win32.h"
#include "flatbutton/stream_format.h"
#include "runtime/com_check_win32.h"
#include "runtime/variant_win32.h"

namespace flatbutton {

namespace {

using runtime::Variant;

// Reads one entry of the bag, of whatever type the bag holds; the conversion is the
// control's. S_FALSE when the bag holds none. The stored layouts of the programs write the
// names in lower case, which a bag that matches names exactly finds under the second name.
HRESULT ReadEntry(IPropertyBag& bag, IErrorLog* log, const wchar_t* name,
                  const wchar_t* lowerCaseName, Variant& value) noexcept {
    for (const wchar_t* asked : {name, lowerCaseName}) {
        const HRESULT result = bag.Read(asked, value.put(), log);
        if (result != E_INVALIDARG) {
            return result;  // found, or a real failure
        }
    }
    value.put();
    return S_FALSE;
}

HRESULT ToColour(Variant& value, OLE_COLOR& colour) noexcept {
    if (value->vt == VT_UI4) {
        colour = value->ulVal;  // an OLE_COLOR as such: all 32 bits
        return S_OK;
    }
    SUITE_RETURN_IF_FAILED(::VariantChangeType(value.address(), value.address(), 0, VT_I4));
    colour = static_cast<OLE_COLOR>(value->lVal);
    return S_OK;
}

HRESULT ToBoolean(Variant& value, bool& flag) noexcept {
    SUITE_RETURN_IF_FAILED(::VariantChangeType(value.address(), value.address(), 0, VT_BOOL));
    flag = value->boolVal != VARIANT_FALSE;
    return S_OK;
}

// A picture reference; none for an empty or null value; a type mismatch for anything
// that is not a picture object.
HRESULT ToPicture(Variant& value, runtime::ComPtr<IPictureDisp>& picture) noexcept {
    picture.reset();
    IUnknown* object = nullptr;
    switch (value->vt) {
        case VT_EMPTY:
        case VT_NULL:
            return S_OK;
        case VT_DISPATCH:
            object = value->pdispVal;
            break;
        case VT_UNKNOWN:
            object = value->punkVal;
            break;
        default:
            return DISP_E_TYPEMISMATCH;
    }
    if (object == nullptr) {
        return S_OK;
    }
    if (FAILED(object->QueryInterface(IID_IPictureDisp, picture.putVoid()))) {
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

HRESULT WriteEntry(IPropertyBag& bag, const wchar_t* name, Variant value) noexcept {
    return bag.Write(name, value.address());
}

HRESULT ReadExactly(IStream& stream, void* buffer, ULONG size) noexcept {
    ULONG read = 0;
    SUITE_RETURN_IF_FAILED(stream.Read(buffer, size, &read));
    return read == size ? S_OK : STG_E_READFAULT;
}

HRESULT WriteExactly(IStream& stream, const void* buffer, ULONG size) noexcept {
    ULONG written = 0;
    SUITE_RETURN_IF_FAILED(stream.Write(buffer, size, &written));
    return written == size ? S_OK : STG_E_WRITEFAULT;
}

}  // namespace

STDMETHODIMP SleekonControl::GetClassID(CLSID* classId) noexcept {
    if (classId == nullptr) {
        return E_POINTER;
    }
    *classId = CLSID_SleekonControl;
    return S_OK;
}

STDMETHODIMP SleekonControl::InitNew() noexcept {
    // BackColor and Enabled keep the surface's first values.
    m_Picture.reset();
    dirty_ = false;
    return S_OK;
}

STDMETHODIMP SleekonControl::IsDirty() noexcept {
    return dirty_ ? S_OK : S_FALSE;
}

// Property bag: each entry in turn, its default when the bag has none; a step that fails
// ends the load, and the steps before it stay applied. No notification, no repaint.
STDMETHODIMP SleekonControl::Load(IPropertyBag* bag, IErrorLog* log) noexcept {
    if (bag == nullptr) {
        return E_POINTER;
    }
    const Hold hold(*this);
    Variant value;

    OLE_COLOR colour = kDefaultBackColor;
    HRESULT read = ReadEntry(*bag, log, L"BackColor", L"backcolor", value);
    SUITE_RETURN_IF_FAILED(read);
    if (read == S_OK) {
        SUITE_RETURN_IF_FAILED(ToColour(value, colour));
    }
    SUITE_RETURN_IF_FAILED(SetSurfaceBackColor(colour));

    bool enabled = true;
    read = ReadEntry(*bag, log, L"Enabled", L"enabled", value);
    SUITE_RETURN_IF_FAILED(read);
    if (read == S_OK) {
        SUITE_RETURN_IF_FAILED(ToBoolean(value, enabled));
    }
    SetSurfaceEnabled(enabled);

    runtime::ComPtr<IPictureDisp> picture;
    read = ReadEntry(*bag, log, L"Picture", L"picture", value);
    SUITE_RETURN_IF_FAILED(read);
    if (read == S_OK) {
        SUITE_RETURN_IF_FAILED(ToPicture(value, picture));
    }
    m_Picture = std::move(picture);
    dirty_ = false;
    return S_OK;
}

// Property bag: each entry with its value, in this order; an entry equal to its default
// is not written.
STDMETHODIMP SleekonControl::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) noexcept {
    if (bag == nullptr) {
        return E_POINTER;
    }
    const Hold hold(*this);
    if (backColor_ != kDefaultBackColor) {
        SUITE_RETURN_IF_FAILED(
            WriteEntry(*bag, L"BackColor", Variant::Int32(static_cast<LONG>(backColor_))));
    }
    if (!enabled_) {
        SUITE_RETURN_IF_FAILED(WriteEntry(*bag, L"Enabled", Variant::Boolean(false)));
    }
    if (m_Picture) {
        SUITE_RETURN_IF_FAILED(WriteEntry(*bag, L"Picture", Variant::Dispatch(m_Picture.get())));
    }
    if (clearDirty) {
        dirty_ = false;
    }
    return S_OK;
}

// Stream: the header, then the picture object as OLE saves it. The stream is read in full
// before anything is applied.
STDMETHODIMP SleekonControl::Load(LPSTREAM stream) noexcept {
    if (stream == nullptr) {
        return E_POINTER;
    }
    const Hold hold(*this);
    StreamHeaderBytes bytes;
    SUITE_RETURN_IF_FAILED(ReadExactly(*stream, bytes.data(), static_cast<ULONG>(bytes.size())));
    const DecodedStreamHeader decoded = DecodeStreamHeader(bytes);
    switch (decoded.error) {
        case StreamHeaderError::None:
            break;
        case StreamHeaderError::NewerVersion:
            return STG_E_OLDDLL;
        case StreamHeaderError::NotThisFormat:
        case StreamHeaderError::UnknownFlags:
            return STG_E_INVALIDHEADER;
    }
    runtime::ComPtr<IPictureDisp> picture;
    if (decoded.header.hasPicture) {
        SUITE_RETURN_IF_FAILED(::OleLoadFromStream(stream, IID_IPictureDisp, picture.putVoid()));
    }
    SUITE_RETURN_IF_FAILED(SetSurfaceBackColor(decoded.header.backColor));
    SetSurfaceEnabled(decoded.header.enabled);
    m_Picture = std::move(picture);
    dirty_ = false;
    return S_OK;
}

STDMETHODIMP SleekonControl::Save(LPSTREAM stream, BOOL clearDirty) noexcept {
    if (stream == nullptr) {
        return E_POINTER;
    }
    const Hold hold(*this);
    runtime::ComPtr<IPersistStream> picture;
    if (m_Picture) {
        SUITE_RETURN_IF_FAILED(m_Picture.as(IID_IPersistStream, picture));
    }
    const StreamHeaderBytes bytes =
        EncodeStreamHeader({backColor_, enabled_, static_cast<bool>(picture)});
    SUITE_RETURN_IF_FAILED(WriteExactly(*stream, bytes.data(), static_cast<ULONG>(bytes.size())));
    if (picture) {
        SUITE_RETURN_IF_FAILED(::OleSaveToStream(picture.get(), stream));
    }
    if (clearDirty) {
        dirty_ = false;
    }
    return S_OK;
}

STDMETHODIMP SleekonControl::GetSizeMax(ULARGE_INTEGER* size) noexcept {
    if (size == nullptr) {
        return E_POINTER;
    }
    size->QuadPart = kStreamHeaderBytes;
    if (m_Picture) {
        runtime::ComPtr<IPersistStream> picture;
        SUITE_RETURN_IF_FAILED(m_Picture.as(IID_IPersistStream, picture));
        ULARGE_INTEGER pictureSize = {};
        if (picture->GetSizeMax(&pictureSize) == E_NOTIMPL) {
            // The picture cannot tell (the system's picture objects do not): measure it.
            runtime::ComPtr<IStream> measure;
            SUITE_RETURN_IF_FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, measure.put()));
            SUITE_RETURN_IF_FAILED(::OleSaveToStream(picture.get(), measure.get()));
            STATSTG written = {};
            SUITE_RETURN_IF_FAILED(measure->Stat(&written, STATFLAG_NONAME));
            size->QuadPart += written.cbSize.QuadPart;
            return S_OK;
        }
        size->QuadPart += sizeof(CLSID) + pictureSize.QuadPart;
    }
    return S_OK;
}

}  // namespace flatbutton
