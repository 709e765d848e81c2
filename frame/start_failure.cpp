#include "frame/start_failure.h"

namespace frame {

std::wstring StartFailureText(const StartFailure& failure) {
    const std::wstring library = kControlLibraryFile;
    switch (failure.kind) {
        case StartFailure::Kind::LayoutUnreadable:
            return L"メイン ウィンドウのレイアウトを読み取れませんでした（" +
                   std::to_wstring(failure.layoutLine) + L" 行目）。";
        case StartFailure::Kind::ControlMissing:
            return library + L" が見つかりません。\r\n探したフォルダー:\r\n" + failure.location;
        case StartFailure::Kind::ControlUnloadable:
            return library + L" を読み込めませんでした。\r\n" + failure.location;
        case StartFailure::Kind::WindowNotCreated:
            break;
    }
    return L"メイン ウィンドウを作成できませんでした。";
}

}  // namespace frame
