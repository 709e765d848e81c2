#pragma once

#include <unknwn.h>

#include <atomic>
#include <new>
#include <span>
#include <utility>

#include "runtime/com_ptr_win32.h"

namespace runtime {

// The live objects and server locks of this module; DllCanUnloadNow says yes at zero.
class ComModule {
  public:
    static void Lock() noexcept { ++locks_; }
    static void Unlock() noexcept { --locks_; }
    static long Locks() noexcept { return locks_.load(); }

  private:
    static inline std::atomic<long> locks_{0};
};

// One row of an object's interface table: an interface identifier and how to reach that
// interface from the object.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*cast)(void* object) noexcept;
};

// The row for Interface, reached through the base class Via when Interface is a base of
// more than one of the object's interfaces (IUnknown, IDispatch, IOleWindow, IPersist).
template <typename Object, typename Interface, typename Via = Interface>
constexpr InterfaceEntry Implements(const IID& iid) noexcept {
    return {&iid, [](void* object) noexcept -> IUnknown* {
                return static_cast<Interface*>(static_cast<Via*>(static_cast<Object*>(object)));
            }};
}

// The table of an object whose one interface besides IUnknown is Interface, answering iid
// (an IID constant, which lives as long as the program).
template <typename Object, typename Interface>
std::span<const InterfaceEntry> SoleInterfaceTable(const IID& iid) noexcept {
    static const InterfaceEntry table[] = {
        Implements<Object, IUnknown, Interface>(IID_IUnknown),
        Implements<Object, Interface>(iid),
    };
    return table;
}

// QueryInterface over a table whose first row is the object's identity, which answers
// IID_IUnknown.
inline HRESULT QueryInterfaceFromTable(void* object, std::span<const InterfaceEntry> table,
                                       REFIID iid, void** out) noexcept {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (table.empty()) {
        return E_NOINTERFACE;
    }
    if (::IsEqualIID(iid, IID_IUnknown)) {
        IUnknown* const identity = table.front().cast(object);
        identity->AddRef();
        *out = identity;
        return S_OK;
    }
    for (const InterfaceEntry& entry : table) {
        if (::IsEqualIID(iid, *entry.iid)) {
            IUnknown* const found = entry.cast(object);
            found->AddRef();
            *out = found;
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

// Creates and frees COM objects whose constructors and destructors are private; an object
// names it as a friend.
struct ComObjectAccess {
    template <typename Object, typename... Arguments>
    static Object* Create(Arguments&&... arguments) noexcept {
        return new (std::nothrow) Object(std::forward<Arguments>(arguments)...);
    }
    template <typename Object>
    static void Destroy(Object* object) noexcept {
        delete object;
    }
};

// The IUnknown of an object that implements Interfaces: an atomic count that starts at 1,
// QueryInterface over Derived::InterfaceTable(), and a module lock for the object's life.
// Derived keeps its destructor private, so that only the last Release frees it.
template <typename Derived, typename... Interfaces>
class ComObject : public Interfaces... {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override {
        return QueryInterfaceFromTable(static_cast<Derived*>(this), Derived::InterfaceTable(), iid,
                                       out);
    }
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() noexcept override {
        const ULONG left = --references_;
        if (left == 0) {
            ComObjectAccess::Destroy(static_cast<Derived*>(this));
        }
        return left;
    }

  protected:
    ComObject() noexcept { ComModule::Lock(); }
    ~ComObject() { ComModule::Unlock(); }

  private:
    std::atomic<ULONG> references_{1};
};

// A new object with its first reference; null when memory ran out.
template <typename Object, typename... Arguments>
ComPtr<Object> MakeComObject(Arguments&&... arguments) noexcept {
    return ComPtr<Object>::adopt(
        ComObjectAccess::Create<Object>(std::forward<Arguments>(arguments)...));
}

}  // namespace runtime
