#include "testing/logging_bag_win32.h"

#include "runtime/ascii_text.h"
#include "runtime/com_check_win32.h"

namespace testing_support {

std::span<const runtime::InterfaceEntry> LoggingBag::InterfaceTable() noexcept {
    return runtime::SoleInterfaceTable<LoggingBag, IPropertyBag>(IID_IPropertyBag);
}

void LoggingBag::Put(const std::wstring& name, runtime::Variant value) {
    for (auto& [stored, held] : entries_) {
        if (stored == name) {
            held = std::move(value);
            return;
        }
    }
    entries_.emplace_back(name, std::move(value));
}

const VARIANT* LoggingBag::Find(const std::wstring& name) const {
    for (const auto& [stored, held] : entries_) {
        if (ignoreCase
                ? runtime::EqualsIgnoringCase(std::wstring_view(stored), std::wstring_view(name))
                : stored == name) {
            return &held.get();
        }
    }
    return nullptr;
}

std::vector<std::wstring> LoggingBag::Names() const {
    std::vector<std::wstring> names;
    for (const auto& entry : entries_) {
        names.push_back(entry.first);
    }
    return names;
}

STDMETHODIMP LoggingBag::QueryInterface(REFIID iid, void** out) noexcept {
    return runtime::GuardComCall([&] {
        log_.Add("Bag.QI(" + InterfaceName(iid) + ")");
        return ComObject::QueryInterface(iid, out);
    });
}

STDMETHODIMP LoggingBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) noexcept {
    return runtime::GuardComCall([&]() -> HRESULT {
        log_.Add("Bag.Read(" + runtime::NarrowToAscii(name) + ")");
        if (name == failingName) {
            return E_FAIL;
        }
        const VARIANT* found = Find(name);
        if (found == nullptr) {
            return E_INVALIDARG;  // not stored
        }
        ::VariantClear(value);
        return ::VariantCopy(value, const_cast<VARIANT*>(found));
    });
}

STDMETHODIMP LoggingBag::Write(LPCOLESTR name, VARIANT* value) noexcept {
    return runtime::GuardComCall([&]() -> HRESULT {
        log_.Add("Bag.Write(" + runtime::NarrowToAscii(name) + ")");
        if (name == failingName) {
            return E_FAIL;
        }
        Put(name, runtime::Variant::CopyOf(*value));
        return S_OK;
    });
}

}  // namespace testing_support
