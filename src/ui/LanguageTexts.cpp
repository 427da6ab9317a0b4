#include "ui/LanguageTexts.h"

#include "config/ConfigKeys.h"
#include "resource.h"

namespace {

constexpr int kMessageCount = 6;

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
    {
        L"The settings could not be read from vorlip_configure.ini. Nothing has been written to "
        L"it; it is read again at the next save.",
        L"vorlip_configure.ini에서 설정을 읽을 수 없습니다. 파일에는 아무것도 쓰지 않았으며, "
        L"다음에 저장할 때 다시 읽습니다.",
        L"vorlip_configure.iniから設定を読み込めませんでした。ファイルには何も書き込んでいません。"
        L"次の保存時にもう一度読み込みます。",
    },
    {
        L"The icon could not be added to the notification area, and the hot key Ctrl+Shift+D is "
        L"off or taken by another program. The window stays open: hidden, nothing could bring it "
        L"back.",
        L"알림 영역에 아이콘을 추가할 수 없고, 단축키 Ctrl+Shift+D가 꺼져 있거나 다른 프로그램이 "
        L"사용 중입니다. 숨기면 다시 띄울 방법이 없으므로 창을 그대로 둡니다.",
        L"通知領域にアイコンを追加できず、ホットキー Ctrl+Shift+D がオフか他のプログラムに"
        L"使われています。隠すと元に戻す方法がないため、ウィンドウはそのまま表示します。",
    },
};

constexpr int kApplyReportTextCount = 15;

// Rows follow ApplyReportText, columns the language index.
constexpr const wchar_t* kApplyReportTexts[kApplyReportTextCount][kLanguageCount] = {
    {L"The settings did not take on \"{}\".", L"\"{}\"에 설정이 적용되지 않았습니다.",
     L"「{}」に設定が反映されませんでした。"},
    {L"A netsh command for \"{}\" did not end in time and was stopped.",
     L"\"{}\"에 대한 netsh 명령이 제시간에 끝나지 않아 중지했습니다.",
     L"「{}」へのnetshコマンドが時間内に終わらないため停止しました。"},
    {L"Asked", L"요청", L"指定"},
    {L"Now", L"현재", L"現在"},
    {L"gateway", L"게이트웨이", L"ゲートウェイ"},
    {L"none", L"없음", L"なし"},
    {L"adapter not found", L"어댑터를 찾을 수 없음", L"アダプターが見つかりません"},
    {L"exit code", L"종료 코드", L"終了コード"},
    {L"not started", L"시작하지 못함", L"起動できませんでした"},
    {L"stopped after {} s", L"{}초 후 중지됨", L"{}秒後に停止"},
    {L"A netsh command for \"{}\" could not be started.",
     L"\"{}\"에 대한 netsh 명령을 시작하지 못했습니다.",
     L"「{}」へのnetshコマンドを起動できませんでした。"},
    {L"The adapters could not be read after the commands for \"{}\"; whether the settings took "
     L"is not known.",
     L"\"{}\"에 명령을 실행한 뒤 어댑터를 읽을 수 없어 설정이 적용되었는지 알 수 없습니다.",
     L"「{}」へのコマンドの後でアダプターを読めないため、設定が反映されたか分かりません。"},
    {L"Failed to set Auto Configuration Script, Please do it by yourself",
     L"자동 구성 스크립트를 설정하지 못했습니다. 직접 설정해 주세요.",
     L"自動構成スクリプトを設定できませんでした。手動で設定してください。"},
    {L"The default printer could not be set to \"{}\".",
     L"기본 프린터를 \"{}\"(으)로 설정하지 못했습니다.",
     L"既定のプリンターを「{}」に設定できませんでした。"},
    {L"There is no printer \"{}\"; the default printer was not changed.",
     L"\"{}\" 프린터가 없어 기본 프린터를 변경하지 않았습니다.",
     L"プリンター「{}」がないため、既定のプリンターを変更しませんでした。"},
};

