#include "frame/settings_file_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "frame/ini_codec.h"
#include "frame/write_failure_box_win32.h"
#include "frame/tests/sample_program.h"
#include "runtime/unique_handle_win32.h"
#include "testing/message_box_driver_win32.h"
#include "testing/temporary_folder_win32.h"

namespace frame {
namespace {

using namespace std::chrono_literals;
using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::SetReadOnly;
using testing_support::TemporaryFolder;
using testing_support::WriteFileBytes;

const ScreenMetrics kScreen = ScreenMetrics::FromPixels(1024, 768, 96, 96);
constexpr std::string_view kOldContent =
    "[Sample]\r\n\r\nPace=999\r\nHold=True\r\nArea=1, 2, 3, 4\r\nRoam=False\r\n"
    "; a longer old file than the new one\r\n";
constexpr std::string_view kNewContent = "[Sample]\r\n\r\nArea=0, 0, 1023, 767\r\nRoam=True\r\n";

// A prompt that records each question and answers through a callback.
class ScriptedPrompt final : public WriteFailurePrompt {
  public:
    explicit ScriptedPrompt(std::function<bool(int call)> answer) : answer_(std::move(answer)) {}
    bool ShouldRetry(const std::wstring& settingsPath) override {
        paths.push_back(settingsPath);
        return answer_(static_cast<int>(paths.size()));
    }
    std::vector<std::wstring> paths;

