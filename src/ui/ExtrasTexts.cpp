#include "ui/ExtrasTexts.h"

#include <string>

#include "config/ConfigKeys.h"
#include "resource.h"

namespace {

int Column(int language) {
    return language == kLanguageKorean || language == kLanguageJapanese ? language
                                                                        : kLanguageEnglish;
}

constexpr int kExtrasTextCount = 3;

// Rows follow ExtrasText, columns the language index.
constexpr const wchar_t* kExtrasTexts[kExtrasTextCount][kLanguageCount] = {
    {L"Advanced", L"고급 설정", L"詳細設定"},
    {L"Missing", L"없는 주소", L"見つからないアドレス"},
    {L"Failed to set the proxy server, Please do it by yourself",
     L"프록시 서버를 설정하지 못했습니다. 직접 설정해 주세요.",
     L"プロキシサーバーを設定できませんでした。手動で設定してください。"},
};

constexpr int kProblemCount = 10;
static_assert(static_cast<int>(ExtrasProblem::ProxyControlCharacter) + 1 == kProblemCount);

// Rows follow ExtrasProblem (None first), columns the language index.
constexpr const wchar_t* kProblemTexts[kProblemCount][kLanguageCount] = {
    {L"", L"", L""},
    {L"Please enter the whole IP address.", L"IP 주소를 모두 입력하세요.",
     L"IPアドレスをすべて入力してください。"},
    {L"Please enter the whole subnet mask.", L"서브넷 마스크를 모두 입력하세요.",
     L"サブネットマスクをすべて入力してください。"},
    {L"This subnet mask is not valid.", L"올바른 서브넷 마스크가 아닙니다.",
     L"サブネットマスクが正しくありません。"},
    {L"This IP address is already in the profile.", L"이 IP 주소는 이미 프로필에 있습니다.",
     L"このIPアドレスはすでにプロファイルにあります。"},
    {L"A profile takes at most four more IP addresses.",
     L"추가 IP 주소는 네 개까지 넣을 수 있습니다.", L"追加のIPアドレスは4つまでです。"},
    {L"Please enter the proxy server's address.", L"프록시 서버 주소를 입력하세요.",
     L"プロキシサーバーのアドレスを入力してください。"},
    {L"Please give the proxy server as host:port, or as http=host:port;https=host:port.",
     L"프록시 서버는 host:port 또는 http=host:port;https=host:port 형식으로 입력하세요.",
     L"プロキシサーバーは host:port または http=host:port;https=host:port "
     L"の形で入力してください。"},
    {L"The proxy server's port must be between 1 and 65535.",
     L"프록시 서버의 포트는 1에서 65535 사이여야 합니다.",
     L"プロキシサーバーのポートは1から65535の間で指定してください。"},
    {L"The proxy server and its exceptions cannot contain control characters.",
     L"프록시 서버와 예외 목록에는 제어 문자를 쓸 수 없습니다.",
     L"プロキシサーバーと例外には制御文字を使えません。"},
};

struct CaptionRow {
    int nId;
    const wchar_t* captions[kLanguageCount];
};

constexpr CaptionRow kAdvancedRows[] = {
    {IDC_EXTRA_GROUP,
     {L"More IP addresses on this adapter", L"이 어댑터의 추가 IP 주소",
      L"このアダプターの追加IPアドレス"}},
    {IDC_EXTRA_IP_LABEL, {L"IP Address", L"IP 주소", L"IPアドレス"}},
    {IDC_EXTRA_SUBNET_LABEL, {L"Subnet Mask", L"서브넷마스크", L"サブネットマスク"}},
    {IDC_EXTRA_ADD, {L"Add", L"추가", L"追加"}},
    {IDC_EXTRA_CHANGE, {L"Change", L"변경", L"変更"}},
    {IDC_EXTRA_REMOVE, {L"Remove", L"삭제", L"削除"}},
    {IDC_EXTRA_NOTE,
     {L"Up to four, added after the static IP address. A profile that uses DHCP takes none.",
      L"고정 IP 주소 뒤에 네 개까지 추가합니다. DHCP를 쓰는 프로필에는 넣을 수 없습니다.",
      L"固定IPアドレスの後に4つまで追加します。DHCPを使うプロファイルには入れられません。"}},
    {IDC_PROXY_GROUP, {L"Proxy server", L"프록시 서버", L"プロキシサーバー"}},
    {IDC_PROXY_CHECK, {L"Use a proxy server", L"프록시 서버 사용", L"プロキシサーバーを使う"}},
    {IDC_PROXY_SERVER_LABEL, {L"Address:port", L"주소:포트", L"アドレス:ポート"}},
    {IDC_PROXY_EXCEPTIONS_LABEL, {L"Exceptions (;)", L"예외 (;로 구분)", L"例外 (;で区切る)"}},
    {IDC_PROXY_LOCAL,
     {L"Bypass for local addresses", L"로컬 주소에는 프록시 서버 사용 안 함",
      L"ローカルアドレスにはプロキシサーバーを使わない"}},
    {IDC_PROXY_NOTE,
     {L"Where a proxy script is set too, Windows uses the script first.",
      L"자동 구성 스크립트도 설정되어 있으면 Windows는 스크립트를 먼저 사용합니다.",
      L"自動構成スクリプトも設定されている場合、Windowsはスクリプトを先に使います。"}},
    {IDC_ADVANCED_OK, {L"OK", L"확인", L"OK"}},
    {IDC_ADVANCED_CANCEL, {L"Cancel", L"취소", L"キャンセル"}},
};

}  // namespace

std::wstring_view GetExtrasText(ExtrasText text, int language) {
    const int row = static_cast<int>(text);
    if (row < 0 || row >= kExtrasTextCount) return {};
    return kExtrasTexts[row][Column(language)];
}

std::wstring_view GetExtrasProblemText(ExtrasProblem problem, int language) {
    const int row = static_cast<int>(problem);
    if (row < 0 || row >= kProblemCount) return {};
    return kProblemTexts[row][Column(language)];
}

std::vector<ControlCaption> GetAdvancedCaptions(int language) {
    std::vector<ControlCaption> captions;
    for (const CaptionRow& row : kAdvancedRows) {
        captions.push_back({row.nId, row.captions[Column(language)]});
    }
    return captions;
}

std::wstring AddressPairText(const AddressPair& pair) {
    return std::wstring(pair.ip) + L" / " + pair.subnet;
}
