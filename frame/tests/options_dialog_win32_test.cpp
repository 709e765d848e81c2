#include "frame/options_dialog_win32.h"

#include <imm.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "frame/tests/sample_program.h"
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
        ASSERT_TRUE(WaitUntil([&] { return Box("cmdBack") != nullptr; }, 5s));
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

TEST_F(OptionsDialogTest, TakesSizeCaptionsPlacesAndTabOrderFromItsTable) {
    Open(sample::Layout(), sample::Schema());
    RECT client;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 246);
    EXPECT_EQ(client.bottom, 182);
    EXPECT_EQ(WindowText(Box("cmdPick")), L"選ぶ(&P)");
    EXPECT_EQ(WindowText(Box("lblArea")), L"範囲：");

    RECT box;
    ::GetWindowRect(Box("txtArea", 2), &box);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 152);
    EXPECT_EQ(box.top, 56);
    EXPECT_EQ(box.right - box.left, 41);
    EXPECT_EQ(box.bottom - box.top, 18);

    const HWND expected[] = {Box("txtPace"),    Box("chkRoam"),    Box("txtArea", 0),
                             Box("txtArea", 1), Box("txtArea", 2), Box("txtArea", 3),
                             Box("cmdPick"),    Box("chkHold"),    Box("cmdOk"),
                             Box("cmdBack"),    Box("txtPace")};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(dialog, expected[i], FALSE), expected[i + 1]) << i;
    }
}

TEST_F(OptionsDialogTest, OpensCentredOverItsOwnerWithTheFirstBoxSelected) {
    Open(sample::Layout(), sample::Schema());
    RECT window;
    ::GetWindowRect(dialog, &window);
    EXPECT_NEAR((window.left + window.right) / 2, 200 + 150, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, 100 + 100, 1);
    EXPECT_EQ(WindowText(Box("txtPace")), L"50");
    EXPECT_EQ(WindowText(Box("txtArea", 2)), L"1023");
    EXPECT_EQ(FocusOfThreadOf(dialog), Box("txtPace"));
    EXPECT_TRUE(IsSelectedWhole(Box("txtPace")));
}

TEST_F(OptionsDialogTest, AnOwnerAtTheScreensCornerStillGetsTheWholeDialogOnTheScreen) {
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT window;
    // Centred over a main window in the top left corner, the dialog would stand partly
    // above and left of the screen; it stands in the corner instead.
    ownerPlace_ = {work.left, work.top, work.left + 144, work.top + 74};
    Open(sample::Layout(), sample::Schema());
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
    Open(sample::Layout(), sample::Schema());
    const HWND pace = Box("txtPace");
    Type(pace, L"a-. +9");  // replaces the selected 50
    EXPECT_EQ(WindowText(pace), L"9");
    Type(pace, L"87654");
    EXPECT_EQ(WindowText(pace), L"98765");
    Type(pace, L"\b\b");
    EXPECT_EQ(WindowText(pace), L"987");

    const HWND area = Box("txtArea", 0);
    ::SendMessageW(area, EM_SETSEL, 0, -1);
    Type(area, L"12345");
    EXPECT_EQ(WindowText(area), L"1234");
}

// With a Japanese input method on, the boxes get no composition: they have no input context,
// and the full-width digits that an input method types all the same arrive as digits.
TEST_F(OptionsDialogTest, NumberBoxesHaveTheInputMethodOffAndTakeFullWidthDigitsAsDigits) {
    Open(sample::Layout(), sample::Schema());
    const HWND pace = Box("txtPace");
    Type(pace, L"\xFF11\xFF12\x30FC\xFF0D\xFF21\x3000\xFF19");  // 1 2 (long vowel - A space) 9
    EXPECT_EQ(WindowText(pace), L"129");

    EXPECT_EQ(::ImmGetContext(pace), nullptr);
    const HIMC dialogContext = ::ImmGetContext(dialog);
    EXPECT_NE(dialogContext, nullptr) << "the dialog itself keeps the thread's context";
    ::ImmReleaseContext(dialog, dialogContext);
}

TEST_F(OptionsDialogTest, EnterConfirmsAndStoresTheOrderedArea) {
    Open(sample::Layout(), sample::Schema());
    const wchar_t* typed[] = {L"500", L"400", L"100", L"50"};
    for (int i = 0; i < 4; ++i) {
        ::SetWindowTextW(Box("txtArea", i), typed[i]);
    }
    ::SendMessageW(Box("chkHold"), BM_CLICK, 0, 0);
    Press(VK_RETURN);
    ParamStore& store = Closed();
    EXPECT_TRUE(confirmed_);
    EXPECT_EQ(store.GetParam("Area", 0), ParamValue(std::int32_t{100}));
    EXPECT_EQ(store.GetParam("Area", 1), ParamValue(std::int32_t{50}));
    EXPECT_EQ(store.GetParam("Area", 2), ParamValue(std::int32_t{500}));
    EXPECT_EQ(store.GetParam("Area", 3), ParamValue(std::int32_t{400}));
    EXPECT_EQ(store.GetParam("Hold"), ParamValue(true));
}