  private:
    std::function<bool(int)> answer_;
};

class SettingsFileTest : public ::testing::Test {
  protected:
    TemporaryFolder folder{L"設定ファイル試験"};
    std::wstring path = folder / L"Sample.ini";
    std::wstring temporaryPath = path + L".tmp";
    ScriptedPrompt neverAsked{[](int) {
        ADD_FAILURE() << "a save that should succeed asked to retry";
        return false;
    }};
};

TEST_F(SettingsFileTest, WritesAndReadsBackInAFolderWithAJapaneseName) {
    TemporaryFolder nested{L"連射設定"};
    const std::wstring nestedPath = nested / L"ツール.ini";
    ParamStore store(sample::Schema());
    store.ResetToDefaults(kScreen);
    store.SetParam("Pace", 0, ParamValue(L"120"));
    store.SetParam("Area", 0, ParamValue(std::int32_t{-1280}));

    ASSERT_TRUE(WriteSettingsFile(nestedPath, WriteParams(store, "Sample"), neverAsked));
    EXPECT_EQ(ReadFileBytes(nestedPath), WriteParams(store, "Sample"));

    ParamStore readBack(sample::Schema());
    readBack.ResetToDefaults(kScreen);
    EXPECT_TRUE(ReadSettingsFile(nestedPath, readBack));
    EXPECT_EQ(readBack, store);
    EXPECT_FALSE(FileExists(nestedPath + L".tmp"));
}

TEST_F(SettingsFileTest, AMissingFileReportsFalseAndChangesNothing) {
    ParamStore store(sample::Schema());
    store.ResetToDefaults(kScreen);
    const ParamStore before = store;
    EXPECT_FALSE(ReadSettingsFile(path, store));
    EXPECT_EQ(store, before);
}

TEST_F(SettingsFileTest, ASaveReplacesTheWholeOldContent) {
    WriteFileBytes(path, kOldContent);
    ASSERT_TRUE(WriteSettingsFile(path, kNewContent, neverAsked));
    EXPECT_EQ(ReadFileBytes(path), kNewContent);
    EXPECT_FALSE(FileExists(temporaryPath));
}

TEST_F(SettingsFileTest, CancelAfterAReadOnlyFileLeavesItByteForByteAndReadOnly) {
    WriteFileBytes(path, kOldContent);
    SetReadOnly(path, true);
    ScriptedPrompt cancel{[](int) { return false; }};

    EXPECT_FALSE(WriteSettingsFile(path, kNewContent, cancel));

    ASSERT_EQ(cancel.paths.size(), 1u);
    EXPECT_EQ(cancel.paths[0], path);
    EXPECT_EQ(ReadFileBytes(path), kOldContent);
    EXPECT_NE(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_FALSE(FileExists(temporaryPath));
}

TEST_F(SettingsFileTest, RetryRepeatsAsOftenAsChosenAndSavesOnceWritable) {
    WriteFileBytes(path, kOldContent);
    SetReadOnly(path, true);
    ScriptedPrompt retry{[this](int call) {
        if (call == 3) {
            SetReadOnly(path, false);
        }
        return true;
    }};

    EXPECT_TRUE(WriteSettingsFile(path, kNewContent, retry));
    EXPECT_EQ(retry.paths.size(), 3u);
    EXPECT_EQ(ReadFileBytes(path), kNewContent);
    EXPECT_FALSE(FileExists(temporaryPath));
}

TEST_F(SettingsFileTest, AFileHeldOpenByAnotherProgramIsRetriedUntilReleased) {
    WriteFileBytes(path, kOldContent);
    runtime::UniqueFile holder(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    ScriptedPrompt retry{[&holder](int) {
        holder.reset();
        return true;
    }};

    EXPECT_TRUE(WriteSettingsFile(path, kNewContent, retry));
    EXPECT_EQ(retry.paths.size(), 1u);
    EXPECT_EQ(ReadFileBytes(path), kNewContent);
}

TEST_F(SettingsFileTest, AFolderThatCannotTakeFilesFailsWithoutLeavingAnything) {
    const std::wstring missing = folder / L"存在しない\\Sample.ini";
    ScriptedPrompt cancel{[](int) { return false; }};
    EXPECT_FALSE(WriteSettingsFile(missing, kNewContent, cancel));
    EXPECT_EQ(cancel.paths.size(), 1u);
    EXPECT_FALSE(FileExists(missing));
    EXPECT_FALSE(FileExists(missing + L".tmp"));
}

// The real message box, found by its title and class and answered by its buttons.
class WriteFailureBoxTest : public SettingsFileTest {
  protected:
    // Answers the first box that comes up with the given button, after an optional step.
    std::thread Answer(int button, std::function<void()> beforePressing = {}) {
        return std::thread([this, button, beforePressing] {
            seen = testing_support::WaitForMessageBox(WriteFailureBox::kTitle, 10s);
            if (seen.window == nullptr) {
                return;
            }
            if (beforePressing) {
                beforePressing();
            }
            testing_support::PressButton(seen.window, button);
        });
    }
    testing_support::MessageBoxView seen;
};

TEST_F(WriteFailureBoxTest, ShowsTheMessageAndPathWithRetryAndCancel) {
    WriteFileBytes(path, kOldContent);
    SetReadOnly(path, true);
    WriteFailureBox box;
    std::thread answer = Answer(IDCANCEL);
    const bool saved = WriteSettingsFile(path, kNewContent, box);
    answer.join();

    ASSERT_NE(seen.window, nullptr) << "no message box came up";
    EXPECT_FALSE(saved);
    EXPECT_EQ(seen.className, L"#32770");
    EXPECT_EQ(seen.text, std::wstring(L"設定ファイルの書き込みに失敗しました。\r\n") + path);
    EXPECT_EQ(seen.buttons.size(), 2u);
    EXPECT_EQ(ReadFileBytes(path), kOldContent);
    EXPECT_FALSE(FileExists(temporaryPath));
}

TEST_F(WriteFailureBoxTest, RetryAfterTheFileWasMadeWritableSavesNormally) {
    WriteFileBytes(path, kOldContent);
    SetReadOnly(path, true);
    WriteFailureBox box;
    std::thread answer = Answer(IDRETRY, [this] { SetReadOnly(path, false); });
    const bool saved = WriteSettingsFile(path, kNewContent, box);
    answer.join();

    ASSERT_NE(seen.window, nullptr) << "no message box came up";
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadFileBytes(path), kNewContent);
}

}  // namespace
}  // namespace frame
