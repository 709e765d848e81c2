#pragma once

#include <windows.h>
#include <oleauto.h>

namespace runtime {

// A VARIANT that owns what it holds (a string, a reference) and clears it at the end of
// its life. Moved, never copied: a second owner is made on purpose, with CopyOf.
class Variant {
  public:
    Variant() noexcept { ::VariantInit(&value_); }
    Variant(Variant&& other) noexcept : value_(other.value_) { ::VariantInit(&other.value_); }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            ::VariantClear(&value_);
            value_ = other.value_;
            ::VariantInit(&other.value_);
        }
        return *this;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { ::VariantClear(&value_); }

    static Variant Int32(LONG number) noexcept {
        Variant made;
        made.value_.vt = VT_I4;
        made.value_.lVal = number;
        return made;
    }
    static Variant Uint32(ULONG number) noexcept {
        Variant made;
        made.value_.vt = VT_UI4;
        made.value_.ulVal = number;
        return made;
    }
    static Variant Boolean(bool truth) noexcept {
        Variant made;
        made.value_.vt = VT_BOOL;
        made.value_.boolVal = truth ? VARIANT_TRUE : VARIANT_FALSE;
        return made;
    }
    // A string of its own; empty (VT_EMPTY) when memory ran out.
    static Variant String(const wchar_t* text) noexcept {
        Variant made;
        made.value_.bstrVal = ::SysAllocString(text);
        made.value_.vt = made.value_.bstrVal != nullptr ? VT_BSTR : VT_EMPTY;
        return made;
    }
    // An object, with a reference of its own; null stays null.
    static Variant Dispatch(IDispatch* object) noexcept { return Holding(VT_DISPATCH, object); }
    static Variant Unknown(IUnknown* object) noexcept { return Holding(VT_UNKNOWN, object); }
    // A copy of value with references and strings of its own (VariantCopy); empty when
    // the copy fails.
    static Variant CopyOf(const VARIANT& value) noexcept {
        Variant made;
        // VariantCopy only reads its source; MinGW declares it without const.
        if (FAILED(::VariantCopy(&made.value_, const_cast<VARIANT*>(&value)))) {
            ::VariantInit(&made.value_);
        }
        return made;
    }

    const VARIANT& get() const noexcept { return value_; }
    const VARIANT* operator->() const noexcept { return &value_; }
    // For a conversion in place (VariantChangeType) or an out parameter: what was held
    // is cleared first.
    VARIANT* put() noexcept {
        ::VariantClear(&value_);
        return &value_;
    }
    // The value itself, for a call that reads it in place.
    VARIANT* address() noexcept { return &value_; }

  private:
    // pdispVal and punkVal are one pointer: an IDispatch is an IUnknown at the same address.
    static Variant Holding(VARTYPE type, IUnknown* object) noexcept {
        Variant made;
        made.value_.vt = type;
        made.value_.punkVal = object;
        if (object != nullptr) {
            object->AddRef();
        }
        return made;
    }

    VARIANT value_;
};

}  // namespace runtime
