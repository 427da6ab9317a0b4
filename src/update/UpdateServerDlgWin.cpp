#include "update/UpdateServerDlg.h"

#include "resource.h"
#include "ui/WebPage.h"
#include "update/VersionFile.h"

CUpdateServerDlg::CUpdateServerDlg() : win::Dialog(IDD_UPDATE_SERVER) {}

BOOL CUpdateServerDlg::OnInitDialog() {
    win::Dialog::OnInitDialog();
    SetItemText(IDC_DOWNLOAD_PAGE, m_strDownloadPage);
    SetItemText(IDC_LATEST_VERSION, m_strLatestVersion);
    SetItemText(IDC_RELEASE_NOTES, m_strReleaseNotes);
    return TRUE;
}

void CUpdateServerDlg::OnOK() {
    // The address comes from the network: a file: address, a share or a local path would have
    // the shell start a program. Such an address is only shown, and the button does nothing.
    if (!IsWebAddress(m_strDownloadPage)) return;
    OpenWebPage(m_hWnd, m_strDownloadPage, m_nLanguage);
    EndDialog(IDOK);
}
