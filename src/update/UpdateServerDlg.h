// The new-version window on template 159. Its texts stay the same in every interface language.
#pragma once

#include <string>

#include "win/Dialog.h"

class CUpdateServerDlg : public win::Dialog {
public:
    CUpdateServerDlg();

    std::wstring m_strLatestVersion;
    std::wstring m_strDownloadPage;
    std::wstring m_strReleaseNotes;

protected:
    BOOL OnInitDialog() override;
    // "Go to the site!": opens the download page and closes, for web addresses only.
    void OnOK() override;
};
