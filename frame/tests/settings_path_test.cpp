#include "frame/settings_path.h"

#include <gtest/gtest.h>

#include "runtime/file_path.h"

namespace frame {
namespace {

struct PathCase {
    const wchar_t* executable;
    const wchar_t* folder;
    const wchar_t* settings;
};

class SettingsPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathTest, FileSitsBesideTheExecutable) {
    const std::wstring folder = runtime::FolderOf(GetParam().executable);
    EXPECT_EQ(folder, GetParam().folder);
    EXPECT_EQ(SettingsFilePath(folder, L"Tool"), GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsPathTest,
    ::testing::Values(PathCase{L"C:\\Tools\\Tool.exe", L"C:\\Tools", L"C:\\Tools\\Tool.ini"},
                      PathCase{L"C:\\Tool.exe", L"C:\\", L"C:\\Tool.ini"},
                      PathCase{L"D:\\ツール\\連射\\Tool.exe", L"D:\\ツール\\連射",
                               L"D:\\ツール\\連射\\Tool.ini"},
                      PathCase{L"\\\\server\\share\\Tool.exe", L"\\\\server\\share",
                               L"\\\\server\\share\\Tool.ini"},
                      PathCase{L"\\\\?\\C:\\Tool.exe", L"\\\\?\\C:\\", L"\\\\?\\C:\\Tool.ini"}));

TEST(SettingsPathTest, AFolderEndingInABackslashGetsNoSecondOne) {
    EXPECT_EQ(SettingsFilePath(L"E:\\", L"Gadget"), L"E:\\Gadget.ini");
    EXPECT_EQ(SettingsFilePath(L"E:\\Apps", L"Gadget"), L"E:\\Apps\\Gadget.ini");
}

}  // namespace
}  // namespace frame
