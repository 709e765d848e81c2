#include "frame/options_dialog_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "fendle/fendle_options.h"
#include "fendle/fendle_schema.h"
#include "tapnor/tapnor_options.h"
#include "tapnor/tapnor_schema.h"
#include "testing/window_driver_win32.h"

namespace frame {
namespace {

using namespace std::chrono_literals;
using testing_support::FocusOfThreadOf;
using testing_support::WaitForWindow;
using testing_support::WaitUntil;
using testing_support::WindowText;

// Runs the dialog modally on a thread of its own, over an owner window of that thread,
// while the test's thread drives it through its windows as a person's input would.
class OptionsDialogTest : public ::testing::Test {
  protected:
    ~OptionsDialogTest() override {
        if (thread_.joinable()) {
            if (dialog != nullptr) {
                ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            thread_.join();
        }
    }

    void Open(const OptionsFormLayout& layout, const ParamSchema& schema) {
        store_ = std::make_unique<ParamStore>(schema);
        store_->ResetToDefaults(ScreenMetrics::FromPixels(1024, 768, 96, 96));
        layout_ = &layout;
        OpenAgain();
    }

    void OpenAgain() {
        closed_ = false;
        thread_ = std::thread([this] {
            const HWND owner = ::CreateWindowExW(
                0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, ownerPlace_.left, ownerPlace_.top,
                ownerPlace_.right - ownerPlace_.left, ownerPlace_.bottom - ownerPlace_.top, nullptr,
                nullptr, nullptr, nullptr);
            OptionsDialogSetup setup;
            setup.layout = layout_;
            setup.store = store_.get();
            setup.actions = actions_;
            confirmed_ = ShowOptionsDialog(owner, setup);
            ::DestroyWindow(owner);
            closed_ = true;
        });
        dialog = WaitForWindow(layout_->caption, 10s);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return Box("cmdCancel") != nullptr; }, 5s));
    }

    ParamStore& Closed() {
        EXPECT_TRUE(WaitUntil([&] { return closed_.load(); }, 5s)) << "the dialog stayed open";
        thread_.join();
        dialog = nullptr;
        return *store_;
    }

    HWND Box(std::string_view name, int index = 0) const {
        const std::size_t field = *layout_->Find(name, index);
        const FieldCommand command = layout_->fields[field].command;
        const int id = command == FieldCommand::Confirm  ? IDOK
                       : command == FieldCommand::Cancel ? IDCANCEL
                                                         : 100 + static_cast<int>(field);
        return ::GetDlgItem(dialog, id);
    }

    void Type(HWND box, const wchar_t* characters) {
        for (; *characters != L'\0'; ++characters) {
            ::SendMessageW(box, WM_CHAR, static_cast<WPARAM>(*characters), 1);
        }
    }

    // Keys go through the dialog's own loop, as typed keys do.
    void Press(WORD key) {
        const HWND focus = FocusOfThreadOf(dialog);
        ::PostMessageW(focus, WM_KEYDOWN, key, 1);
        ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    }

    bool IsSelectedWhole(HWND box) {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == WindowText(box).size();
    }

    HWND dialog = nullptr;
    DialogActions* actions_ = nullptr;
    RECT ownerPlace_ = {200, 100, 500, 300};
    const OptionsFormLayout* layout_ = nullptr;
    std::unique_ptr<ParamStore> store_;
    std::thread thread_;
    std::atomic<bool> closed_{false};
    std::atomic<bool> confirmed_{false};
};

