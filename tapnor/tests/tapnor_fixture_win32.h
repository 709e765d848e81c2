#pragma once

// Tapnor started from a folder of its own for one test, driven as a person drives it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string_view>

#include "testing/e2e_support_win32.h"
#include "testing/input_driver_win32.h"
#include "testing/program_under_test_win32.h"
#include "testing/temporary_folder_win32.h"
#include "testing/window_driver_win32.h"

namespace tapnor_test {

using namespace std::chrono_literals;

inline constexpr const wchar_t* kMainCaption = L"マウス連射";
inline constexpr const wchar_t* kDialogCaption = L"連射設定";
inline constexpr int kFirstRangeBoxId = 102;  // txtRange 0 to 3
inline constexpr int kRangeButtonId = 106;    // cmdRange

class TapnorTest : public ::testing::Test {
  protected:
    ~TapnorTest() override { testing_support::ReleaseHeldKeys(); }

    void WriteIni(std::string_view content) {
        testing_support::WriteFileBytes(program.PathOf(L"Tapnor.ini"), content);
    }

    HWND StartToDialog() {
        EXPECT_TRUE(program.Start(L"Tapnor.exe"));
        const HWND dialog = program.WaitForWindow(kDialogCaption, 15s);
        EXPECT_NE(dialog, nullptr) << "the settings dialog did not come up";
        // Ready once its controls exist and it has the focus.
        EXPECT_TRUE(
            testing_support::WaitUntil([&] { return ::GetForegroundWindow() == dialog; }, 5s));
        return dialog;
    }

    HWND StartToMainWindow() {
        const HWND dialog = StartToDialog();
        EXPECT_EQ(program.WaitForWindow(kMainCaption, 0ms), nullptr)
            << "the main window showed before the dialog closed";
        testing_support::PressKeys({VK_ESCAPE});
        EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindow(dialog); }, 5s));
        const HWND main = program.WaitForWindow(kMainCaption, 10s);
        EXPECT_NE(main, nullptr);
        EXPECT_TRUE(
            testing_support::WaitUntil([&] { return ::GetForegroundWindow() == main; }, 5s));
        ::Sleep(100);  // let it paint
        return main;
    }

    // Presses cmdRange as a click would; the picker's window once it stands.
    HWND OpenPicker(HWND dialog) {
        RECT button;
        ::GetWindowRect(::GetDlgItem(dialog, kRangeButtonId), &button);
        testing_support::ClickAt((button.left + button.right) / 2,
                                 (button.top + button.bottom) / 2);
        HWND picker = nullptr;
        testing_support::WaitUntil(
            [&] {
                picker =
                    testing_support::FindProcessWindow(program.processId(), L"SuiteRangePicker");
                return picker != nullptr && ::IsWindowVisible(picker);
            },
            5s);
        ::Sleep(150);  // its first paint
        return picker;
    }

    void Drag(POINT from, std::initializer_list<POINT> through) {
        ASSERT_TRUE(testing_support::MoveCursor(from.x, from.y));
        testing_support::PressLeftButton();
        for (const POINT point : through) {
            ASSERT_TRUE(testing_support::MoveCursor(point.x, point.y));
        }
        testing_support::ReleaseLeftButton();
    }

    std::wstring Box(HWND dialog, int index) {
        return testing_support::WindowText(::GetDlgItem(dialog, kFirstRangeBoxId + index));
    }

    testing_support::ProgramUnderTest program{L"マウス連射試験", {L"Tapnor.exe", L"Sleekon.ocx"}};
};

}  // namespace tapnor_test