constexpr const wchar_t* kPageAddressTexts[kLanguageCount] = {
    L"The page could not be handed to your browser. To open it, copy this address into your "
    L"browser (Ctrl+C copies this message):",
    L"페이지를 브라우저로 열 수 없습니다. 아래 주소를 브라우저에 붙여 넣으세요 "
    L"(Ctrl+C로 이 메시지를 복사할 수 있습니다):",
    L"ページをブラウザーで開けませんでした。下のアドレスをブラウザーに貼り付けてください"
    L"（Ctrl+C でこのメッセージをコピーできます）:",
};

constexpr const wchar_t* kCaptionPrefixes[kLanguageCount] = {
    L"VorlIP FREE ",
    L"VorlIP 프리 ",
    L"VorlIP フリー ",
};

struct CaptionRow {
    int nId;
    const wchar_t* captions[kLanguageCount];
};

// The order is the order in which the captions are set. The parked controls are captioned too,
// so their rows stay even though nobody sees them.
constexpr CaptionRow kCaptionRows[kCaptionedControlCount] = {
    {IDC_DEFAULT_NETWORK_GROUP,
     {L"Default Network Setting", L"기본 네트워크 설정", L"基本ネットワーク設定"}},
    {IDC_TITLE_LABEL, {L"Title", L"세팅 이름", L"セット名"}},
    {IDC_NIC_LABEL, {L"NIC", L"NIC", L"NIC"}},
    {IDC_DHCP_LABEL, {L"DHCP", L"DHCP", L"DHCP"}},
    {IDC_USE_DHCP_IP, {L"Use DHCP IP", L"DHCP 사용하기", L"DHCP使用"}},
    {IDC_USE_STATIC_IP, {L"Use Static IP", L"고정 IP 사용하기", L"固定IP使用"}},
    {IDC_IP_LABEL, {L"IP Address", L"IP 주소", L"IPアドレス"}},
    {IDC_SUBNET_LABEL, {L"Subnet Mask", L"서브넷마스크", L"サブネットマスク"}},
    {IDC_GATEWAY_LABEL, {L"GateWay", L"게이트웨이", L"ゲートウェイ"}},
    {IDC_USE_DHCP_DNS, {L"Use DHCP DNS", L"DHCP 사용하기", L"DHCP使用"}},
    {IDC_USE_STATIC_DNS, {L"Use Static DNS", L"고정 DNS 사용하기", L"固定DNS使用"}},
    {IDC_DNS_LABEL, {L"DNS Server", L"DNS 서버", L"DNSサーバ"}},
    {IDC_DNS2_LABEL, {L"Sub DNS Server", L"보조 DNS 서버", L"補助DNSサーバ"}},
    {IDC_PRINTER_LABEL, {L"Printer", L"프린터", L"プリンター"}},
    {IDC_LOAD_CURRENT, {L"Load Cur Info", L"정보 불러오기", L"情報ロード"}},
    {IDC_SAVE, {L"Save This Info", L"정보 저장하기", L"情報セーブ"}},
    {IDC_DELETE, {L"Delete This Info", L"정보 삭제하기", L"情報デリート"}},
    {IDC_OPTION_GROUP, {L"Optional Setting", L"부가기능 설정", L"オプション"}},
    {IDC_LANGUAGE_LABEL, {L"Select Language", L"언어 선택하기", L"ことばの選擇"}},
    {IDC_TEMP_DIR_LABEL, {L"Temp. Dir", L"임시폴더", L"臨時のフォルダー"}},
    {IDC_TEMP_DIR_BROWSE, {L"Browse", L"찾기", L"はく-そう"}},
    {IDC_START_LOGO,
     {L"Turn on \"Start Logo Screen\"", L"시작시 로고 띄우기", L"起動時にロゴを表示する"}},
    {IDC_ANIMATION, {L"Turn on Animation", L"에니메이션 효과 보기", L"Animation効果を表示"}},
    {IDC_DEBUG_GROUP,
     {L"Participate in the VorlIP debugging group", L"VorlIP 디버깅 그룹에 참여하기",
      L"VorlIPのDebugging Groupへの参加"}},
    {IDC_SAVE_OPTION, {L"Save Option", L"옵션 저장", L"オプションをセーブ"}},
    {IDC_VISIT, {L"Visit Facebook", L"페이스북", L"Facebook 訪問"}},
    {IDC_NIC_INFO_GROUP, {L"Current NIC Information", L"현재 NIC 정보", L"現在のNICの情報"}},
    {IDC_CHANGE_ALL, {L"Change All", L"변경하기", L"IP,Printerを変更する"}},
    {IDC_EXIT_CHECK,
     {L"Check Modifications & Exit", L"변경 사항 확인 후 종료", L"変更を確認して終了"}},
    {IDC_CHANGE_IP_DNS_ONLY, {L"Change IP, DNS Only", L"아이피 바꾸기", L"IPを変更する"}},
    {IDC_CHANGE_PRINTER_ONLY, {L"Change Printer Only", L"프린터 바꾸기", L"Printerを変更する"}},
    {IDC_WHATS_NEW, {L"What's New", L"바뀐점", L"アップデート"}},
    {IDC_ABOUT, {L"Help and Vorl", L"도움말 및 Vorl", L"ヘルプとVorl"}},
    {IDC_EXIT_ANYWAY, {L"Exit", L"끝내기", L"終了"}},
    {IDC_AUTOCONF_CHECK,
     {L"Auto Configuration Script for IE", L"자동 구성 스크립트 for IE",
      L"Auto Configuration Script for IE"}},
    {IDC_HIDE_TRAY, {L"Hide to tray", L"트레이로", L"Trayに"}},
    {IDC_SYSTEM_GROUP, {L"System Option", L"시스템 옵션", L"システムオプション"}},
    {IDC_START_ON_BOOT, {L"Start on boot", L"부팅시 자동실행", L"起動時に自動実行"}},
    {IDC_SEARCH, {L"Search", L"검색", L"サーチ"}},
    {IDC_CHANGE_FORCE,
     {L"Change event it's disconnected", L"Disconnect 상태에서도 IP 변경하기",
      L"強制的に変更する"}},
    {IDC_GLOBAL_HOT_KEY, {L"Use Global Hot Key", L"전역 단축키 사용하기", L"全弾性使用"}},
    {IDC_ADVANCED, {L"Advanced\u2026", L"고급 설정\u2026", L"詳細設定\u2026"}},
    {IDC_IMPORT_PROFILES, {L"Import profiles…", L"프로필 가져오기", L"プロファイル読み込み…"}},
    {IDC_EXPORT_PROFILES, {L"Export profiles…", L"프로필 내보내기", L"プロファイル書き出し…"}},
    {IDC_AUTO_SWITCH, {L"Switch automatically", L"자동으로 전환하기", L"自動で切り替える"}},
};