// Stands in for a program's step behind an Action button: notes whether the dialog took
// input while it ran, and hands back texts for two boxes.
class RecordingActions final : public DialogActions {
  public:
    std::vector<FieldText> Run(std::string_view button, HWND owner) override {
        runs.push_back(std::string(button) + (::IsWindowEnabled(owner) ? " enabled" : " disabled"));
        return {{{"txtArea", 1}, L"77"}, {{"txtNone", 0}, L"5"}, {{"txtArea", 3}, L"-1280"}};
    }
    std::vector<std::string> runs;
};

TEST_F(OptionsDialogTest, AnActionButtonRunsTheProgramsStepAndFillsTheBoxesItNames) {
    RecordingActions actions;
    actions_ = &actions;
    Open(sample::Layout(), sample::Schema());
    ::SendMessageW(Box("cmdPick"), BM_CLICK, 0, 0);
    EXPECT_EQ(actions.runs, (std::vector<std::string>{"cmdPick disabled"}));
    EXPECT_EQ(WindowText(Box("txtArea", 0)), L"0");
    EXPECT_EQ(WindowText(Box("txtArea", 1)), L"77");
    EXPECT_EQ(WindowText(Box("txtArea", 3)), L"-1280");  // longer than a user may type
    EXPECT_TRUE(::IsWindowEnabled(dialog)) << "the dialog takes input again";
    Press(VK_RETURN);
    EXPECT_EQ(Closed().GetParam("Area", 1), ParamValue(std::int32_t{-1280}));
}

TEST_F(OptionsDialogTest, EscapeCancelsAndTheNextOpeningShowsTheOldValues) {
    Open(sample::Layout(), sample::Schema());
    ::SetWindowTextW(Box("txtPace"), L"777");
    Press(VK_ESCAPE);
    EXPECT_EQ(Closed().GetParam("Pace"), ParamValue(std::int32_t{50}));
    EXPECT_FALSE(confirmed_);
    OpenAgain();
    EXPECT_EQ(WindowText(Box("txtPace")), L"50");
}

TEST_F(OptionsDialogTest, AnEmptyBoxKeepsTheDialogOpenWithThatBoxSelected) {
    Open(sample::Layout(), sample::Schema());
    ::SetWindowTextW(Box("txtPace"), L"120");
    ::SetWindowTextW(Box("txtArea", 1), L"");
    ::SendMessageW(Box("cmdOk"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(dialog) == Box("txtArea", 1); }, 2s));
    EXPECT_FALSE(closed_);

    ::SetWindowTextW(Box("txtArea", 1), L"5");
    ::SendMessageW(Box("cmdOk"), BM_CLICK, 0, 0);
    ParamStore& store = Closed();
    EXPECT_EQ(store.GetParam("Pace"), ParamValue(std::int32_t{120}));
    EXPECT_EQ(store.GetParam("Area", 1), ParamValue(std::int32_t{5}));
}

TEST_F(OptionsDialogTest, PastedTextThatIsNotANumberIsNeverStored) {
    Open(sample::Layout(), sample::Schema());
    ::SetWindowTextW(Box("txtArea", 3), L"12a");
    ::SendMessageW(Box("cmdOk"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(dialog) == Box("txtArea", 3); }, 2s));
    EXPECT_TRUE(IsSelectedWhole(Box("txtArea", 3)));
    ::SendMessageW(Box("cmdBack"), BM_CLICK, 0, 0);
    EXPECT_EQ(Closed().GetParam("Area", 3), ParamValue(std::int32_t{767}));
}

TEST_F(OptionsDialogTest, KeepsItselfTopmostOnlyWhenItsTableAsks) {
    Open(sample::Layout(), sample::Schema());
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(WaitUntil(
        [&] { return (::GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 2s));
    Press(VK_ESCAPE);
    Closed();

    Open(sample::QuietLayout(), sample::QuietSchema());
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ::Sleep(100);
    EXPECT_EQ(::GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT client;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 230);
    EXPECT_EQ(client.bottom, 118);
    EXPECT_EQ(FocusOfThreadOf(dialog), Box("txtOffset"));
    Type(Box("txtOffset"), L"1234");
    EXPECT_EQ(WindowText(Box("txtOffset")), L"123");
    Press(VK_RETURN);
    EXPECT_EQ(Closed().GetParam("Offset"), ParamValue(std::int32_t{123}));
}

}  // namespace
}  // namespace frame
