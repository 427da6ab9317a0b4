#include "ui/CommandLine.h"

#include "config/ConfigKeys.h"
#include "ui/ProfileSearch.h"

namespace {

// The switch name without its '/' or '-', folded to lower case; empty when arg is no switch.
std::wstring SwitchName(std::wstring_view arg) {
    if (arg.size() < 2 || (arg[0] != L'/' && arg[0] != L'-')) return {};
    return FoldAsciiCase(arg.substr(1));
}

bool IsKnownSwitch(std::wstring_view arg) {
    const std::wstring name = SwitchName(arg);
    return name == L"apply" || name == L"quiet" || name == L"?" || name == L"export" ||
           name == L"import";
}

constexpr int kCommandLineTextCount = 6;

// Rows follow CommandLineText, columns the language index.
constexpr const wchar_t* kTexts[kCommandLineTextCount][kLanguageCount] = {
    {
        L"Applies a stored profile, as \"Change All\" does, and ends.\n\n"
        L"VorlIP.exe /apply \"Title\" [/quiet]\n\n"
        L"/apply Title: the profile to apply (quote a title with blanks)\n"
        L"/quiet: show no message; the exit code tells how it went\n"
        L"/?: show this text\n\n"
        L"Exit codes: 0 applied, 1 bad command line, 2 no such profile, 3 refused (adapter "
        L"missing or link down), 4 applied but not everything took, 5 configuration file not "
        L"readable, 6 network adapters not readable.",
        L"저장된 프로필을 \"Change All\"처럼 적용하고 끝냅니다.\n\n"
        L"VorlIP.exe /apply \"제목\" [/quiet]\n\n"
        L"/apply 제목: 적용할 프로필 (공백이 있으면 따옴표로 묶기)\n"
        L"/quiet: 메시지를 띄우지 않음; 결과는 종료 코드로 알림\n"
        L"/?: 이 도움말 보기\n\n"
        L"종료 코드: 0 적용됨, 1 잘못된 명령줄, 2 프로필 없음, 3 거부됨 (어댑터 없음 또는 연결 "
        L"끊김), 4 적용했으나 일부가 반영되지 않음, 5 설정 파일을 읽을 수 없음, 6 네트워크 "
        L"어댑터를 읽을 수 없음.",
        L"保存したプロファイルを「Change All」と同じく適用して終了します。\n\n"
        L"VorlIP.exe /apply \"タイトル\" [/quiet]\n\n"
        L"/apply タイトル: 適用するプロファイル (空白があれば引用符で囲む)\n"
        L"/quiet: メッセージを表示しない; 結果は終了コードで分かります\n"
        L"/?: この説明を表示\n\n"
        L"終了コード: 0 適用済み, 1 コマンドラインの誤り, 2 プロファイルなし, 3 拒否 (アダプター"
        L"なし・未接続), 4 適用したが一部反映されず, 5 設定ファイルを読めません, 6 ネットワーク"
        L"アダプターを読めません。",
    },
    {
        L"There is no profile \"{}\".",
        L"\"{}\" 프로필이 없습니다.",
        L"プロファイル「{}」はありません。",
    },
    {
        L"The configuration file could not be read:\n{}",
        L"설정 파일을 읽을 수 없습니다:\n{}",
        L"設定ファイルを読めません:\n{}",
    },
    {
        L"The profile \"{}\" holds an address that is not complete; nothing was changed.",
        L"\"{}\" 프로필의 주소가 완전하지 않아 아무것도 변경하지 않았습니다.",
        L"プロファイル「{}」のアドレスが不完全なため、何も変更しませんでした。",
    },
    {
        L"The profile's adapter \"{}\" is not on this machine (unplugged, disabled or renamed); "
        L"nothing was changed.",
        L"프로필의 어댑터 \"{}\"이(가) 이 컴퓨터에 없어 (분리, 사용 안 함 또는 이름 변경) 아무것도 "
        L"변경하지 않았습니다.",
        L"プロファイルのアダプター「{}」がこのコンピューターにないため "
        L"(取り外し、無効化または名前の"
        L"変更)、何も変更しませんでした。",
    },
    {
        L"The network adapters could not be read; nothing was changed.",
        L"네트워크 어댑터를 읽을 수 없어 아무것도 변경하지 않았습니다.",
        L"ネットワークアダプターを読めないため、何も変更しませんでした。",
    },
};

}  // namespace

CommandLineRequest ParseCommandLine(std::span<const std::wstring> args) {
    using Action = CommandLineRequest::Action;
    CommandLineRequest request;
    bool bApply = false;
    bool bUsage = false;
    bool bBad = false;
    // /export and /import, like /apply, take the argument after them and come once.
    Action transfer = Action::StartWindow;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring name = SwitchName(args[i]);
        if (name == L"quiet") {
            request.quiet = true;
        } else if (name == L"?") {
            bUsage = true;
        } else if (name == L"apply" && !bApply && i + 1 < args.size() &&
                   !IsKnownSwitch(args[i + 1]) && !args[i + 1].empty()) {
            bApply = true;
            request.title = args[++i];
        } else if ((name == L"export" || name == L"import") && transfer == Action::StartWindow &&
                   i + 1 < args.size() && !IsKnownSwitch(args[i + 1]) && !args[i + 1].empty()) {
            transfer = name == L"export" ? Action::Export : Action::Import;
            request.file = args[++i];
        } else {
            bBad = true;
        }
    }
    if (bBad || (bApply && transfer != Action::StartWindow)) {
        request.action = Action::BadCommandLine;
    } else if (bUsage) {
        request.action = Action::ShowUsage;
    } else if (bApply) {
        request.action = Action::Apply;
    } else if (transfer != Action::StartWindow) {
        request.action = transfer;
    } else if (request.quiet) {
        // "/quiet" alone asks for nothing a window could do quietly.
        request.action = Action::BadCommandLine;
    }
    return request;
}

std::wstring GetCommandLineText(CommandLineText text, int language, std::wstring_view value) {
    const int row = static_cast<int>(text);
    if (row < 0 || row >= kCommandLineTextCount) return {};
    const int column =
        language == kLanguageKorean || language == kLanguageJapanese ? language : kLanguageEnglish;
    std::wstring result = kTexts[row][column];
    const size_t at = result.find(L"{}");
    if (at != std::wstring::npos) result.replace(at, 2, value);
    return result;
}
