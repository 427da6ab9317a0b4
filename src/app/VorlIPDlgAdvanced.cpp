// The main window's "Advanced..." button: the profile's extra addresses and proxy server are
// edited in a dialog of their own and kept in the working record, like every other field of the
// form, until the profile is saved or applied (or another one shown).
#include "app/VorlIPDlg.h"
#include "apply/ProxyServer.h"
#include "config/ProfileExtras.h"
#include "net/AddressText.h"
#include "resource.h"
#include "ui/AdvancedDlg.h"

void CVorlIPDlg::OnAdvanced() {
    AdvancedDlg::Settings settings;
    settings.bStaticIp = IsChecked(IDC_USE_STATIC_IP);
    const AddressInput ip = GetIp(IDC_IP);
    if (ip.fill == AddressFill::Complete) settings.mainIp = FormatDottedQuad(ip.bytes);
    settings.extras = ExtraAddresses(m_Current);
    settings.checkProxy = m_Current.checkproxy == 1;
    settings.proxy = m_Current.proxy;
    settings.proxyBypass = m_Current.proxybypass;
    AdvancedDlg dialog(std::move(settings), m_Options.language);
    if (dialog.DoModal(m_hWnd) != IDOK) return;
    const AdvancedDlg::Settings& result = dialog.Result();
    SetExtraAddresses(m_Current, result.extras);
    m_Current.checkproxy = result.checkProxy ? 1 : 0;
    CopyField(m_Current.proxy, result.proxy);
    CopyField(m_Current.proxybypass, result.proxyBypass);
}

// "Load current Info" takes the proxy server as it takes the proxy script: from the user's
// settings as they are. Values the form would refuse are left out, so the profile can be saved.
void CVorlIPDlg::LoadProxyServerIntoRecord() {
    const std::optional<ProxyServerSettings> settings = LoadProxyServer();
    if (!settings) return;
    const bool bTaken = CheckProxyServer(settings->enabled, settings->server, settings->bypass) ==
                        ExtrasProblem::None;
    m_Current.checkproxy = bTaken && settings->enabled ? 1 : 0;
    CopyField(m_Current.proxy, bTaken ? settings->server : std::wstring());
    CopyField(m_Current.proxybypass, bTaken ? settings->bypass : std::wstring());
}
