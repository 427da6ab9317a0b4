// The main window's form: putting a profile or an adapter's live settings into the controls (and
// into the changer's target while no apply runs), and the enable rules between them.
#include "app/VorlIPDlg.h"
#include "app/WindowPlacement.h"
#include "apply/EnumPrinters.h"
#include "apply/NetshCommands.h"
#include "apply/NetworkChanger.h"
#include "apply/PrinterRules.h"
#include "net/AddressText.h"
#include "net/NicInformation.h"
#include "platform/System.h"
#include "resource.h"
#include "ui/WindowSizes.h"

namespace {
constexpr int kIpControls[] = {IDC_IP, IDC_SUBNET, IDC_GATEWAY, IDC_DNS, IDC_DNS2};
}  // namespace

std::span<const NICs> CVorlIPDlg::Inventory() const {
    return {m_IPHelper.m_pNICs, static_cast<size_t>(m_IPHelper.m_nCount)};
}

void CVorlIPDlg::ShowProfile(int nIndex) {
    ComboReset(IDC_TITLE_LIST);
    for (const Profile& profile : profiles) ComboAdd(IDC_TITLE_LIST, profile.title);
    if (nIndex < 0) {
        SetItemText(IDC_TITLE_LIST, L"");
    } else {
        m_Current = profiles[static_cast<size_t>(nIndex)];
        ComboSetCurSel(IDC_TITLE_LIST, nIndex);
    }
    SelectProfileAdapter();
    SetItemText(IDC_METRIC, std::to_wstring(m_Current.metric));
    CheckButton(IDC_USE_DHCP_IP, m_Current.dhcpip == 1);
    CheckButton(IDC_USE_STATIC_IP, m_Current.dhcpip == 0);
    SetIp(IDC_IP, m_Current.ip);
    SetIp(IDC_SUBNET, m_Current.subnet);
    SetIp(IDC_GATEWAY, m_Current.gateway);
    CheckButton(IDC_USE_DHCP_DNS, m_Current.dhcpdns == 1);
    CheckButton(IDC_USE_STATIC_DNS, m_Current.dhcpdns == 0);
    SetIp(IDC_DNS, m_Current.dns);
    SetIp(IDC_DNS2, m_Current.dns2);
    UpdateAddressControls();
    OnAutoConfigCheck();
    // While an apply runs, its thread reads the changer's fields; the apply copies its record in
    // at its start, so nothing is lost by leaving them alone meanwhile.
    if (!m_bApplying) CopyProfileToChanger(m_Current, *m_pChanger);
    UpdateNicInformation();
    if (nIndex >= 0) {
        const Profile& profile = profiles[static_cast<size_t>(nIndex)];
        CheckButton(IDC_AUTOCONF_CHECK, profile.checkautoconf == 1);
        SetItemText(IDC_AUTOCONF_URL, profile.autoconf);
        OnAutoConfigCheck();
        SelectProfilePrinter(profile);
    }
}

// The list always shows the adapter the working record names, whatever changed it: a profile
// shown, an adapter's live settings loaded, a profile deleted. That is the adapter the commands
// of an apply address, and the one the information text and the link check look at.
void CVorlIPDlg::SelectProfileAdapter() {
    const int nPosition = AdapterPosition(Inventory(), m_Current.nicname);
    ComboSetCurSel(IDC_NIC_LIST, nPosition);
    if (nPosition >= 0) m_nSelectedNic = nPosition;
}

void CVorlIPDlg::OnNicSelChange() {
    const int nSel = ComboGetCurSel(IDC_NIC_LIST);
    m_nSelectedNic = nSel;
    if (nSel < 0 || nSel >= m_IPHelper.m_nCount) return;
    const NICs& adapter = m_IPHelper.m_pNICs[nSel];
    if (GetItemText(IDC_TITLE_LIST).empty()) {
        m_Current = adapter;
        ShowProfile(-1);
    } else {
        m_Current.nic = adapter.nic;
        CopyField(m_Current.nicname, adapter.nicname);
        UpdateNicInformation();
    }
}

void CVorlIPDlg::UpdateNicInformation() {
    const int nSel = ComboGetCurSel(IDC_NIC_LIST);
    std::wstring text = kNoAdapterInformation;
    if (nSel >= 0 && nSel < m_IPHelper.m_nCount) {
        text = ComposeNicInformation(m_IPHelper.m_pNICs[nSel], m_Options.changeforce);
        text += SwitchNicInformation(m_IPHelper.m_pNICs[nSel]);
    }
    SetItemText(IDC_NIC_INFO, text);
}

