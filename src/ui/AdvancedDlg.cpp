#include "ui/AdvancedDlg.h"

#include <commctrl.h>

#include "config/ProfileExtras.h"
#include "config/SectionNames.h"
#include "net/AddressText.h"
#include "resource.h"
#include "ui/ExtrasTexts.h"
#include "win/MessageBox.h"

namespace {

// A field's text when all four parts are filled, else empty (which the checks call incomplete).
std::wstring AddressText(const AddressInput& input) {
    return input.fill == AddressFill::Complete ? FormatDottedQuad(input.bytes) : std::wstring();
}

constexpr int kPairControls[] = {IDC_EXTRA_LIST, IDC_EXTRA_IP, IDC_EXTRA_SUBNET, IDC_EXTRA_IP_LABEL,
                                 IDC_EXTRA_SUBNET_LABEL};

}  // namespace

AdvancedDlg::AdvancedDlg(Settings settings, int nLanguage)
    : win::Dialog(IDD_ADVANCED), m_Settings(std::move(settings)), m_nLanguage(nLanguage) {
    OnCommandMap(IDC_EXTRA_ADD, BN_CLICKED, &AdvancedDlg::OnAdd);
    OnCommandMap(IDC_EXTRA_CHANGE, BN_CLICKED, &AdvancedDlg::OnChange);
    OnCommandMap(IDC_EXTRA_REMOVE, BN_CLICKED, &AdvancedDlg::OnRemove);
    OnCommandMap(IDC_EXTRA_LIST, LBN_SELCHANGE, &AdvancedDlg::OnListSelChange);
}

BOOL AdvancedDlg::OnInitDialog() {
    win::Dialog::OnInitDialog();
    ::SetWindowTextW(m_hWnd,
                     std::wstring(GetExtrasText(ExtrasText::DialogCaption, m_nLanguage)).c_str());
    for (const ControlCaption& row : GetAdvancedCaptions(m_nLanguage)) {
        SetItemText(row.nId, std::wstring(row.caption));
    }
    ::SendDlgItemMessageW(m_hWnd, IDC_PROXY_SERVER, EM_LIMITTEXT, kProxyServerMaxChars, 0);
    ::SendDlgItemMessageW(m_hWnd, IDC_PROXY_EXCEPTIONS, EM_LIMITTEXT, kProxyExceptionsMaxChars, 0);
    const ProxyExceptions exceptions = SplitProxyBypass(m_Settings.proxyBypass);
    CheckButton(IDC_PROXY_CHECK, m_Settings.checkProxy);
    SetItemText(IDC_PROXY_SERVER, m_Settings.proxy);
    SetItemText(IDC_PROXY_EXCEPTIONS, exceptions.list);
    CheckButton(IDC_PROXY_LOCAL, exceptions.bypassLocal);
    // A DHCP profile shows the pairs it would keep with a static address, but cannot change them.
    for (int nId : kPairControls) EnableItem(nId, m_Settings.bStaticIp);
    FillList(-1);
    return TRUE;
}

void AdvancedDlg::FillList(int nSelect) {
    HWND hList = GetItem(IDC_EXTRA_LIST);
    ::SendMessageW(hList, LB_RESETCONTENT, 0, 0);
    for (const AddressPair& pair : m_Settings.extras) {
        ::SendMessageW(hList, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(AddressPairText(pair).c_str()));
    }
    ::SendMessageW(hList, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0);
    UpdateButtons();
}

int AdvancedDlg::SelectedPair() const {
    const LRESULT nSel = ::SendDlgItemMessageW(m_hWnd, IDC_EXTRA_LIST, LB_GETCURSEL, 0, 0);
    return nSel >= 0 && nSel < static_cast<LRESULT>(m_Settings.extras.size())
               ? static_cast<int>(nSel)
               : -1;
}

void AdvancedDlg::UpdateButtons() {
    const bool bSelected = SelectedPair() >= 0;
    const bool bRoom = m_Settings.extras.size() < static_cast<size_t>(kExtraAddressCount);
    EnableItem(IDC_EXTRA_ADD, m_Settings.bStaticIp && bRoom);
    EnableItem(IDC_EXTRA_CHANGE, m_Settings.bStaticIp && bSelected);
    EnableItem(IDC_EXTRA_REMOVE, m_Settings.bStaticIp && bSelected);
}

void AdvancedDlg::OnListSelChange() {
    const int nSel = SelectedPair();
    if (nSel >= 0) {
        SetIp(IDC_EXTRA_IP, m_Settings.extras[static_cast<size_t>(nSel)].ip);
        SetIp(IDC_EXTRA_SUBNET, m_Settings.extras[static_cast<size_t>(nSel)].subnet);
    }
    UpdateButtons();
}

bool AdvancedDlg::TakePair(int replacing, AddressPair& pair) {
    const std::wstring ip = AddressText(GetIp(IDC_EXTRA_IP));
    const std::wstring mask = AddressText(GetIp(IDC_EXTRA_SUBNET));
    const ExtrasProblem problem =
        CheckAddressPair(ip, mask, m_Settings.mainIp, m_Settings.extras, replacing);
    if (problem != ExtrasProblem::None) {
        Say(problem);
        return false;
    }
    pair = MakeAddressPair(ip, mask);
    return true;
}

void AdvancedDlg::OnAdd() {
    AddressPair pair;
    if (!TakePair(-1, pair)) return;
    m_Settings.extras.push_back(pair);
    ClearIp(IDC_EXTRA_IP);
    ClearIp(IDC_EXTRA_SUBNET);
    FillList(-1);
}

void AdvancedDlg::OnChange() {
    const int nSel = SelectedPair();
    AddressPair pair;
    if (nSel < 0 || !TakePair(nSel, pair)) return;
    m_Settings.extras[static_cast<size_t>(nSel)] = pair;
    FillList(nSel);
}

void AdvancedDlg::OnRemove() {
    const int nSel = SelectedPair();
    if (nSel < 0) return;
    m_Settings.extras.erase(m_Settings.extras.begin() + nSel);
    ClearIp(IDC_EXTRA_IP);
    ClearIp(IDC_EXTRA_SUBNET);
    FillList(-1);
}

void AdvancedDlg::OnOK() {
    const bool bCheck = IsChecked(IDC_PROXY_CHECK);
    const std::wstring server = GetItemText(IDC_PROXY_SERVER);
    // Checked as typed: the stored form drops the blanks (a tab among them) around entries.
    const std::wstring exceptions = GetItemText(IDC_PROXY_EXCEPTIONS);
    const ExtrasProblem problem = CheckProxyServer(bCheck, server, exceptions);
    if (problem != ExtrasProblem::None) {
        Say(problem);
        return;
    }
    m_Settings.checkProxy = bCheck;
    m_Settings.proxy = TrimIniBlanks(server);
    m_Settings.proxyBypass = JoinProxyBypass(exceptions, IsChecked(IDC_PROXY_LOCAL));
    EndDialog(IDOK);
}

void AdvancedDlg::Say(ExtrasProblem problem) {
    win::ShowMessage(m_hWnd, std::wstring(GetExtrasProblemText(problem, m_nLanguage)));
}
