#pragma once

// A property bag of named values that writes every call into the call log
// ("Bag.Read(BackColor)"): what a control asks of its container's bag, and in which order.
#include <windows.h>
#include <ocidl.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "runtime/com_object_win32.h"
#include "runtime/variant_win32.h"
#include "testing/call_log_win32.h"

namespace testing_support {

class LoggingBag final : public runtime::ComObject<LoggingBag, IPropertyBag> {
  public:
    static std::span<const runtime::InterfaceEntry> InterfaceTable() noexcept;

    // Names match exactly unless ignoreCase (A to Z).
    bool ignoreCase = false;
    // Read and Write of this name fail with E_FAIL.
    std::wstring failingName;

    void Put(const std::wstring& name, runtime::Variant value);
    // The stored entry, or null.
    const VARIANT* Find(const std::wstring& name) const;
    std::vector<std::wstring> Names() const;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) noexcept override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) noexcept override;

  private:
    friend runtime::ComObjectAccess;
    explicit LoggingBag(CallLog& log) : log_(log) {}
    ~LoggingBag() = default;

    CallLog& log_;
    std::vector<std::pair<std::wstring, runtime::Variant>> entries_;
};

}  // namespace testing_support
