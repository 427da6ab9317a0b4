#include "ui/SwitchTexts.h"

#include "config/ConfigKeys.h"

namespace {

constexpr int kSwitchTextCount = 5;

constexpr const wchar_t* kTexts[kSwitchTextCount][kLanguageCount] = {
    {L"Use \"{0}\" for this network from now on?",
     L"앞으로 이 네트워크에서 \"{0}\"을(를) 사용할까요?",
     L"今後このネットワークでは \"{0}\" を使いますか?"},
    {L"Applied \"{0}\": network {1} recognised", L"\"{0}\" 적용됨: 네트워크 {1} 인식",
     L"\"{0}\" を適用しました: ネットワーク {1} を認識"},
    {L"Click here within 60 seconds to undo.", L"60초 안에 여기를 누르면 되돌립니다.",
     L"60秒以内にここをクリックすると元に戻します。"},
    {L"Automatic switching is paused for {2}: it switched three times in ten minutes. Tick "
     L"\"Switch automatically\" again to resume.",
     L"{2}의 자동 전환을 멈췄습니다: 10분 동안 세 번 전환했습니다. 다시 시작하려면 \"자동으로 "
     L"전환하기\"를 다시 선택하세요.",
     L"{2} の自動切り替えを一時停止しました: 10分間に3回切り替えました。再開するには "
     L"\"自動で切り替える\" をもう一度オンにしてください。"},
    {L"Network known to \"{0}\"", L"네트워크: \"{0}\"", L"ネットワーク: \"{0}\""},
};

}  // namespace

std::wstring_view GetSwitchText(SwitchText text, int language) {
    const int row = static_cast<int>(text);
    if (row < 0 || row >= kSwitchTextCount) return {};
    if (language < 0 || language >= kLanguageCount) language = kLanguageEnglish;
    return kTexts[row][language];
}

std::wstring FormatSwitchText(SwitchText text, int language, std::wstring_view title,
                              std::wstring_view network, std::wstring_view adapter) {
    const std::wstring_view pattern = GetSwitchText(text, language);
    const std::wstring_view values[] = {title, network, adapter};
    std::wstring out;
    for (size_t k = 0; k < pattern.size(); ++k) {
        if (pattern[k] == L'{' && k + 2 < pattern.size() && pattern[k + 2] == L'}' &&
            pattern[k + 1] >= L'0' && pattern[k + 1] <= L'2') {
            out += values[pattern[k + 1] - L'0'];
            k += 2;
        } else {
            out += pattern[k];
        }
    }
    return out;
}
