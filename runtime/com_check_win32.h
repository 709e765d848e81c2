#pragma once

#include <windows.h>

#include <new>

// The suite's one error model. Code below the boundaries may throw (the settings store
// does) or return HRESULTs (COM calls); every window procedure, dialog procedure and COM
// method is a boundary that no exception crosses.

// Ends the calling function with the HRESULT of expression when that is a failure, so that
// the first failing call of a sequence is what the caller gets back.
#define SUITE_RETURN_IF_FAILED(expression)         \
    do {                                           \
        const HRESULT suiteResult_ = (expression); \
        if (FAILED(suiteResult_)) {                \
            return suiteResult_;                   \
        }                                          \
    } while (false)

namespace runtime {

// The calling thread's last Win32 error as an HRESULT; E_FAIL when a failed call left none.
inline HRESULT LastErrorResult() noexcept {
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

// Runs body, which returns an HRESULT, so that no exception leaves a COM method: a caught
// exception becomes E_OUTOFMEMORY or E_UNEXPECTED for the caller.
template <typename Body>
HRESULT GuardComCall(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// Runs a window's or dialog's handling of one message so that no exception leaves the
// procedure: when one escapes, the message gets fallback (the default handling) and the
// program carries on, keeping its windows and its unsaved settings.
template <typename Body, typename Fallback>
auto GuardMessage(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        return fallback();
    }
}

}  // namespace runtime
