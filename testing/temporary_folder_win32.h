#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(std::wstring_view name);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring operator/(std::wstring_view file) const;

  private:
    std::wstring path_;
};

// Whole-file helpers over the wide-character file API.
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, std::string_view bytes);
bool FileExists(const std::wstring& path);
void SetReadOnly(const std::wstring& path, bool readOnly);

}  // namespace testing_support
