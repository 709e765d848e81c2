#pragma once

#include <windows.h>

#include <exception>
#include <new>

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

// Runs body, which returns an HRESULT, so that no exception leaves a COM method.
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

}  // namespace runtime
