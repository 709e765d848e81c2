#pragma once

#include <windows.h>

#include "frame/write_failure_prompt.h"

namespace frame {

// The write-failure message: a modal Retry/Cancel box with the stop icon.
class WriteFailureBox final : public WriteFailurePrompt {
  public:
    explicit WriteFailureBox(HWND owner = nullptr) : owner_(owner) {}
    bool ShouldRetry(const std::wstring& settingsPath) override;

    static constexpr const wchar_t* kTitle = L"エラー";
    static constexpr const wchar_t* kMessage = L"設定ファイルの書き込みに失敗しました。";

  private:
    HWND owner_;
};

}  // namespace frame
