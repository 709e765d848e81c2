#pragma once

#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace runtime {

// A counted reference to a COM object. Move-only, like the suite's other handle wrappers:
// a second reference is taken on purpose, with clone().
template <typename T>
class ComPtr {
  public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    ComPtr(ComPtr&& other) noexcept : object_(other.detach()) {}
    // From a pointer to a derived interface or class.
    template <typename U>
    ComPtr(ComPtr<U>&& other) noexcept : object_(other.detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset(other.detach());
        }
        return *this;
    }
    ComPtr& operator=(std::nullptr_t) noexcept {
        reset();
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    // Takes a new reference to the object.
    static ComPtr share(T* object) noexcept {
        if (object != nullptr) {
            object->AddRef();
        }
        return ComPtr(object);
    }
    // Takes over a reference that the caller owned.
    static ComPtr adopt(T* object) noexcept { return ComPtr(object); }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    ComPtr clone() const noexcept { return share(object_); }
    T* detach() noexcept { return std::exchange(object_, nullptr); }
    // Releases the reference held and keeps the one given, which the caller owned.
    void reset(T* object = nullptr) noexcept {
        T* const old = std::exchange(object_, object);
        if (old != nullptr) {
            old->Release();
        }
    }

    // The slot for an out parameter: whatever was held is released first.
    T** put() noexcept {
        reset();
        return &object_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    // Hands out a new reference through a COM out parameter.
    HRESULT copyTo(T** out) const noexcept {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = object_;
        if (object_ != nullptr) {
            object_->AddRef();
        }
        return S_OK;
    }

    template <typename U>
    HRESULT as(REFIID iid, ComPtr<U>& out) const noexcept {
        if (object_ == nullptr) {
            out.reset();
            return E_POINTER;
        }
        return object_->QueryInterface(iid, out.putVoid());
    }

  private:
    explicit ComPtr(T* object) noexcept : object_(object) {}

    T* object_ = nullptr;
};

}  // namespace runtime
