#include "ui/LanguageTexts.h"

#include "config/ConfigKeys.h"

namespace {

constexpr int kMessageCount = 4;

// Rows follow LanguageMessage, columns the language index.
constexpr const wchar_t* kMessages[kMessageCount][kLanguageCount] = {
    {
        L"As system found wrong configuration, it has modified automatically.\n\n"
        L"Would you like to save it?\nIf not, you can see this warning next time again.",
        L"잘못된 정보를 발견하여 수정했습니다.\n\n수정사항을 저장하시겠습니까?\n"
        L"저장하지 않으면, 다음번 실행 때 다시 수정할 수 있습니다.",
        L"誤った情報を変更しました.\n\n保存しますか?\nまたは,次の再変更します.",
    },
    {
        L"Operation is not available for down link.",
        L"Lan 연결을 먼저 확인하세요.",
        L"接続がされていない実行はできません.",
    },
    {
        L"Change your ip & default printer?",
        L"IP와 기본 프린터를 변경하시겠습니까?",
        L"IPの基本的なprinterを変更しますか？",
    },
    {
        L"Delete this item?",
        L"삭제 하시겠습니까?",
        L"削除しますか？",
    },
};

}  // namespace

std::wstring_view GetLanguageMessage(LanguageMessage message, int language) {
    const int row = static_cast<int>(message);
    if (row < 0 || row >= kMessageCount || language < 0 || language >= kLanguageCount) return {};
    return kMessages[row][language];
}
