#include "frame/param_module_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "frame/tests/sample_program.h"
#include "testing/temporary_folder_win32.h"

namespace frame {
namespace {

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

class NoPrompt final : public WriteFailurePrompt {
  public:
    bool ShouldRetry(const std::wstring&) override {
        ADD_FAILURE() << "unexpected write failure";
        return false;
    }
};

// This test program's version information names the product "SuiteParamTest".
TEST(ProgramSettingsLocationTest, IsTheProductNameBesideTheExecutable) {
    wchar_t executable[MAX_PATH];
    ::GetModuleFileNameW(nullptr, executable, MAX_PATH);
    std::wstring expected(executable);
    expected.resize(expected.find_last_of(L'\\') + 1);
    expected += L"SuiteParamTest.ini";

    const SettingsLocation location = ProgramSettingsLocation();
    EXPECT_EQ(location.path, expected);
    EXPECT_EQ(location.productName, "SuiteParamTest");
}

TEST(PrimaryScreenMetricsTest, MatchesTheScreenInPixels) {
    const ScreenCorner corner = LastScreenPixel(PrimaryScreenMetrics());
    EXPECT_EQ(corner.right, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    EXPECT_EQ(corner.bottom, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

class ParamModuleTest : public ::testing::Test {
  protected:
    void TearDown() override { ::DeleteFileW(ProgramSettingsLocation().path.c_str()); }
    NoPrompt prompt;
};

TEST_F(ParamModuleTest, LoadWithoutAFileGivesDefaultsAndSaveWritesThem) {
    const std::wstring path = ProgramSettingsLocation().path;
    ::DeleteFileW(path.c_str());
    ParamModule params(sample::Schema(), prompt);
    EXPECT_FALSE(params.LoadParams());
    EXPECT_EQ(params.store().GetParam("Pace"), ParamValue(std::int32_t{50}));

    ASSERT_TRUE(params.SaveParams());
    const std::string right = std::to_string(::GetSystemMetrics(SM_CXSCREEN) - 1);
    const std::string bottom = std::to_string(::GetSystemMetrics(SM_CYSCREEN) - 1);
    EXPECT_EQ(ReadFileBytes(path),
              "[SuiteParamTest]\r\n\r\nArea=0, 0, " + right + ", " + bottom + "\r\nRoam=True\r\n");
}

TEST_F(ParamModuleTest, SavedSettingsLoadIntoTheNextRun) {
    {
        ParamModule first(sample::QuietSchema(), prompt);
        first.LoadParams();
        first.store().SetParam("Offset", ParamValue(L"12"));
        first.store().SetParam("Hold", ParamValue(true));
        ASSERT_TRUE(first.SaveParams());
    }
    ParamModule second(sample::QuietSchema(), prompt);
    EXPECT_TRUE(second.LoadParams());
    EXPECT_EQ(second.store().GetParam("Offset"), ParamValue(std::int32_t{12}));
    EXPECT_EQ(second.store().GetParam("Pace"), ParamValue(std::int32_t{100}));
    EXPECT_EQ(second.store().GetParam("Hold"), ParamValue(true));
}

TEST_F(ParamModuleTest, LoadStartsFromDefaultsEveryTime) {
    WriteFileBytes(ProgramSettingsLocation().path, "Pace=5\r\n");
    ParamModule params(sample::Schema(), prompt);
    params.store().SetParam("Hold", 0, ParamValue(true));
    EXPECT_TRUE(params.LoadParams());
    EXPECT_EQ(params.store().GetParam("Pace"), ParamValue(std::int32_t{5}));
    EXPECT_EQ(params.store().GetParam("Hold"), ParamValue(false));
}

}  // namespace
}  // namespace frame
