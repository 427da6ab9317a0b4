#include "ui/HelpTexts.h"

#include <initializer_list>

namespace {

constexpr std::wstring_view kEncyclopediaSource = L"Source: Wikipedia, the free encyclopedia";
constexpr std::wstring_view kEncyclopediaSourceKorean = L"출처: 위키백과, 우리 모두의 백과사전";
constexpr std::wstring_view kEncyclopediaSourceJapanese = L"出典: フリー百科事典『ウィキペディア』";
constexpr std::wstring_view kDashLine = L"----------------------------------------";

// Joins lines with CR LF; a heading is always followed by an empty line.
std::wstring Lines(std::initializer_list<std::wstring_view> lines) {
    std::wstring text;
    for (std::wstring_view line : lines) {
        text += line;
        text += L"\r\n";
    }
    return text;
}

std::wstring NicText() {
    return Lines({
        L"Network interface controller",
        L"",
        L"A network interface controller (NIC, also network card or network adapter) is the "
        L"part of a computer that connects it to a network: an Ethernet port, a Wi-Fi module "
        L"or a virtual adapter. Each one has its own hardware (MAC) address and its own "
        L"IP settings. VorlIP keeps one profile per place and applies it to the card you choose.",
        kEncyclopediaSource,
        L"",
        L"네트워크 인터페이스 컨트롤러(NIC, 랜 카드)는 컴퓨터를 네트워크에 연결하는 장치입니다. "
        L"유선 이더넷 포트, 무선 랜 모듈, 가상 어댑터가 모두 여기에 속하며, 각각 고유한 "
        L"하드웨어(MAC) 주소와 IP 설정을 가집니다.",
        kEncyclopediaSourceKorean,
        L"",
        L"ネットワークインターフェースコントローラ(NIC、LANカード)は、コンピュータを"
        L"ネットワークに接続するための装置です。有線のイーサネット、無線LAN、仮想アダプタ"
        L"などがあり、それぞれが固有のハードウェア(MAC)アドレスとIP設定を持ちます。",
        kEncyclopediaSourceJapanese,
    });
}

std::wstring DhcpText() {
    return Lines({
        L"Dynamic Host Configuration Protocol",
        L"",
        L"DHCP lets a computer get its IP address, subnet mask, gateway and DNS servers "
        L"automatically from a server on the network. Without DHCP every setting has to be "
        L"typed in by hand; when no server answers, Windows falls back to an automatic private "
        L"address (169.254.x.x). DHCP exists for IPv4 and, as DHCPv6, for IPv6.",
        kEncyclopediaSource,
        L"",
        L"DHCP(동적 호스트 구성 프로토콜)는 컴퓨터가 IP 주소, 서브넷 마스크, 게이트웨이, "
        L"DNS 서버를 네트워크의 서버로부터 자동으로 받아 오게 하는 프로토콜입니다. DHCP가 "
        L"없으면 모든 값을 직접 입력해야 하며, 서버가 응답하지 않으면 169.254.x.x 형태의 "
        L"자동 사설 주소가 쓰입니다. IPv4용 DHCP와 IPv6용 DHCPv6이 있습니다.",
        kEncyclopediaSourceKorean,
        L"",
        L"DHCP(ダイナミック・ホスト・コンフィギュレーション・プロトコル)は、IPアドレス、"
        L"サブネットマスク、ゲートウェイ、DNSサーバをネットワーク上のサーバから自動で"
        L"受け取るためのプロトコルです。DHCPがなければすべて手で入力する必要があり、"
        L"サーバが応答しないときは169.254.x.xの自動プライベートアドレスが使われます。"
        L"IPv4用のDHCPとIPv6用のDHCPv6があります。",
        kEncyclopediaSourceJapanese,
    });
}

std::wstring TempDirText() {
    return Lines({L"Temporary Directory", L"", L"This is not available anymore"});
}

std::wstring TeamText() {
    return Lines({
        L"Vorl Project Team",
        L"",
        L"The Vorl Project Team makes small, free Windows utilities that save everyday clicks.",
        L"Vorl 프로젝트 팀은 매일의 번거로운 작업을 줄여 주는 작은 무료 윈도우 유틸리티를 "
        L"만듭니다.",
        L"Vorlプロジェクトチームは、毎日の手間を減らす小さな無料のWindowsユーティリティを作っていま"
        L"す。",
    });
}

std::wstring TermsText() {
    return Lines({
        L"Terms of Use",
        L"",
        L"VorlIP is free of charge for personal and business use.",
        L"It changes network addresses, DNS servers, the default printer and the browser's "
        L"proxy script of this computer when you ask it to; it needs administrator rights for "
        L"that. Keep a note of your settings before you replace them.",
        L"The program is provided as is, without warranty of any kind. The Vorl Project Team "
        L"is not liable for any loss caused by its use.",
        L"You may copy it unchanged. You may not sell it or pass it off as your own.",
    });
}

std::wstring AuthorText() {
    return Lines({
        L"Help",
        L"",
        L"VorlIP is made by the Vorl Project Team.",
        L"Questions and reports: through the project's own issue list.",
        L"The manual is the README file and the docs folder that come with the program.",
        kDashLine,
        L"More IP addresses and a proxy server (\"Advanced\u2026\")",
        L"",
        L"More IP addresses: a profile with a static address can carry up to four more "
        L"address/mask pairs. Applying it gives the adapter all of them; \"Load current Info\" "
        L"reads them from the adapter. A profile that uses DHCP takes none.",
        L"Proxy server: \"Use a proxy server\" with the address and port (host:port, or "
        L"http=host:port;https=host:port), exceptions separated by \";\" and \"Bypass for local "
        L"addresses\". Applying the profile switches the proxy server on, or off when an address "
        L"is given and the box is not ticked. A profile that names no proxy server leaves your "
        L"settings as they are, except right after a profile that switched one on: then it "
        L"switches it off again. Where a proxy script is set too, Windows uses the script first.",
        L"",
        L"추가 IP 주소: 고정 IP를 쓰는 프로필에 주소/서브넷 마스크를 네 쌍까지 더 넣을 수 "
        L"있습니다. 프로필을 적용하면 어댑터에 모두 설정되고, \"정보 불러오기\"는 어댑터에서 "
        L"그 주소들을 읽어 옵니다. DHCP를 쓰는 프로필에는 넣을 수 없습니다.",
        L"프록시 서버: \"프록시 서버 사용\"과 주소:포트(host:port 또는 "
        L"http=host:port;https=host:port), \";\"로 구분한 예외, \"로컬 주소에는 프록시 서버 "
        L"사용 안 함\"을 정합니다. 프로필을 적용하면 프록시 서버를 켜고, 주소만 있고 체크하지 "
        L"않았으면 끕니다. 프록시 서버를 정하지 않은 프로필은 설정을 그대로 두지만, 프록시 서버를 "
        L"켠 프로필 바로 다음에는 다시 끕니다. 자동 구성 스크립트도 설정되어 있으면 Windows는 "
        L"스크립트를 먼저 사용합니다.",
        L"",
        L"追加IPアドレス: 固定IPのプロファイルには、アドレスとサブネットマスクの組を"
        L"あと4つまで入れられます。適用するとアダプターにすべて設定され、「情報ロード」は"
        L"アダプターからそれらを読み込みます。DHCPのプロファイルには入れられません。",
        L"プロキシサーバー: 「プロキシサーバーを使う」とアドレス:ポート(host:port または "
        L"http=host:port;https=host:port)、「;」で区切った例外、「ローカルアドレスには"
        L"プロキシサーバーを使わない」を指定します。適用するとプロキシサーバーをオンにし、"
        L"アドレスがあってチェックがなければオフにします。プロキシサーバーを指定しない"
        L"プロファイルは設定をそのままにしますが、プロキシサーバーをオンにしたプロファイルの"
        L"直後にはオフに戻します。自動構成スクリプトも設定されている場合、Windowsは"
        L"スクリプトを先に使います。",
        kDashLine,
        L"Credit",
        L"",
        L"Programming: the Vorl Project Team",
        L"Design: the Vorl Project Team",
        L"Icons and pictures: drawn by the project's own script (tools/draw_art.py); no artwork "
        L"of other authors is used.",
        L"Reference: the Windows API documentation.",
        kDashLine,
    });
}

std::wstring WhatsNewText() {
    return Lines({
        L"What' New",
        L"",
        L"2026-12-10  More addresses and a proxy server",
        L"    \"Advanced\u2026\": up to four more IP addresses per static profile.",
        L"    A proxy server per profile, with exceptions and local addresses.",
        L"2026-12-09  VorlIP 1.3.3.7",
        L"    Busy window in the shape of the logo while a profile is applied.",
        L"    Search window over profile titles; double-click shows the exact profile.",
        L"    Help window with eight tabs; icon buttons with hover colours.",
        L"    Enter, Tab and Escape work in every window of the program.",
        L"2026-12-08  Change All",
        L"    Address, DNS, default printer and proxy script applied in one step.",
        L"    The window stays responsive while the commands run.",
        L"2026-12-08  Main window and languages",
        L"    The profile form, the adapter list and the NIC information.",
        L"    Window sizes by screen dpi; English, Korean and Japanese captions.",
        L"2026-12-08  Profiles file",
        L"    Profiles and options in vorlip_configure.ini, saved in Unicode.",
        L"    A save can no longer lose the file; adapter references are repaired on load.",
        L"2026-12-08  Foundation",
        L"    The program's frame, the adapter inventory and the artwork script.",
    });
}

std::wstring OtherProjectsText() {
    return Lines({
        L"Other Vorl Project!",
        L"",
        L"VorlIP is the team's first published tool; more will follow here.",
        L"========================================",
        L"We also make small utilities for customers on request.",
    });
}

}  // namespace

std::wstring BuildHelpText(int nTab) {
    switch (nTab) {
        case 0:
            return NicText();
        case 1:
            return DhcpText();
        case 2:
            return TempDirText();
        case 3:
            return TeamText();
        case 4:
            return TermsText();
        case 5:
            return AuthorText();
        case 6:
            return WhatsNewText();
        case 7:
            return OtherProjectsText();
        default:
            return {};
    }
}
