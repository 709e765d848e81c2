#include "frame/settings_path.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

struct PathCase {
    const wchar_t* executable;
    const wchar_t* folder;
    const wchar_t* settings;
};

class SettingsPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathTest, FileSitsBesideTheExecutable) {
    const std::wstring folder = ExecutableFolder(GetParam().executable);
    EXPECT_EQ(folder, GetParam().folder);
    EXPECT_EQ(SettingsFilePath(folder, L"Tapnor"), GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsPathTest,
    ::testing::Values(PathCase{L"C:\\Tools\\Tapnor.exe", L"C:\\Tools", L"C:\\Tools\\Tapnor.ini"},
                      PathCase{L"C:\\Tapnor.exe", L"C:\\", L"C:\\Tapnor.ini"},
                      PathCase{L"D:\\ツール\\連射\\Tapnor.exe", L"D:\\ツール\\連射",
                               L"D:\\ツール\\連射\\Tapnor.ini"},
                      PathCase{L"\\\\server\\share\\Tapnor.exe", L"\\\\server\\share",
                               L"\\\\server\\share\\Tapnor.ini"},
                      PathCase{L"\\\\?\\C:\\Tapnor.exe", L"\\\\?\\C:\\",
                               L"\\\\?\\C:\\Tapnor.ini"}));

TEST(SettingsPathTest, AFolderEndingInABackslashGetsNoSecondOne) {
    EXPECT_EQ(SettingsFilePath(L"E:\\", L"Fendle"), L"E:\\Fendle.ini");
    EXPECT_EQ(SettingsFilePath(L"E:\\Apps", L"Fendle"), L"E:\\Apps\\Fendle.ini");
}

}  // namespace
}  // namespace frame
