#include "ui/TransferTexts.h"

#include "config/ConfigKeys.h"

namespace {

constexpr int kTransferTextCount = 12;

// Rows follow TransferText, columns the language index.
constexpr const wchar_t* kTexts[kTransferTextCount][kLanguageCount] = {
    {
        L"VorlIP.exe /export FILE [/quiet]: writes every profile (not the options) to FILE.\n"
        L"VorlIP.exe /import FILE [/quiet]: adds FILE's profiles; one whose title is here "
        L"already replaces that profile.\n"
        L"Exit codes: 0 done, 7 FILE not readable (import) or not writable (export), "
        L"8 no profile in FILE, 9 imported but damaged parts left out, "
        L"10 configuration file not writable.",
        L"VorlIP.exe /export 파일 [/quiet]: 모든 프로필(옵션 제외)을 파일에 저장합니다.\n"
        L"VorlIP.exe /import 파일 [/quiet]: 파일의 프로필을 추가합니다. 같은 제목의 프로필은 "
        L"바꿉니다.\n"
        L"종료 코드: 0 완료, 7 파일을 읽을 수 없음(가져오기) 또는 쓸 수 없음(내보내기), "
        L"8 파일에 프로필 없음, 9 가져왔으나 손상된 부분은 건너뜀, 10 설정 파일에 쓸 수 없음.",
        L"VorlIP.exe /export ファイル [/quiet]: すべてのプロファイル (オプションを除く) を"
        L"ファイルに書き出します。\n"
        L"VorlIP.exe /import ファイル [/quiet]: ファイルのプロファイルを追加します。同じタイトル"
        L"のプロファイルは置き換えます。\n"
        L"終了コード: 0 完了, 7 ファイルを読めない (読み込み) か書けない (書き出し), "
        L"8 ファイルにプロファイルなし, 9 読み込んだが壊れた部分は飛ばした, "
        L"10 設定ファイルに書けません。",
    },
    {
        L"Profiles written to {1}: {0}.",
        L"{1}에 저장한 프로필: {0}개.",
        L"{1} に書き出したプロファイル: {0} 件。",
    },
    {
        L"Profiles imported from {0}: {1} added, {2} replaced.",
        L"{0}에서 프로필을 가져왔습니다: {1}개 추가, {2}개 교체.",
        L"{0} からプロファイルを読み込みました: 追加 {1} 件、置き換え {2} 件。",
    },
    {
        L"Left out as damaged: {0}.",
        L"손상되어 건너뛴 부분: {0}.",
        L"壊れているため飛ばした部分: {0}。",
    },
    {
        L"lines outside any profile",
        L"어느 프로필에도 속하지 않는 줄",
        L"どのプロファイルにも属さない行",
    },
    {
        L"{0} holds no profile; nothing was changed.",
        L"{0}에 프로필이 없습니다. 아무것도 바꾸지 않았습니다.",
        L"{0} にはプロファイルがありません。何も変更しませんでした。",
    },
    {
        L"{0} could not be read; nothing was changed.",
        L"{0}을(를) 읽을 수 없습니다. 아무것도 바꾸지 않았습니다.",
        L"{0} を読めません。何も変更しませんでした。",
    },
    {
        L"{0} could not be written.",
        L"{0}에 쓸 수 없습니다.",
        L"{0} に書き込めません。",
    },
    {
        L"The profiles could not be added to vorlip_configure.ini; nothing was changed.",
        L"프로필을 vorlip_configure.ini에 추가할 수 없습니다. 아무것도 바꾸지 않았습니다.",
        L"プロファイルを vorlip_configure.ini に追加できません。何も変更しませんでした。",
    },
    {
        L"Import profiles",
        L"프로필 가져오기",
        L"プロファイルの読み込み",
    },
    {
        L"Export profiles",
        L"프로필 내보내기",
        L"プロファイルの書き出し",
    },
    {
        L"Profiles (*.ini)\0*.ini\0All files (*.*)\0*.*\0",
        L"프로필 (*.ini)\0*.ini\0모든 파일 (*.*)\0*.*\0",
        L"プロファイル (*.ini)\0*.ini\0すべてのファイル (*.*)\0*.*\0",
    },
};

int Column(int language) {
    return language == kLanguageKorean || language == kLanguageJapanese ? language
                                                                        : kLanguageEnglish;
}

// The filter holds NUL characters; its length runs to the double NUL at its end.
std::wstring_view RowText(int row, int column) {
    const wchar_t* text = kTexts[row][column];
    if (row != static_cast<int>(TransferText::FileFilter)) return text;
    size_t size = 0;
    while (text[size] != L'\0' || text[size + 1] != L'\0') ++size;
    return {text, size + 2};
}

}  // namespace

std::wstring GetTransferText(TransferText text, int language,
                             std::initializer_list<std::wstring_view> values) {
    const int row = static_cast<int>(text);
    if (row < 0 || row >= kTransferTextCount) return {};
    const std::wstring_view pattern = RowText(row, Column(language));
    // One pass, so a value that holds "{1}" (a folder may be named so) is never filled in again.
    std::wstring result;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'{' && i + 2 < pattern.size() && pattern[i + 2] == L'}') {
            const auto index = static_cast<size_t>(pattern[i + 1] - L'0');
            if (index < values.size()) {
                result += values.begin()[index];
                i += 2;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}

std::wstring SkippedPartsList(std::span<const std::wstring> skipped, int language) {
    const bool bJapanese = Column(language) == kLanguageJapanese;
    std::wstring list;
    for (size_t i = 0; i < skipped.size(); ++i) {
        if (i == kListedSkippedParts) {
            list += bJapanese ? L"、…" : L", …";
            break;
        }
        if (i > 0) list += bJapanese ? L"、" : L", ";
        if (skipped[i].empty()) {
            list += GetTransferText(TransferText::LinesOutside, language);
        } else {
            list += bJapanese ? L"「" + skipped[i] + L"」" : L"\"" + skipped[i] + L"\"";
        }
    }
    return list;
}
