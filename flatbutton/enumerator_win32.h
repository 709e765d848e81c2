#pragma once

#include <windows.h>
#include <ocidl.h>

#include <algorithm>
#include <span>
#include <vector>

#include "runtime/com_check_win32.h"
#include "runtime/com_object_win32.h"

namespace flatbutton {

// A COM enumerator over a snapshot of items (IEnumConnectionPoints, IEnumConnections).
// Traits names the interface, its identifier, the element type handed out and how an
// element is copied out with its own reference.
template <typename Traits>
class Enumerator final : public runtime::ComObject<Enumerator<Traits>, typename Traits::Interface> {
  public:
    using Interface = typename Traits::Interface;
    using Stored = typename Traits::Stored;
    using Element = typename Traits::Element;

    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept {
        return runtime::SoleInterfaceTable<Enumerator, Interface>(Traits::Iid());
    }

    // Hands out a new enumerator over items.
    static HRESULT Create(std::vector<Stored> items, Interface** out) noexcept {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        auto enumerator = runtime::MakeComObject<Enumerator>(std::move(items));
        if (!enumerator) {
            return E_OUTOFMEMORY;
        }
        *out = enumerator.detach();
        return S_OK;
    }

    STDMETHODIMP Next(ULONG count, Element* elements, ULONG* fetched) noexcept override {
        if (elements == nullptr || (count > 1 && fetched == nullptr)) {
            return E_POINTER;
        }
        ULONG done = 0;
        while (done < count && position_ < items_.size()) {
            Traits::CopyOut(items_[position_++], elements[done++]);
        }
        if (fetched != nullptr) {
            *fetched = done;
        }
        return done == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) noexcept override {
        const std::size_t left = items_.size() - position_;
        position_ += std::min<std::size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() noexcept override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Interface** out) noexcept override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        return runtime::GuardComCall([&] {
            std::vector<Stored> copy;
            copy.reserve(items_.size());
            for (const Stored& item : items_) {
                copy.push_back(Traits::Copy(item));
            }
            Interface* clone = nullptr;
            SUITE_RETURN_IF_FAILED(Create(std::move(copy), &clone));
            static_cast<Enumerator*>(clone)->position_ = position_;
            *out = clone;
            return S_OK;
        });
    }

  private:
    friend struct runtime::ComObjectAccess;
    explicit Enumerator(std::vector<Stored> items) noexcept : items_(std::move(items)) {}
    ~Enumerator() = default;

    std::vector<Stored> items_;
    std::size_t position_ = 0;
};

}  // namespace flatbutton
