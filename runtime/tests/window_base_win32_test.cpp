#include "runtime/window_base_win32.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace runtime {
namespace {

class RecordingWindow : public WindowBase<RecordingWindow> {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteRecordingWindow";

    bool Create() {
        RegisterClassOnce(::GetModuleHandleW(nullptr));
        return CreateWindowHandle(::GetModuleHandleW(nullptr), 0, L"abc", WS_POPUP, 0, 0, 10, 10,
                                  nullptr) != nullptr;
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        messages.push_back(message);
        if (message == WM_GETTEXTLENGTH) {
            if (throwOnTextLength) {
                throw std::runtime_error("a handler failed");
            }
            return 99;
        }
        return DefaultHandling(message, wParam, lParam);
    }
    void OnWindowGone() noexcept { gone = true; }

    std::vector<UINT> messages;
    bool gone = false;
    bool throwOnTextLength = false;
};

TEST(WindowBaseTest, BindsAtCreationAndUnbindsWhenTheWindowIsDestroyed) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    const HWND handle = window.hwnd();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(window.messages.front(), static_cast<UINT>(WM_NCCREATE));

    ::SendMessageW(handle, WM_USER + 7, 0, 0);
    EXPECT_EQ(window.messages.back(), static_cast<UINT>(WM_USER + 7));

    ::DestroyWindow(handle);
    EXPECT_EQ(window.messages.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_TRUE(window.gone);
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_FALSE(::IsWindow(handle));
}

TEST(WindowBaseTest, AHandlerThatThrowsGetsTheDefaultHandlingAndTheWindowCarriesOn) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    window.throwOnTextLength = true;
    // The default handling answers with the title's length.
    EXPECT_EQ(::SendMessageW(window.hwnd(), WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_TRUE(::IsWindow(window.hwnd()));

    window.throwOnTextLength = false;
    EXPECT_EQ(::SendMessageW(window.hwnd(), WM_GETTEXTLENGTH, 0, 0), 99);
}

TEST(WindowBaseTest, DestroyingTheObjectDestroysItsWindow) {
    HWND handle = nullptr;
    {
        RecordingWindow window;
        ASSERT_TRUE(window.Create());
        handle = window.hwnd();
    }
    EXPECT_FALSE(::IsWindow(handle));
}

}  // namespace
}  // namespace runtime
