#include "runtime/window_base_win32.h"

#include <gtest/gtest.h>

#include "runtime/dialog_base_win32.h"

#include <stdexcept>
#include <vector>

namespace runtime {
namespace {

class RecordingWindow : public WindowBase<RecordingWindow> {
  public:
    static constexpr const wchar_t* kClassName = L"SuiteRecordingWindow";

    bool Create(DWORD style = WS_POPUP, HWND parent = nullptr) {
        RegisterClassOnce(::GetModuleHandleW(nullptr));
        return CreateWindowHandle(::GetModuleHandleW(nullptr), 0, L"abc", style, 0, 0, 10, 10,
                                  parent) != nullptr;
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
    void LayOut(int dpi) {
        laidOutAfter.push_back(messages.back());
        dpis.push_back(dpi);
    }
    void OnWindowGone() noexcept { gone = true; }

    std::vector<UINT> messages;
    std::vector<UINT> laidOutAfter;  // the message before each layout
    std::vector<int> dpis;           // each layout's dots per inch
    bool gone = false;
    bool throwOnTextLength = false;
};

TEST(WindowBaseTest, BindsAtCreationAndUnbindsWhenTheWindowIsDestroyed) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    const HWND handle = window.hwnd();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(window.messages.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(window.laidOutAfter, std::vector<UINT>{WM_CREATE});

    ::SendMessageW(handle, WM_USER + 7, 0, 0);
    EXPECT_EQ(window.messages.back(), static_cast<UINT>(WM_USER + 7));

    ::DestroyWindow(handle);
    EXPECT_EQ(window.messages.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_TRUE(window.gone);
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_FALSE(::IsWindow(handle));
}

// Wine has one scaling for every monitor, so the change a move would bring is sent here.
TEST(WindowBaseTest, AChangeOfScalingTakesTheSuggestedPlaceThenLaysTheWindowOutAgain) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    RECT suggested = {30, 40, 45, 55};
    ::SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    RECT now = {};
    ::GetWindowRect(window.hwnd(), &now);
    EXPECT_TRUE(::EqualRect(&now, &suggested));
    EXPECT_EQ(window.dpis.back(), 144);
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

// A dialog that, once its loop runs, throws on WM_GETTEXTLENGTH and then closes the
// program's other windows as closing the main window does.
class ClosingDialog : public DialogBase<ClosingDialog> {
  public:
    static constexpr UINT kRun = WM_APP + 1;
    static constexpr INT_PTR kTimedOut = 77;

    INT_PTR Show(HWND owner) {
#pragma pack(push, 2)
        struct Template {
            DLGTEMPLATE head;
            WORD menu, windowClass;
            wchar_t title[4];
        };
#pragma pack(pop)
        alignas(DWORD) static constexpr Template kTemplate = {
            {WS_POPUP | WS_CAPTION, 0, 0, 0, 0, 80, 40}, 0, 0, L"abc"};
        return ShowModal(::GetModuleHandleW(nullptr), &kTemplate.head, owner);
    }

    INT_PTR HandleMessage(UINT message, WPARAM, LPARAM) {
        switch (message) {
            case WM_INITDIALOG:
                ::PostMessageW(hwnd(), kRun, 0, 0);
                ::SetTimer(hwnd(), 1, 10000, nullptr);  // ends a dialog nothing closed
                return TRUE;
            case WM_GETTEXTLENGTH:
                throw std::runtime_error("a handler failed");
            case kRun:
                answeredLength = ::SendMessageW(hwnd(), WM_GETTEXTLENGTH, 0, 0);
                OpenWindows::CloseAllButFirst();
                return TRUE;
            case WM_TIMER:
                ::EndDialog(hwnd(), kTimedOut);
                return TRUE;
            default:
                return DefaultHandling();
        }
    }
    void LayOut(int) {
        ++layOuts;
    }
    SIZE ClientSize(int) const {
        return {80, 40};
    }

    LRESULT answeredLength = -1;
    int layOuts = 0;
};

TEST(DialogBaseTest, ThrowingGetsTheDefaultAndClosingTheProgramEndsTheDialogButNotFirstOrChild) {
    {
        RecordingWindow dropped;  // leaves OpenWindows with its object, not with a message
        ASSERT_TRUE(dropped.Create());
    }
    RecordingWindow first;
    ASSERT_TRUE(first.Create());
    RecordingWindow child;
    ASSERT_TRUE(child.Create(WS_CHILD, first.hwnd()));
    RecordingWindow second;
    ASSERT_TRUE(second.Create());

    ClosingDialog dialog;
    EXPECT_EQ(dialog.Show(first.hwnd()), IDCANCEL);
    EXPECT_EQ(dialog.answeredLength, 3) << "the dialog manager's answer: the title's length";
    EXPECT_EQ(dialog.layOuts, 1);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_TRUE(second.gone);
    EXPECT_NE(first.hwnd(), nullptr);
    EXPECT_NE(child.hwnd(), nullptr);
}

}  // namespace
}  // namespace runtime