void CVorlIPDlg::OnTitleSelChange() {
    const int nSel = ComboGetCurSel(IDC_TITLE_LIST);
    if (nSel >= 0 && nSel < static_cast<int>(profiles.size())) ShowProfile(nSel);
}

void CVorlIPDlg::OnDhcpIp() {
    m_Current.dhcpip = 1;
    UpdateAddressControls();
}

void CVorlIPDlg::OnStaticIp() {
    m_Current.dhcpip = 0;
    UpdateAddressControls();
}

void CVorlIPDlg::OnDhcpDns() {
    m_Current.dhcpdns = 1;
    UpdateAddressControls();
}

void CVorlIPDlg::OnStaticDns() {
    m_Current.dhcpdns = 0;
    UpdateAddressControls();
}

void CVorlIPDlg::UpdateAddressControls() {
    const bool bStaticIp = m_Current.dhcpip != 1;
    const bool bStaticDns = m_Current.dhcpdns != 1;
    EnableItem(IDC_IP, bStaticIp);
    EnableItem(IDC_SUBNET, bStaticIp);
    EnableItem(IDC_GATEWAY, bStaticIp);
    EnableItem(IDC_DNS, bStaticDns);
    EnableItem(IDC_DNS2, bStaticDns);
}

void CVorlIPDlg::ClearAddressControls() {
    for (int nId : kIpControls) ClearIp(nId);
}

void CVorlIPDlg::OnAutoConfigCheck() {
    const bool bChecked = IsChecked(IDC_AUTOCONF_CHECK);
    EnableItem(IDC_AUTOCONF_URL, bChecked);
    if (bChecked) ::SetFocus(GetItem(IDC_AUTOCONF_URL));
}

// The address part of the start state is set by ShowFirstProfileOrAdapter: the first profile or
// adapter sets every one of those controls anyway, and under some systems each radio button and
// address field takes milliseconds to set.
void CVorlIPDlg::ResetForm() {
    ComboSetCurSel(IDC_PRINTER_LIST, -1);
    ComboSetCurSel(IDC_LANGUAGE_LIST, m_Options.language);
    CheckButton(IDC_START_ON_BOOT, m_Options.startonboot);
    CheckButton(IDC_GLOBAL_HOT_KEY, m_Options.useglobalhotkey);
    CheckButton(IDC_CHANGE_FORCE, m_Options.changeforce);
    CheckButton(IDC_AUTO_SWITCH, m_Options.autoswitch);
    SetItemText(IDC_NIC_INFO, L"N/A");
    CheckButton(IDC_AUTOCONF_CHECK, false);
    SetItemText(IDC_AUTOCONF_URL, L"");
}

// The template is sized for every panel at once; the first size message of the process makes the
// window show the left panel only, in the top-left corner of the work area.
void CVorlIPDlg::OnSize() {
    static bool s_bFirstSizeSeen = false;
    if (s_bFirstSizeSeen) return;
    s_bFirstSizeSeen = true;
    const PixelSize size = StartSizeFor(platform::GetScreenDpi().x, MetricsOf(m_hWnd));
    PlaceInWorkArea(m_hWnd, 0, 0, size.cx, size.cy);
}

void CVorlIPDlg::ToggleExpand() {
    const int nDpi = platform::GetScreenDpi().x;
    m_bExpanded = !m_bExpanded;
    SetItemText(IDC_EXPAND, m_bExpanded ? L"<<" : L">>");
    const PixelSize size = ExpandSizeFor(nDpi, MetricsOf(m_hWnd), m_bSizeTrouble, m_bExpanded);
    ResizeKeepingCorner(m_hWnd, size.cx, size.cy);
}

void CVorlIPDlg::LoadCurrentInfo() {
    const int nSel = ComboGetCurSel(IDC_NIC_LIST);
    if (nSel < 0 || nSel >= m_IPHelper.m_nCount) return;
    m_Current = m_IPHelper.m_pNICs[nSel];
    ShowProfile(-1);
    LoadAutoConfigScriptIntoForm();
    LoadProxyServerIntoRecord();
    OnAutoConfigCheck();
    ComboSetCurSel(IDC_PRINTER_LIST, DefaultPrinterPosition(m_pPrinters->m_lstNames,
                                                            CEnumPrinters::DefaultPrinterName()));
}

void CVorlIPDlg::ResetAddressControls() {
    ComboSetCurSel(IDC_NIC_LIST, -1);
    CheckButton(IDC_USE_DHCP_IP, true);
    CheckButton(IDC_USE_STATIC_IP, false);
    CheckButton(IDC_USE_DHCP_DNS, true);
    CheckButton(IDC_USE_STATIC_DNS, false);
    ClearAddressControls();
}
