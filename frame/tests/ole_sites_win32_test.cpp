#include "frame/ole_sites_win32.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace frame {
namespace {

constexpr DISPID kThrowsFailure = 1;
constexpr DISPID kRunsOutOfMemory = 2;

// A Click handler that fails must come back to the control as a failed call, not end the
// process with the settings unsaved.
TEST(ControlEventSinkTest, AnEventHandlerThatThrowsReturnsAFailureToTheControl) {
    const runtime::ComPtr<ControlEventSink> sink =
        runtime::MakeComObject<ControlEventSink>(IID_IDispatch, [](DISPID event) {
            if (event == kThrowsFailure) {
                throw std::runtime_error("the handler failed");
            }
            if (event == kRunsOutOfMemory) {
                throw std::bad_alloc();
            }
        });
    ASSERT_TRUE(sink);
    DISPPARAMS none = {};
    const auto raise = [&](DISPID event) {
        return sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr,
                            nullptr, nullptr);
    };
    EXPECT_EQ(raise(kThrowsFailure), E_UNEXPECTED);
    EXPECT_EQ(raise(kRunsOutOfMemory), E_OUTOFMEMORY);
    EXPECT_EQ(raise(3), S_OK);
}

}  // namespace
}  // namespace frame