// Anything but Korean or Japanese reads as English.
int CaptionColumn(int language) {
    return language == kLanguageKorean || language == kLanguageJapanese ? language
                                                                        : kLanguageEnglish;
}

}  // namespace

std::wstring_view GetLanguageMessage(LanguageMessage message, int language) {
    const int row = static_cast<int>(message);
    if (row < 0 || row >= kMessageCount || language < 0 || language >= kLanguageCount) return {};
    return kMessages[row][language];
}

std::wstring_view GetApplyReportText(ApplyReportText text, int language) {
    const int row = static_cast<int>(text);
    if (row < 0 || row >= kApplyReportTextCount) return {};
    return kApplyReportTexts[row][CaptionColumn(language)];
}

std::wstring_view GetCaptionPrefix(int language) {
    return kCaptionPrefixes[CaptionColumn(language)];
}

std::wstring GetWindowCaption(int language) {
    std::wstring caption(GetCaptionPrefix(language));
    caption += kProgramVersionText;
    return caption;
}

std::array<ControlCaption, kCaptionedControlCount> GetControlCaptions(int language) {
    const int column = CaptionColumn(language);
    std::array<ControlCaption, kCaptionedControlCount> captions{};
    for (int k = 0; k < kCaptionedControlCount; ++k) {
        captions[k] = {kCaptionRows[k].nId, kCaptionRows[k].captions[column]};
    }
    return captions;
}

std::wstring PageAddressMessage(const std::wstring& url, int language) {
    return std::wstring(kPageAddressTexts[CaptionColumn(language)]) + L"\n\n" + url;
}