TEST_F(OptionsDialogTest, TapnorDialogHasItsLayoutAndTabOrder) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    RECT client;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 246);
    EXPECT_EQ(client.bottom, 182);
    EXPECT_EQ(WindowText(Box("cmdRange")), L"マウスで範囲設定(&M)");
    EXPECT_EQ(WindowText(Box("lblRange")), L"マウスクリック範囲：");

    RECT box;
    ::GetWindowRect(Box("txtRange", 2), &box);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 152);
    EXPECT_EQ(box.top, 56);
    EXPECT_EQ(box.right - box.left, 41);
    EXPECT_EQ(box.bottom - box.top, 18);

    const HWND expected[] = {Box("txtTimer"),    Box("chkMoveRange"), Box("txtRange", 0),
                             Box("txtRange", 1), Box("txtRange", 2),  Box("txtRange", 3),
                             Box("cmdRange"),    Box("chkTabKey"),    Box("cmdSetting"),
                             Box("cmdCancel"),   Box("txtTimer")};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(dialog, expected[i], FALSE), expected[i + 1]) << i;
    }
}

TEST_F(OptionsDialogTest, OpensCentredOverItsOwnerWithTheFirstBoxSelected) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    RECT window;
    ::GetWindowRect(dialog, &window);
    EXPECT_NEAR((window.left + window.right) / 2, 200 + 150, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, 100 + 100, 1);
    EXPECT_EQ(WindowText(Box("txtTimer")), L"50");
    EXPECT_EQ(WindowText(Box("txtRange", 2)), L"1023");
    EXPECT_EQ(FocusOfThreadOf(dialog), Box("txtTimer"));
    EXPECT_TRUE(IsSelectedWhole(Box("txtTimer")));
}

TEST_F(OptionsDialogTest, AnOwnerAtTheScreensCornerStillGetsTheWholeDialogOnTheScreen) {
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT window;
    // Centred over a main window in the top left corner, the dialog would stand partly
    // above and left of the screen; it stands in the corner instead.
    ownerPlace_ = {work.left, work.top, work.left + 144, work.top + 74};
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(window.left, work.left);
    EXPECT_EQ(window.top, work.top);
    Press(VK_ESCAPE);
    Closed();

    ownerPlace_ = {work.right - 144, work.bottom - 74, work.right, work.bottom};
    OpenAgain();
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right, work.right);
    EXPECT_EQ(window.bottom, work.bottom);
}

TEST_F(OptionsDialogTest, NumberBoxesTakeOnlyDigitsUpToTheirLength) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    const HWND timer = Box("txtTimer");
    Type(timer, L"a-. +9");  // replaces the selected 50
    EXPECT_EQ(WindowText(timer), L"9");
    Type(timer, L"87654");
    EXPECT_EQ(WindowText(timer), L"98765");
    Type(timer, L"\b\b");
    EXPECT_EQ(WindowText(timer), L"987");

    const HWND range = Box("txtRange", 0);
    ::SendMessageW(range, EM_SETSEL, 0, -1);
    Type(range, L"12345");
    EXPECT_EQ(WindowText(range), L"1234");
}

TEST_F(OptionsDialogTest, EnterConfirmsAndStoresTheOrderedRange) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    const wchar_t* typed[] = {L"500", L"400", L"100", L"50"};
    for (int i = 0; i < 4; ++i) {
        ::SetWindowTextW(Box("txtRange", i), typed[i]);
    }
    ::SendMessageW(Box("chkTabKey"), BM_CLICK, 0, 0);
    Press(VK_RETURN);
    ParamStore& store = Closed();
    EXPECT_TRUE(confirmed_);
    EXPECT_EQ(store.GetParam("Range", 0), ParamValue(std::int32_t{100}));
    EXPECT_EQ(store.GetParam("Range", 1), ParamValue(std::int32_t{50}));
    EXPECT_EQ(store.GetParam("Range", 2), ParamValue(std::int32_t{500}));
    EXPECT_EQ(store.GetParam("Range", 3), ParamValue(std::int32_t{400}));
    EXPECT_EQ(store.GetParam("TabKey"), ParamValue(true));
}

// Stands in for a program's step behind an Action button: notes whether the dialog took
// input while it ran, and hands back texts for two boxes.
class RecordingActions final : public DialogActions {
  public:
    std::vector<FieldText> Run(std::string_view button, HWND owner) override {
        runs.push_back(std::string(button) + (::IsWindowEnabled(owner) ? " enabled" : " disabled"));
        return {{{"txtRange", 1}, L"77"}, {{"txtNone", 0}, L"5"}, {{"txtRange", 3}, L"-8"}};
    }
    std::vector<std::string> runs;
};

TEST_F(OptionsDialogTest, AnActionButtonRunsTheProgramsStepAndFillsTheBoxesItNames) {
    RecordingActions actions;
    actions_ = &actions;
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    ::SendMessageW(Box("cmdRange"), BM_CLICK, 0, 0);
    EXPECT_EQ(actions.runs, (std::vector<std::string>{"cmdRange disabled"}));
    EXPECT_EQ(WindowText(Box("txtRange", 0)), L"0");
    EXPECT_EQ(WindowText(Box("txtRange", 1)), L"77");
    EXPECT_EQ(WindowText(Box("txtRange", 3)), L"-8");
    EXPECT_TRUE(::IsWindowEnabled(dialog)) << "the dialog takes input again";
}

TEST_F(OptionsDialogTest, EscapeCancelsAndTheNextOpeningShowsTheOldValues) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    ::SetWindowTextW(Box("txtTimer"), L"777");
    Press(VK_ESCAPE);
    EXPECT_EQ(Closed().GetParam("Timer"), ParamValue(std::int32_t{50}));
    EXPECT_FALSE(confirmed_);
    OpenAgain();
    EXPECT_EQ(WindowText(Box("txtTimer")), L"50");
}

TEST_F(OptionsDialogTest, AnEmptyBoxKeepsTheDialogOpenWithThatBoxSelected) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    ::SetWindowTextW(Box("txtTimer"), L"120");
    ::SetWindowTextW(Box("txtRange", 1), L"");
    ::SendMessageW(Box("cmdSetting"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(dialog) == Box("txtRange", 1); }, 2s));
    EXPECT_FALSE(closed_);

    ::SetWindowTextW(Box("txtRange", 1), L"5");
    ::SendMessageW(Box("cmdSetting"), BM_CLICK, 0, 0);
    ParamStore& store = Closed();
    EXPECT_EQ(store.GetParam("Timer"), ParamValue(std::int32_t{120}));
    EXPECT_EQ(store.GetParam("Range", 1), ParamValue(std::int32_t{5}));
}

TEST_F(OptionsDialogTest, PastedTextThatIsNotANumberIsNeverStored) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    ::SetWindowTextW(Box("txtRange", 3), L"12a");
    ::SendMessageW(Box("cmdSetting"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(dialog) == Box("txtRange", 3); }, 2s));
    EXPECT_TRUE(IsSelectedWhole(Box("txtRange", 3)));
    ::SendMessageW(Box("cmdCancel"), BM_CLICK, 0, 0);
    EXPECT_EQ(Closed().GetParam("Range", 3), ParamValue(std::int32_t{767}));
}

TEST_F(OptionsDialogTest, TapnorDialogKeepsItselfTopmostButFendleDialogDoesNot) {
    Open(tapnor::OptionsLayout(), tapnor::Schema());
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(WaitUntil(
        [&] { return (::GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 2s));
    Press(VK_ESCAPE);
    Closed();

    Open(fendle::OptionsLayout(), fendle::Schema());
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::Sleep(100);
    EXPECT_EQ(::GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT client;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 230);
    EXPECT_EQ(client.bottom, 118);
    EXPECT_EQ(FocusOfThreadOf(dialog), Box("txtDist"));
    Type(Box("txtDist"), L"1234");
    EXPECT_EQ(WindowText(Box("txtDist")), L"123");
    Press(VK_RETURN);
    EXPECT_EQ(Closed().GetParam("Position"), ParamValue(std::int32_t{123}));
}

}  // namespace
}  // namespace frame
